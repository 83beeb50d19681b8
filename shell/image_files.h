#pragma once
// Reading JPEG (through libjpeg) and Windows bitmap files. The format is fixed
// by the caller, never guessed from the content.

#include <QImage>
#include <QString>

namespace mosarin {

// Decodes a whole JPEG file at full size with the library's default
// decompression parameters into a 24-bit colour image (RGB32).
// Throws MosarinError: "Cannot open file "%s". %s" when the file cannot be
// opened, "JPEG error #%d" with libjpeg's message code when decoding fails.
QImage loadJpegFile(const QString& path);

// Reads a Windows bitmap, the format forced to BMP.
// Throws MosarinError: "Cannot open file "%s". %s", or "Bitmap image is not valid".
QImage loadBmpFile(const QString& path);

// "Cannot open file "%s". %s" with the full absolute path and the system's
// reason with trailing spaces, line breaks and full stops removed.
QString cannotOpenMessage(const QString& path, int systemError);

}  // namespace mosarin
