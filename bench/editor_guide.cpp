// The guide image: scaling a photograph to the largest board, and "Show" of a
// 12-megapixel JPEG end to end against libjpeg-turbo's own djpeg.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStandardPaths>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "editor/guide_bitmap.h"
#include "editor/guide_image.h"
#include "shell/image_files.h"

extern char** environ;

namespace {

constexpr int kPhotoWidth = 4000, kPhotoHeight = 3000;
constexpr int kBoardWidth = 600, kBoardHeight = 450;

// Smooth shading with fine detail, so the JPEG codes like a photograph rather
// than a flat test card.
QImage photoLike() {
    QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    for (int y = 0; y < kPhotoHeight; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kPhotoWidth; ++x) {
            const int detail = ((x * 7) ^ (y * 13)) & 31;
            row[x] = qRgb((x / 16 + detail) & 255, (y / 12 + detail) & 255, ((x + y) / 28 + detail) & 255);
        }
    }
    return image;
}

// The fixture file, written once per run and removed at exit.
class PhotoFile {
public:
    PhotoFile() {
        path_ = QDir::temp().filePath(QStringLiteral("mosarin_bench_guide_%1.jpg").arg(::getpid()));
        written_ = photoLike().save(path_, "JPG", 90);
    }
    ~PhotoFile() { QFile::remove(path_); }
    const QString& path() const { return path_; }
    bool written() const { return written_; }

private:
    QString path_;
    bool written_ = false;
};

const PhotoFile& photoFile() {
    static const PhotoFile file;
    return file;
}

void BM_ResizeImage4000x3000To600x450(benchmark::State& state) {
    const QImage source = photoLike().convertToFormat(QImage::Format_BGR888);
    QImage target(kBoardWidth, kBoardHeight, QImage::Format_BGR888);
    const mosarin::Bgr24ConstView from = mosarin::bgr24View(source);
    const mosarin::Bgr24View to = mosarin::writableBgr24View(target);
    for (auto _ : state) {
        mosarin::ResizeImage(from, to);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ResizeImage4000x3000To600x450)->Unit(benchmark::kMicrosecond);

// What "Show" does after the dialog: read the file, decode it to BGR, scale it.
void BM_ShowGuideImage12Mpx(benchmark::State& state) {
    const QString path = photoFile().path();
    if (!photoFile().written()) {
        state.SkipWithError("cannot write the JPEG fixture");
        return;
    }
    for (auto _ : state) {
        QImage source = mosarin::loadGuideImage(path), scaled;
        mosarin::scaleGuideImage(source, scaled, kBoardWidth, kBoardHeight);
        benchmark::DoNotOptimize(scaled.constBits());
    }
}
BENCHMARK(BM_ShowGuideImage12Mpx)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reference: libjpeg-turbo's djpeg decoding the same file, process start included.
void BM_DjpegSameFile(benchmark::State& state) {
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty()) {
        state.SkipWithError("djpeg is not installed (Debian package libjpeg-turbo-progs)");
        return;
    }
    if (!photoFile().written()) {
        state.SkipWithError("cannot write the JPEG fixture");
        return;
    }
    const std::string program = djpeg.toStdString(), file = photoFile().path().toStdString();
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("-outfile"),
                    const_cast<char*>("/dev/null"), const_cast<char*>(file.c_str()), nullptr};
    double childCpuSeconds = 0;
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        rusage usage{};
        if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ) != 0 ||
            wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("djpeg failed");
            return;
        }
        childCpuSeconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    // The CPU column shows only this process's share; djpeg's own is here.
    state.counters["djpeg_cpu_ms"] = benchmark::Counter(childCpuSeconds * 1e3 / double(state.iterations()));
}
BENCHMARK(BM_DjpegSameFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
