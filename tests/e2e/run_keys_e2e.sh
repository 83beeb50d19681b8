#!/usr/bin/env bash
# End-to-end: a picture played to its end screen from the keyboard alone.
# After "Save Game" the focus rests on "Help (On-Line)"; the keys must still
# reach the board (Space filling a cell, not clicking the button). A mark is
# made and taken back with Ctrl+Z on the way: left behind, it would keep the
# picture from being finished.
#
#   run_keys_e2e.sh path/to/mosarin
set -euo pipefail

exe=${1:?usage: run_keys_e2e.sh path/to/mosarin}
source "$(dirname "$0")/lib.sh"

write_full_5x5_library
start_display
start_game

play_entry 1                                     # "New Game", entry 1, "Play"
click 1 738 267                                  # "Save Game": the focus goes to "Help (On-Line)"
dismiss_information 'no "Game saved" box'
xdotool mousemove --sync 0 0                     # the pointer off the board: the keys alone play

keys() { xdotool key --delay 40 "$@"; sleep 0.1; }
keys Right                                       # the cross appears on the top-left cell
keys period                                      # a mark...
expect_pixels marked "$((130 + 8)),$((120 + 8))=ff0000" "$((130 + 3)),$((120 + 3))=cccccc"
keys ctrl+z                                      # ...taken back
# Rows from alternate ends: Space, then Shift+arrows carry the fill along.
for row in 0 1 2 3 4; do
  (( row == 0 )) || keys Down
  if (( row % 2 == 0 )); then step=shift+Right; else step=shift+Left; fi
  keys space "$step" "$step" "$step" "$step"
done

# The end screen: every filled cell in a black frame (13 x 13 from X + 1),
# where the board showed the white ring of the cell.
cell_x() { echo $((130 + 14 * $1)); }
cell_y() { echo $((120 + 14 * $1)); }
expect_pixels finished \
  "$(( $(cell_x 0) + 1 )),$(( $(cell_y 0) + 1 ))=000000" \
  "$(( $(cell_x 4) + 13 )),$(( $(cell_y 0) + 13 ))=000000" \
  "$(( $(cell_x 2) + 1 )),$(( $(cell_y 2) + 13 ))=000000" \
  "$(( $(cell_x 0) + 13 )),$(( $(cell_y 4) + 1 ))=000000" \
  "$(( $(cell_x 4) + 13 )),$(( $(cell_y 4) + 13 ))=000000"

[[ -n "$(ls "$work"/files/*.pgu 2>/dev/null)" ]] || fail "\"Save Game\" wrote no file"
still_running
note "PASS"
