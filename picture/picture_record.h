#pragma once
// One picture, a window's table of pictures, and the cell grid a window
// works on. Plain value types: no Qt, no I/O.

#include <array>
#include <cstdint>
#include <string>

namespace mosarin {

constexpr int kMaxWidth = 40;        // columns of the largest picture
constexpr int kMaxHeight = 30;       // rows of the largest picture
constexpr int kGridSize = 51;        // a cell grid is indexed 0..50 in both directions
constexpr int kMaxPictures = 1000;   // slots 1..1000 can hold pictures; slot 0 never does
constexpr int kColorSlots = 5;

// 0x00BBGGRR: low byte red. A top byte of 0xFF names a system colour.
using Color = std::uint32_t;
constexpr Color kButtonFaceColor = 0xFF00000Fu;

// The five colours of a picture, always in this order, in memory and in files.
enum ColorSlot : int { colorPicture = 0, colorBack1, colorBack2, colorLine1, colorLine2 };
using ColorSet = std::array<Color, kColorSlots>;

struct TPictureRecord {
    std::string packedRows;            // 240 characters; empty in a slot that never held a picture
    std::int32_t width = kMaxWidth;    // 1..40
    std::int32_t height = kMaxHeight;  // 1..30
    ColorSet colors{};                 // indexed by ColorSlot
};

struct TPictureLibrary {
    // Slots 0..1000; slots 1..count hold the pictures in file order. Slots
    // above count keep whatever they last held and are never written.
    std::array<TPictureRecord, kMaxPictures + 1> slots{};
    int count = 0;

    // Sets every slot to its initial state (empty text, 40 x 30, colours 0) and count to 0.
    void clear();
    // True when 1 <= number <= count.
    bool holds(int number) const { return number >= 1 && number <= count; }
};

// 51 x 51 grid indexed [column][row]; pictures use columns 1..40 and rows 1..30.
struct CellGrid {
    std::array<std::array<std::int32_t, kGridSize>, kGridSize> cells{};

    std::int32_t& at(int column, int row) { return cells[column][row]; }
    std::int32_t at(int column, int row) const { return cells[column][row]; }
    // Clears columns 1..50 of rows 1..50 (index 0 is never used).
    void clear();
};

}  // namespace mosarin
