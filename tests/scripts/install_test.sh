#!/usr/bin/env bash
# `cmake --install` into a fresh prefix (with a space and a $ in its path):
# a program folder with everything beside the executable, a launcher on the
# PATH that starts it from anywhere, a valid desktop entry and the icons at
# their sizes. Installing again over it keeps the user's library and saved
# games byte for byte.
#
#   install_test.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "${1:?usage: install_test.sh BUILD_DIR}" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

# The end-to-end harness gives the virtual X server and the window checks;
# its own copy of the program is not used here.
exe="$build_dir/mosarin"
source "$source_dir/tests/e2e/lib.sh"

prefix="$work/my \$prefix"
folder="$prefix/lib/mosarin"
unset DESTDIR
install_into_prefix() { cmake --install "$build_dir" --prefix "$prefix" > "$work/install.log" || fail "install: $(cat "$work/install.log")"; }

# png_size FILE: "WIDTHxHEIGHT" from the PNG header.
png_size() {
  [[ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]] || fail "$1 is not a PNG"
  local w h
  w=$(od -An -tu1 -j16 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  h=$(od -An -tu1 -j20 -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}')
  echo "${w}x${h}"
}

install_into_prefix

[[ -x "$folder/mosarin" ]] || fail "no executable in $folder"
cmp "$source_dir/files/pictures.txt" "$folder/files/pictures.txt"
cmp "$source_dir/docs/help.html" "$folder/help.html"
for image in back.jpg end2.jpg end1.bmp init.jpg; do cmp "$source_dir/images/$image" "$folder/images/$image"; done
[[ -L "$prefix/bin/mosarin" && "$(readlink -f "$prefix/bin/mosarin")" == "$(readlink -f "$folder/mosarin")" ]] ||
  fail "bin/mosarin does not lead to $folder/mosarin"

entry="$prefix/share/applications/mosarin.desktop"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
expected_exec="Exec=\"$work/my \\\\\$prefix/bin/mosarin\""
[[ "$(grep '^Exec=' "$entry")" == "$expected_exec" ]] || fail "$(grep '^Exec=' "$entry") is not $expected_exec"
grep -qx 'Icon=mosarin' "$entry" || fail "the entry names no icon"

icons="$prefix/share/icons/hicolor"
[[ "$(png_size "$icons/256x256/apps/mosarin.png")" == 256x256 ]] || fail "the 256 icon is $(png_size "$icons/256x256/apps/mosarin.png")"
[[ "$(png_size "$icons/48x48/apps/mosarin.png")" == 48x48 ]] || fail "the 48 icon is $(png_size "$icons/48x48/apps/mosarin.png")"
grep -q '<svg' "$icons/scalable/apps/mosarin.svg" || fail "the scalable icon is no SVG"

# Started through the launcher from another folder, the program finds its
# images and library beside the real executable: the first window it shows
# is the game window itself, not an error box.
start_display
( cd / && PATH="$prefix/bin:$PATH" QT_QPA_PLATFORM=xcb exec mosarin ) > "$work/mosarin.log" 2>&1 &
game_pid=$!
find_window Mosarin 780 555
sleep 1
still_running
stop "$game_pid" || true   # its status is the signal's: not a failure
game_pid=""

# The user's own pictures and a saved game, then an install over them.
printf 'the user library\r\n' > "$folder/files/pictures.txt"
printf 'a saved game\r\n' > "$folder/files/Pic0001Date0101Time0101.pgu"
install_into_prefix
[[ "$(cat "$folder/files/pictures.txt")" == $'the user library\r' ]] || fail "the user's pictures.txt was overwritten"
[[ "$(cat "$folder/files/Pic0001Date0101Time0101.pgu")" == $'a saved game\r' ]] || fail "the saved game was touched"
grep -q "Keeping: $folder/files/pictures.txt" "$work/install.log" || fail "the install did not say it kept the library"
[[ -L "$prefix/bin/mosarin" && -x "$folder/mosarin" ]] || fail "the second install lost the program"
note "install: PASS"
