#include "shell/large_image.h"

#include <sys/mman.h>

#include <cstdint>

namespace mosarin {

namespace {

constexpr std::size_t kHugePage = std::size_t(2) * 1024 * 1024;
// Below this the ordinary allocation is as quick.
constexpr std::size_t kLargeImageBytes = 2 * kHugePage;

struct Mapping {
    void* base = nullptr;
    std::size_t length = 0;
};

void unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    ::munmap(mapping->base, mapping->length);
    delete mapping;
}

}  // namespace

QImage newLargeImage(int width, int height, QImage::Format format) {
    if (width <= 0 || height <= 0) return QImage();
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    // Rows aligned to 4 bytes, as QImage lays out its own.
    const std::size_t bytesPerLine = ((std::size_t(width) * std::size_t(depth) + 31) / 32) * 4;
    const std::size_t bytes = bytesPerLine * std::size_t(height);
#ifdef MADV_HUGEPAGE
    if (bytes >= kLargeImageBytes && bytesPerLine <= std::size_t(INT32_MAX)) {
        // One huge page more than needed, so that the pixels can start on a
        // huge-page boundary and every 2 MiB of them fill one large page.
        const std::size_t length = bytes + kHugePage;
        void* base = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base != MAP_FAILED) {
            const auto start = (reinterpret_cast<std::uintptr_t>(base) + kHugePage - 1) & ~(kHugePage - 1);
            ::madvise(reinterpret_cast<void*>(start), bytes, MADV_HUGEPAGE);  // advice only: failure is harmless
            auto* mapping = new Mapping{base, length};
            QImage image(reinterpret_cast<uchar*>(start), width, height, qsizetype(bytesPerLine), format, unmap,
                         mapping);
            if (!image.isNull()) return image;
            unmap(mapping);
        }
    }
#endif
    return QImage(width, height, format);
}

}  // namespace mosarin
