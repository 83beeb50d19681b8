#!/usr/bin/env bash
# End-to-end: the real program's window made as large as a 1920 x 1080
# screen (Xvfb runs no window manager, so the window is sized to the screen
# as a maximising manager would). A 5 x 5 picture is played to its end
# screen with the mouse on the larger board, then a 40 x 30 picture whose
# rows hold 20 ones and whose columns hold 15 shows every one of its clue
# numbers, none cut.
#
#   run_maximised_e2e.sh path/to/mosarin
set -euo pipefail

exe=${1:?usage: run_maximised_e2e.sh path/to/mosarin}
source "$(dirname "$0")/lib.sh"

# Colours (0x00BBGGRR): picture red, board magenta (found exactly on the
# screen), highlight grey, lines mid-grey and black.
colours() { printf '%s' 00000255 16711935 13421772 08421504 00000000; }
{
  # Picture 1: 40 x 30 alternating cells. A group of five cells packs into
  # one character, 64 + its filled cells weighted 16, 8, 4, 2, 1 from the left.
  colours; printf 'PF'
  for row in $(seq 0 29); do
    for group in $(seq 0 7); do
      if (( (5 * group + row) % 2 == 0 )); then printf 'U'; else printf 'J'; fi
    done
  done
  printf '\r\n'
  # Picture 2: 5 x 5, every cell filled.
  colours; printf -- '--'
  for row in $(seq 1 30); do
    if (( row <= 5 )); then printf '_@@@@@@@'; else printf '@@@@@@@@'; fi
  done
  printf '\r\n'
} > "$work/files/pictures.txt"
board_rgb=ff00ff

start_display 1920x1080
start_game
xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" 1920 1080
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
left=$X
top=$Y
(( WIDTH == 1920 && HEIGHT == 1080 )) || fail "the window is ${WIDTH}x${HEIGHT}, not the screen's 1920x1080"
note "window sized to the screen: ${WIDTH}x${HEIGHT}"

# The buttons keep to the right edge, the panel to the middle.
shift_x=$((WIDTH - 782))
panel_x=$((shift_x / 2))
panel_y=$(((HEIGHT - 563) / 2))
play_large_entry() {  # play_large_entry N
  click 1 $((738 + shift_x)) 187                        # "New Game"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  click 1 $((380 + panel_x)) $((306 + panel_y))         # into the list's text
  # The panel opens with the first entry chosen.
  for _ in $(seq 2 "$1"); do xdotool key --window "$window" Down; done
  sleep 0.1
  click 1 $((400 + panel_x)) $((340 + panel_y))         # "Play"
  xdotool mousemove 3 3
  sleep 0.5
}
# find_board COLUMNS: sets board_left, board_top and pitch from the ring of
# board colour inside every cell, which runs from one pixel inside the
# board's left and top edges to one pixel short of its right and bottom.
find_board() {
  local found l t r b
  for _ in $(seq 1 20); do
    screenshot board
    found=$(python3 "$here/board_reader.py" board "$work/board.xwd" "$board_rgb" 2>/dev/null) && break
    sleep 0.2
  done
  [[ -n "${found:-}" ]] || fail "no board on the screen"
  read -r l t r b <<< "$found"
  board_left=$((l - 1))
  board_top=$((t - 1))
  pitch=$(((r - l + 2) / $1))
  note "board at ($board_left, $board_top), pitch $pitch"
}

play_large_entry 2
find_board 5
(( pitch > 14 )) || fail "the 5 x 5 board kept the designed pitch on the larger window"
for row in 0 1 2 3 4; do
  for column in 0 1 2 3 4; do
    click 1 $((board_left + pitch * column + pitch / 2)) $((board_top + pitch * row + pitch / 2))
  done
done
xdotool mousemove 3 3
# The end screen: every cell in its black frame on the larger board.
checks=()
for row in 0 1 2 3 4; do
  for column in 0 1 2 3 4; do
    checks+=("$((board_left + pitch * column + 1)),$((board_top + pitch * row + pitch / 2))=000000")
  done
done
expect_pixels end "${checks[@]}"
note "the 5 x 5 picture reached its end screen"

play_large_entry 1
find_board 40
screenshot long
python3 "$here/board_reader.py" clues "$work/long.xwd" "$board_left" "$board_top" "$pitch" 40 30 20 15 ||
  { python3 "$here/xwd_image.py" png "$work/long.xwd" "$work/long.png" || true
    fail "clue numbers missing or cut (screenshot: $work/long.png; MOSARIN_E2E_KEEP=1 keeps it)"; }
note "all 800 row and 600 column clue numbers are on the screen"

still_running
note "PASS"
