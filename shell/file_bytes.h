#pragma once
// Reading a whole file into memory, or opening it to read in pieces, with the
// system's reason when it fails.

#include <QByteArray>
#include <QString>

namespace mosarin {

// Files larger than this are refused before anything is read: no image the
// program can show comes near it, and reading it would only exhaust memory.
constexpr qint64 kMaxImageFileBytes = qint64(512) * 1024 * 1024;

// The whole content of `path`. Throws MosarinError with cannotOpenMessage when
// the file cannot be opened or read (a folder included), and a size message
// for a file above kMaxImageFileBytes.
QByteArray readWholeFile(const QString& path);

// A regular file open for reading, closed when this object ends. The open
// never blocks, and it fails as readWholeFile does, with the same messages:
// folders, pipes and devices are refused, and so are files above
// kMaxImageFileBytes.
class ReadableFile {
public:
    explicit ReadableFile(const QString& path);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    int descriptor() const { return descriptor_; }

private:
    int descriptor_ = -1;
};

// A file read whole and kept open, so that its bytes can be read again later
// without being held in memory meanwhile: it stays the same file even when its
// name is removed or given to another file. Opening fails as readWholeFile
// does, with the same messages, and so does each reading.
class KeptFile {
public:
    explicit KeptFile(const QString& path);
    ~KeptFile();
    KeptFile(const KeptFile&) = delete;
    KeptFile& operator=(const KeptFile&) = delete;

    // The whole content, from the file's start.
    QByteArray readAll() const;

private:
    QString path_;
    int descriptor_ = -1;
};

}  // namespace mosarin
