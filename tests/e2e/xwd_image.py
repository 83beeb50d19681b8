#!/usr/bin/env python3
"""Reads the screenshots `xwd -root` writes, with the standard library only.

    xwd_image.py check SHOT.xwd X,Y=RRGGBB ...   exits 1 naming every pixel that differs
    xwd_image.py png SHOT.xwd OUT.png            converts the screenshot for viewing
"""
import struct
import sys
import zlib

HEADER_FIELDS = 25  # CARD32 fields of an XWD version 7 header


class XwdImage:
    def __init__(self, data):
        fields = struct.unpack(">%dI" % HEADER_FIELDS, data[: 4 * HEADER_FIELDS])
        (header_size, version, pixmap_format, _depth, self.width, self.height, _xoffset, byte_order,
         _bitmap_unit, _bit_order, _bitmap_pad, self.bits_per_pixel, self.bytes_per_line, _visual_class,
         red_mask, green_mask, blue_mask, _bits_per_rgb, _colormap_entries, ncolors) = fields[:20]
        if version != 7 or pixmap_format != 2:
            raise ValueError("not a ZPixmap XWD version 7 file")
        if self.bits_per_pixel not in (24, 32):
            raise ValueError("unsupported %d bits per pixel" % self.bits_per_pixel)
        self.masks = (red_mask, green_mask, blue_mask)
        self.little_endian = byte_order == 0
        self.pixels_at = header_size + 12 * ncolors
        self.data = data
        needed = self.pixels_at + self.bytes_per_line * self.height
        if len(data) < needed:
            raise ValueError("truncated XWD file: %d of %d bytes" % (len(data), needed))

    def rgb(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise ValueError("pixel (%d, %d) outside the %dx%d screen" % (x, y, self.width, self.height))
        size = self.bits_per_pixel // 8
        at = self.pixels_at + y * self.bytes_per_line + x * size
        value = int.from_bytes(self.data[at: at + size], "little" if self.little_endian else "big")
        return tuple(channel(value, mask) for mask in self.masks)


def channel(value, mask):
    shift = (mask & -mask).bit_length() - 1
    return ((value & mask) >> shift) & 0xFF


def read(path):
    with open(path, "rb") as f:
        return XwdImage(f.read())


def check(image, expectations):
    failures = []
    for item in expectations:
        place, colour = item.split("=")
        x, y = (int(v) for v in place.split(","))
        wanted = tuple(int(colour[i: i + 2], 16) for i in (0, 2, 4))
        actual = image.rgb(x, y)
        if actual != wanted:
            failures.append("pixel (%d, %d) is #%02x%02x%02x, expected #%s" % (x, y, *actual, colour))
    for failure in failures:
        print(failure, file=sys.stderr)
    return not failures


def write_png(image, path):
    rows = bytearray()
    for y in range(image.height):
        rows.append(0)  # no filter
        for x in range(image.width):
            rows.extend(image.rgb(x, y))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows)))
                + chunk(b"IEND", b""))


def main(argv):
    if len(argv) >= 3 and argv[1] == "check":
        return 0 if check(read(argv[2]), argv[3:]) else 1
    if len(argv) == 4 and argv[1] == "png":
        write_png(read(argv[2]), argv[3])
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
