// ResizeImage with any source and target size, the source pixels taken from
// the input. Rows are exactly width * 3 bytes in buffers of exactly their
// size, so any read or write past a row's end is caught.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "editor/guide_image.h"

namespace {

std::uint16_t take16(const std::uint8_t*& data, std::size_t& size) {
    std::uint16_t value = 0;
    for (int i = 0; i < 2 && size > 0; ++i, ++data, --size) value = std::uint16_t(value << 8 | *data);
    return value;
}

constexpr std::size_t kMaxPixels = std::size_t(1) << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int sw = take16(data, size), sh = take16(data, size);
    const int tw = take16(data, size), th = take16(data, size);
    if (std::size_t(sw) * sh > kMaxPixels || std::size_t(tw) * th > kMaxPixels) return 0;

    std::vector<std::uint8_t> source(std::size_t(sw) * sh * 3);
    for (std::size_t i = 0; i < source.size() && size > 0; ++i) source[i] = data[i % size];
    std::vector<std::uint8_t> target(std::size_t(tw) * th * 3, 0xA5);

    const mosarin::Bgr24ConstView from(source.empty() ? nullptr : source.data(), sw, sh, std::ptrdiff_t(sw) * 3);
    const mosarin::Bgr24View to{target.empty() ? nullptr : target.data(), tw, th, std::ptrdiff_t(tw) * 3};
    const bool scaled = mosarin::ResizeImage(from, to);
    if (scaled != (!from.empty() && !to.empty())) std::abort();
    if (!scaled) {
        for (std::uint8_t byte : target)
            if (byte != 0xA5) std::abort();
        return 0;
    }
    // The first pixel samples the source's first pixel exactly; a source of
    // the target's size is copied unchanged.
    if (std::memcmp(target.data(), source.data(), 3) != 0) std::abort();
    if (sw == tw && sh == th && target != source) std::abort();
    return 0;
}
