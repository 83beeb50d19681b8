#!/usr/bin/env bash
# End-to-end: a picture made in the Pictures Editor of the real program is
# played in the game. Opens the editor with "Edit Pictures", makes a new
# picture, sizes it 5 x 5, paints it with a drag and a click, saves it,
# closes the editor, then chooses the new picture in "New Game", fills the
# same cells and checks that the end screen appears.
#
#   run_editor_e2e.sh path/to/mosarin
set -euo pipefail

exe=${1:?usage: run_editor_e2e.sh path/to/mosarin}
source "$(dirname "$0")/lib.sh"

# One 5 x 5 picture, so that the new one is the second of the list.
write_full_5x5_library

start_display
start_game
game=$window; game_left=$left; game_top=$top

click 1 737 307                                  # "Edit Pictures"
find_window "Pictures Editor" 600 500
xdotool windowfocus --sync "$window" 2>/dev/null || true
# Editor cells are 15 pixels from (20, 20); the command area's controls lie
# in group boxes from (8, 475).
ecell() { echo $((20 + 15 * $1 + 7)); }
click 1 88 508                                   # "New": picture 2, 40 x 30, saved
for field in 507 531; do                         # tancho, talto := 5
  click 1 200 "$field"
  xdotool key ctrl+a && xdotool type 5
done
click 1 244 527                                  # "Change"
# Row 1 by one drag, and the middle cell of row 3 by a click.
xdotool mousemove --sync $((left + $(ecell 0))) $((top + $(ecell 0))) mousedown 1
for column in 1 2 3 4; do
  xdotool mousemove --sync $((left + $(ecell "$column"))) $((top + $(ecell 0)))
  sleep 0.05
done
xdotool mouseup 1
click 1 "$(ecell 2)" "$(ecell 2)"
expect_pixels painted "$(ecell 0),$(ecell 0)=7777dd" "$(ecell 4),$(ecell 0)=7777dd" \
  "$(ecell 2),$(ecell 2)=7777dd" "$(ecell 1),$(ecell 3)=eeeeee"
# The default colours: picture 0x00DD7777 (blue-violet), board 0x00EEEEEE.
click 1 136 508                                  # "Save"
dismiss_information 'no "Picture saved" box'
xdotool key Escape                               # close the editor: it only hides
sleep 0.5
still_running

line=$(sed -n 2p "$work/files/pictures.txt" | tr -d '\r')
[[ ${#line} == 282 ]] || fail "the library's second line is ${#line} characters long"
[[ ${line:40:2} == '--' && ${line:42:8} == '_@@@@@@@' && ${line:58:8} == 'D@@@@@@@' ]] ||
  fail "the saved picture is not the painted one: ${line:40:26}"

window=$game; left=$game_left; top=$game_top
cell_x() { echo $((130 + 14 * $1 + 7)); }
cell_y() { echo $((120 + 14 * $1 + 7)); }
play_entry 2                                     # "New Game", entry 2, "Play"
for column in 0 1 2 3 4; do click 1 "$(cell_x "$column")" "$(cell_y 0)"; done
click 1 "$(cell_x 2)" "$(cell_y 2)"
# The end screen frames every filled cell in black, where the board would show its own band.
expect_pixels solved "131,121=000000" "$((131 + 14 * 4)),121=000000" "$((131 + 14 * 2)),$((121 + 28))=000000"
still_running
note "PASS"
