#pragma once
// Decoding a JPEG stream held in memory, through libjpeg.

#include <QByteArray>
#include <QImage>

namespace mosarin {

// Images with more pixels than this are refused before their pixels are
// allocated: 256 MiB as RGB32, far above any picture the program shows.
constexpr qint64 kMaxImagePixels = qint64(64) * 1024 * 1024;

// Progressive streams may repeat scans without end, each one a full pass over
// the image; a real file needs a few dozen at most.
constexpr int kMaxJpegScans = 500;

// Decodes the whole stream at full size with the library's default
// decompression parameters into an RGB32 image (a greyscale stream gives
// grey pixels). Warnings are ignored. Throws MosarinError:
// "JPEG error #%d" with libjpeg's message code when the library gives up,
// "JPEG image too large (W x H)" above kMaxImagePixels,
// "JPEG image has too many scans" above kMaxJpegScans,
// "Not enough memory for a W x H image" when the pixels cannot be allocated.
QImage decodeJpeg(const QByteArray& bytes);

}  // namespace mosarin
