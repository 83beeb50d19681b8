#pragma once
// 24-bit pixels stored blue, green, red, three bytes a pixel, rows `stride`
// bytes apart. The views borrow someone else's rows (a QImage in
// Format_BGR888 can be passed without copying); Bgr24Image owns its own.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace mosarin {

struct Bgr {
    std::uint8_t blue = 0, green = 0, red = 0;
    friend bool operator==(const Bgr&, const Bgr&) = default;
};

// Pixels that may be written. Precondition for use: `pixels` holds `height`
// rows of at least width * 3 bytes, `stride` bytes apart.
struct Bgr24View {
    std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    bool empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
    std::uint8_t* row(int y) const { return pixels + std::ptrdiff_t(y) * stride; }
};

// Pixels that are only read.
struct Bgr24ConstView {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;

    Bgr24ConstView() = default;
    Bgr24ConstView(const std::uint8_t* pixels_, int width_, int height_, std::ptrdiff_t stride_)
        : pixels(pixels_), width(width_), height(height_), stride(stride_) {}
    Bgr24ConstView(const Bgr24View& view)  // NOLINT: writable pixels can always be read
        : Bgr24ConstView(view.pixels, view.width, view.height, view.stride) {}

    bool empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
    const std::uint8_t* row(int y) const { return pixels + std::ptrdiff_t(y) * stride; }
    // Precondition: 0 <= x < width, 0 <= y < height.
    Bgr pixel(int x, int y) const {
        const std::uint8_t* p = row(y) + std::ptrdiff_t(x) * 3;
        return {p[0], p[1], p[2]};
    }
};

// An image that owns its rows, packed without padding.
class Bgr24Image {
public:
    Bgr24Image() = default;
    // Negative sizes count as 0: an image of no pixels.
    Bgr24Image(int width, int height, Bgr fill = {})
        : width_(width > 0 && height > 0 ? width : 0), height_(width > 0 && height > 0 ? height : 0) {
        bytes_.resize(std::size_t(width_) * std::size_t(height_) * 3);
        for (std::size_t i = 0; i < bytes_.size(); i += 3) {
            bytes_[i] = fill.blue;
            bytes_[i + 1] = fill.green;
            bytes_[i + 2] = fill.red;
        }
    }

    int width() const { return width_; }
    int height() const { return height_; }
    Bgr24View view() { return {bytes_.data(), width_, height_, std::ptrdiff_t(width_) * 3}; }
    Bgr24ConstView view() const { return {bytes_.data(), width_, height_, std::ptrdiff_t(width_) * 3}; }

    // Precondition: 0 <= x < width, 0 <= y < height.
    Bgr pixel(int x, int y) const { return view().pixel(x, y); }
    void setPixel(int x, int y, Bgr colour) {
        std::uint8_t* p = view().row(y) + std::ptrdiff_t(x) * 3;
        p[0] = colour.blue;
        p[1] = colour.green;
        p[2] = colour.red;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace mosarin
