#!/usr/bin/env bash
# Writes the seed corpora in fuzz/corpus/: small valid inputs made from the
# shipped library and by our own tools (cjpeg from libjpeg-turbo-progs for
# JPEG, a few lines of Python for the rest). Run once; the seeds are kept in
# the repository.
set -euo pipefail
cd "$(dirname "$0")"
c=corpus
mkdir -p $c/library_reader $c/exchange_import $c/saved_game $c/number_field $c/jpeg_image $c/bmp_image $c/resize_image
lib=../files/pictures.txt

head -n 3 "$lib" > $c/library_reader/three_pictures.txt
head -n 2 "$lib" | tr -d '\r' > $c/library_reader/lf_only.txt
{ head -n 1 "$lib" | cut -c 1-100; printf '\032'; } > $c/library_reader/short_line_ctrl_z.txt
sed -n 5p "$lib" > $c/exchange_import/one_picture.gpe
sed -n 6,7p "$lib" | tr -d '\n' > $c/exchange_import/two_pictures_cr.gpe
printf '' > $c/exchange_import/empty.gpe

python3 - <<'PY'
import struct, random
random.seed(12)
c = 'corpus'
cells = ''.join(random.choice('012') for _ in range(1200))
open(f'{c}/saved_game/pic0004.pgu', 'wb').write(('0004' + cells + '\r\n').encode())
open(f'{c}/saved_game/short.pgu', 'wb').write(b'0012' + b'0120' * 50 + b'\n')
for name, text in [('decimal', '123'), ('negative', ' -45'), ('hex_dollar', '$FF00000F'),
                   ('hex_0x', '0x1f'), ('trailing', '+7x9'), ('overflow', '99999999999')]:
    open(f'{c}/number_field/{name}', 'w').write(text)

def bmp24(w, h):
    stride = (w * 3 + 3) & ~3
    rows = b''.join(bytes((x * 40 + y) & 255 for x in range(w * 3)) + b'\0' * (stride - w * 3) for y in range(h))
    header = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b'BM' + struct.pack('<IHHI', 14 + 40 + len(rows), 0, 0, 54) + header + rows

def bmp8(w, h):
    stride = (w + 3) & ~3
    palette = b''.join(bytes((i, 255 - i, i // 2, 0)) for i in range(256))
    rows = b''.join(bytes((x * 7 + y) & 255 for x in range(w)) + b'\0' * (stride - w) for y in range(h))
    header = struct.pack('<IiiHHIIiiII', 40, w, -h, 1, 8, 0, len(rows), 0, 0, 256, 0)
    off = 14 + 40 + len(palette)
    return b'BM' + struct.pack('<IHHI', off + len(rows), 0, 0, off) + header + palette + rows

open(f'{c}/bmp_image/rgb24_5x3.bmp', 'wb').write(bmp24(5, 3))
open(f'{c}/bmp_image/palette8_top_down_6x4.bmp', 'wb').write(bmp8(6, 4))

def ppm(w, h, grey=False):
    if grey:
        return f'P5 {w} {h} 255\n'.encode() + bytes((x * 9 + y * 5) & 255 for y in range(h) for x in range(w))
    return f'P6 {w} {h} 255\n'.encode() + bytes(v for y in range(h) for x in range(w)
                                                 for v in ((x * 9) & 255, (y * 11) & 255, (x * y) & 255))
open('/tmp/mosarin_seed.ppm', 'wb').write(ppm(24, 17))
open('/tmp/mosarin_seed.pgm', 'wb').write(ppm(19, 9, True))

for name, sizes in [('same_size', (3, 2, 3, 2)), ('shrink', (9, 7, 2, 3)), ('enlarge', (2, 2, 40, 30)),
                    ('one_column', (1, 50, 40, 1)), ('empty_target', (4, 4, 0, 5))]:
    open(f'{c}/resize_image/{name}', 'wb').write(struct.pack('>4H', *sizes) + bytes(range(7, 250, 3)))
PY

j=$c/jpeg_image
cjpeg -quality 80 /tmp/mosarin_seed.ppm > $j/baseline_420.jpg
cjpeg -quality 90 -progressive /tmp/mosarin_seed.ppm > $j/progressive.jpg
cjpeg -sample 1x1 -restart 1 /tmp/mosarin_seed.ppm > $j/restart_444.jpg
cjpeg -arithmetic /tmp/mosarin_seed.ppm > $j/arithmetic.jpg
cjpeg -grayscale -progressive /tmp/mosarin_seed.pgm > $j/grey_progressive.jpg
cjpeg -optimize /tmp/mosarin_seed.pgm > $j/grey_optimized.jpg
# Streams libjpeg decodes that a marker reader can fall out of step with:
# FF 00 before every scan header (garbage between segments, skipped), and a
# reserved code FF 05 with two bytes after it just before a restart marker
# (discarded while libjpeg looks for the restart).
python3 - "$j" <<'PY'
import sys
j = sys.argv[1]
progressive = open(f'{j}/progressive.jpg', 'rb').read()
open(f'{j}/fill_ff00_between_segments.jpg', 'wb').write(progressive.replace(b'\xff\xda', b'\xff\x00\xff\xda'))
restart = open(f'{j}/restart_444.jpg', 'rb').read()
at = restart.index(b'\xff\xd1')
open(f'{j}/reserved_marker_in_scan.jpg', 'wb').write(restart[:at] + b'\xff\x05\x00\x02' + restart[at:])
PY
rm -f /tmp/mosarin_seed.ppm /tmp/mosarin_seed.pgm
