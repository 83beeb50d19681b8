#!/usr/bin/env bash
# End-to-end: the real program never overwrites a picture library it did
# not read whole.
#  1. A library it cannot read (larger than the reader's bound, its pictures
#     at the start): the game and the editor say so, and the editor's Save
#     explains and leaves the file as it was.
#  2. Two copies started from one folder, both editors open: copy A makes a
#     new picture; copy B, which read the library before, saves its picture 1.
#     B is told the library changed and writes nothing; its second Save
#     stores picture 1 beside A's picture 2.
#
#   run_library_guard_e2e.sh path/to/mosarin
set -euo pipefail

exe=${1:?usage: run_library_guard_e2e.sh path/to/mosarin}
source "$(dirname "$0")/lib.sh"

# The second copy is stopped at the end; should the test fail first, it
# ends with the virtual X server that cleanup stops.
copy_b_pid=""

# window_of PID NAME: the visible window NAME of that process (sets window, left, top).
window_of() {
  local found
  for _ in $(seq 1 100); do
    found=$(xdotool search --all --onlyvisible --pid "$1" --name "^$2\$" 2>/dev/null | head -n 1 || true)
    [[ -n "$found" ]] && break
    sleep 0.2
  done
  [[ -n "$found" ]] || fail "no $2 window of process $1; output: $(cat "$work"/*.log)"
  window=$found
  eval "$(xdotool getwindowgeometry --shell "$window")"
  left=$X; top=$Y
  xdotool windowraise "$window"
  sleep 0.2
}

# answer_box TITLE: answers the one box of that title, failing when there is none.
answer_box() {
  local box
  box=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || fail "no $1 box: $2"
  xdotool windowfocus --sync "$box" 2>/dev/null || true
  xdotool key Return
  sleep 0.4
}

start_copy() {  # start_copy LOG: sets started_pid
  QT_QPA_PLATFORM=xcb "$work/mosarin" >"$work/$1.log" 2>&1 &
  started_pid=$!
}

start_display

# --- 1. A library that cannot be read -------------------------------------
write_full_5x5_library
original=$(cat "$work/files/pictures.txt")
truncate -s 65M "$work/files/pictures.txt"
start_copy mosarin; game_pid=$started_pid
answer_box Warning "the game did not say the library cannot be read"
window_of "$game_pid" Mosarin
click 1 737 307                                  # "Edit Pictures"
answer_box Warning "the editor did not say the library cannot be read"
window_of "$game_pid" "Pictures Editor"
click 1 $((20 + 15 * 2 + 7)) $((20 + 15 * 2 + 7))   # paint a cell
click 1 136 508                                  # "Save"
answer_box Error "Save did not explain that nothing is written"
xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1 && fail '"Picture saved" after a refused save'
[[ $(stat -c %s "$work/files/pictures.txt") == $((65 << 20)) ]] || fail "the unreadable library's size changed"
[[ $(head -c 284 "$work/files/pictures.txt") == "$original" ]] || fail "the unreadable library's pictures changed"
still_running
stop "$game_pid" || true; game_pid=""
note "unreadable library: told, and left as it was"

# --- 2. Two copies over one library -----------------------------------------
write_full_5x5_library
start_copy copy-a; game_pid=$started_pid
window_of "$game_pid" Mosarin
click 1 737 307
window_of "$game_pid" "Pictures Editor"; editor_a=$window
start_copy copy-b; copy_b_pid=$started_pid
window_of "$copy_b_pid" Mosarin
click 1 737 307
window_of "$copy_b_pid" "Pictures Editor"; editor_b=$window; b_left=$left; b_top=$top

window_of "$game_pid" "Pictures Editor"
click 1 88 508                                   # A: "New", picture 2 written at once
for _ in $(seq 1 100); do [[ $(stat -c %s "$work/files/pictures.txt") == 568 ]] && break; sleep 0.1; done
[[ $(stat -c %s "$work/files/pictures.txt") == 568 ]] || fail "copy A did not write its new picture"
after_a=$(cat "$work/files/pictures.txt")

window_of "$copy_b_pid" "Pictures Editor"
click 1 $((20 + 15 * 1 + 7)) $((20 + 15 * 1 + 7))   # B: empty cell (2, 2) of picture 1
click 1 136 508                                  # B: "Save"
answer_box Error "copy B was not told that the library changed"
[[ $(cat "$work/files/pictures.txt") == "$after_a" ]] || fail "copy B wrote over copy A's library"
window_of "$copy_b_pid" "Pictures Editor"
click 1 136 508                                  # B: "Save" again
answer_box Information 'no "Picture saved" on the second save'
line1=$(sed -n 1p "$work/files/pictures.txt" | tr -d '\r')
line2=$(sed -n 2p "$work/files/pictures.txt" | tr -d '\r')
[[ $(wc -l < "$work/files/pictures.txt") == 2 ]] || fail "the library does not hold two pictures"
[[ $line2 == "$(sed -n 2p <<<"$after_a" | tr -d '\r')" ]] || fail "copy A's picture 2 was lost"
[[ ${line1:42:16} == '_@@@@@@@W@@@@@@@' ]] || fail "copy B's picture 1 is not the painted one: ${line1:42:16}"
still_running
kill -0 "$copy_b_pid" 2>/dev/null || fail "copy B ended during the test"
stop "$copy_b_pid" || true
note "PASS"
