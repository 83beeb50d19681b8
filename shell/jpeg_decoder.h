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

// The decoding work a stream may ask for, in visits of its 8 x 8 blocks by
// its scans, per block of the image: a tiny file must not cost more than a
// real photograph of its size. Encoders visit each block a handful of times
// (libjpeg's progressive scripts 4.3 to 6 times on average, Photoshop's at
// most 5, mozjpeg's optimised scripts about 6); a crafted stream of 2 KB can
// ask for a hundred, each costing as much as a real scan of the image.
constexpr int kMaxJpegBlockVisits = 10;

// A greyscale stream is decoded to this many grey levels at most, chosen and
// dithered by the library's own colour quantiser.
constexpr int kJpegGreyLevels = 236;

// Decodes the whole stream at full size with the library's default
// decompression parameters into an RGB32 image. A greyscale stream gives
// grey pixels of at most kJpegGreyLevels levels. Warnings are ignored.
// Throws MosarinError:
// "JPEG error #%d" with libjpeg's message code when the library gives up,
// "The JPEG image is too large: W x H pixels." above kMaxImagePixels,
// "JPEG image has too many scans" above kMaxJpegScans scans or
// kMaxJpegBlockVisits visits per block, found from the stream's markers
// before anything is decoded (or, for a stream whose markers cannot be
// followed, as the scan that passes either limit begins),
// "Not enough memory for a W x H image" when the pixels cannot be allocated.
QImage decodeJpeg(const QByteArray& bytes);

// What decodeJpeg checks before it decodes any pixel: the scans' work
// surveyed from the markers, the header up to the first scan, the image's
// size. Throws the same errors decodeJpeg would for these; a stream that
// passes may still fail later in decodeJpeg (a fault in its scans).
void checkJpegHeader(const QByteArray& bytes);

// The same pixels as decodeJpeg, of a file, in Format_BGR888: the library
// writes them straight into the image's rows, without a conversion pass, and
// the file is read in pieces as it is decoded, so neither the whole file nor
// a second copy of the pixels is ever held. Also throws
// "Cannot open file "%s". %s" when the file cannot be opened or read, and
// refuses what readWholeFile refuses.
QImage decodeJpegFileBgr888(const QString& path);

}  // namespace mosarin
