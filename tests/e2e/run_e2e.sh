#!/usr/bin/env bash
# End-to-end: the real program on a virtual X server. Starts it in a program
# folder of its own with a one-picture library, presses "New Game", chooses
# the picture, presses "Play", fills and marks a few cells with the mouse,
# then reads the screen back and checks the cells' colours.
#
#   run_e2e.sh path/to/mosarin
set -euo pipefail

exe=${1:?usage: run_e2e.sh path/to/mosarin}
source "$(dirname "$0")/lib.sh"

# One 5 x 5 picture, every cell filled, so a few presses never finish it.
write_full_5x5_library
picture_rgb=ff0000
board_rgb=ffffff

start_display
start_game

# Window-relative points of the layout.
cell_x() { echo $((130 + 14 * $1 + 7)); }
cell_y() { echo $((120 + 14 * $1 + 7)); }

play_entry 1                                     # "New Game", entry 1, "Play"

# The empty board first: nothing filled yet.
expect_pixels board "$(cell_x 0),$(cell_y 4)=$board_rgb"

click 3 "$(cell_x 1)" "$(cell_y 3)"              # right: a mark
click 1 "$(cell_x 0)" "$(cell_y 0)"              # left: filled
click 1 "$(cell_x 4)" "$(cell_y 0)"
click 1 "$(cell_x 2)" "$(cell_y 1)"              # the pointer stays here

# Filled squares and the mark's dot in the picture colour; an untouched cell
# outside the highlighted row 1 and column 2 shows the board's own colour, as
# does the corner of the marked cell around its dot.
expect_pixels played \
  "$(cell_x 0),$(cell_y 0)=$picture_rgb" \
  "$(cell_x 4),$(cell_y 0)=$picture_rgb" \
  "$(cell_x 2),$(cell_y 1)=$picture_rgb" \
  "$(cell_x 1),$(cell_y 3)=$picture_rgb" \
  "$(( $(cell_x 1) - 4 )),$(( $(cell_y 3) - 4 ))=$board_rgb" \
  "$(cell_x 4),$(cell_y 4)=$board_rgb" \
  "$(cell_x 3),$(cell_y 3)=$board_rgb"

still_running
python3 "$here/xwd_image.py" png "$work/played.xwd" "$work/played.png"
note "PASS"
