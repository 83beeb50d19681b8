#!/usr/bin/env bash
# The build lays files/ and images/ beside the executable, but a library the
# user already has there must survive every rebuild.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

lay() { cmake -DSOURCE_DIR="$source_dir" -DDEST_DIR="$dest" -P "$source_dir/scripts/lay-data.cmake"; }

lay
cmp "$source_dir/files/pictures.txt" "$dest/files/pictures.txt"
for image in back.jpg init.jpg end2.jpg end1.bmp; do cmp "$source_dir/images/$image" "$dest/images/$image"; done
test -f "$dest/help.html"

printf 'the user library\r\n' > "$dest/files/pictures.txt"
lay
if [ "$(cat "$dest/files/pictures.txt")" != $'the user library\r' ]; then
  echo "FAIL: the user's pictures.txt was overwritten" >&2
  exit 1
fi
echo "lay-data: PASS"
