#!/usr/bin/env bash
# End-to-end: F7 in the Pictures Editor of the real program, on a picture
# whose clues have two solutions, tells so and outlines the four cells of the
# top-left 2 x 2 corner that can swap, and only those.
#
#   run_check_e2e.sh path/to/mosarin
set -euo pipefail

exe=${1:?usage: run_check_e2e.sh path/to/mosarin}
source "$(dirname "$0")/lib.sh"

# One 3 x 3 picture: cells (1,1) and (2,2) filled ("P" and "H": the first
# cell of a group weighs 16), in the colours of write_full_5x5_library;
# against red, white, greys and black the outline comes out green.
{
  printf '%s' 00000255 16777215 13421772 08421504 00000000 '+' '+'
  printf 'P@@@@@@@H@@@@@@@'
  for row in $(seq 3 30); do printf '@@@@@@@@'; done
  printf '\r\n'
} > "$work/files/pictures.txt"

start_display
start_game

click 1 737 307                                  # "Edit Pictures"
find_window "Pictures Editor" 600 500
xdotool windowfocus --sync "$window" 2>/dev/null || true
ring() { echo "$((20 + 15 * $1 + 1)),$((20 + 15 * $2 + 7))"; }   # left edge of a cell's outline, 0-based
expect_pixels before "$(ring 0 0)=ffffff" "$(ring 1 1)=ffffff" "26,26=ff0000"
xdotool key F7
dismiss_information 'no answer box after F7'
expect_pixels outlined "$(ring 0 0)=00ff00" "$(ring 1 0)=00ff00" "$(ring 0 1)=00ff00" "$(ring 1 1)=00ff00" \
  "$(ring 2 0)=ffffff" "$(ring 2 2)=ffffff" "$(ring 0 2)=ffffff" "26,26=ff0000"
still_running
note "F7 outlined the four cells that can go either way"
