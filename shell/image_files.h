#pragma once
// Reading JPEG (through libjpeg) and Windows bitmap files. The format is fixed
// by the caller, never guessed from the content.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace mosarin {

// Decodes a whole JPEG file at full size with the library's default
// decompression parameters into a 24-bit colour image (RGB32).
// Throws MosarinError: "Cannot open file "%s". %s" when the file cannot be
// opened, "JPEG error #%d" with libjpeg's message code when decoding fails.
QImage loadJpegFile(const QString& path);

// Reads a Windows bitmap, the format forced to BMP, into an RGB32 image.
// Throws MosarinError: "Cannot open file "%s". %s", "Bitmap image is not
// valid", or "The bitmap image is too large: W x H pixels." above kMaxImagePixels.
QImage loadBmpFile(const QString& path);

// loadBmpFile of a file's bytes, without the "Cannot open file" error.
QImage decodeBmp(const QByteArray& bytes);

// What decodeBmp checks before it reads any pixel: the header and the size.
// Throws the same errors decodeBmp would for these; a bitmap that passes may
// still fail later in decodeBmp (pixel data cut short or damaged).
void checkBmpHeader(const QByteArray& bytes);

// Whether the path's last three characters, letters a to z upper-cased,
// are "JPG". Only they decide how a guide image is read, never its content.
bool namesJpegFile(const QString& path);

// The editor's guide image in Format_BGR888: a path named as a JPEG file is
// decoded as one (decodeJpegFileBgr888, its messages), anything else is read as
// a Windows bitmap (loadBmpFile's messages); a JPEG named .jpeg is therefore
// "Bitmap image is not valid".
QImage loadGuideImage(const QString& path);

// "Cannot open file "%s". %s" with the full absolute path and the system's
// reason with trailing spaces, line breaks and full stops removed.
QString cannotOpenMessage(const QString& path, int systemError);

}  // namespace mosarin
