#pragma once
// Remembers what the line solver made of a line's known cells, so that the
// same line state met again (during probing and search it nearly always is)
// costs a table look-up instead of a solve. A line is named by a number that
// stands for its clue (rows, then columns, of one set of clues); its cells
// are packed two bits each. Lines longer than kMaxCells are not remembered.

#include <cstdint>
#include <span>

#include "solver/line_solver.h"

namespace mosarin::solver {

class LineCache {
public:
    static constexpr int kMaxCells = 64;

    // A table of about `entries` slots (rounded up to a power of two); an
    // older entry in the same slot is overwritten.
    explicit LineCache(int entries);
    ~LineCache();
    LineCache(const LineCache&) = delete;
    LineCache& operator=(const LineCache&) = delete;

    struct Packed {
        std::uint64_t low = 0, high = 0;
        bool operator==(const Packed&) const = default;
    };
    static bool fits(std::span<const Cell> line) { return line.size() <= kMaxCells; }
    static Packed pack(std::span<const Cell> line) { return pack(line.data(), 1, static_cast<int>(line.size())); }
    // The same for `n` (<= kMaxCells) cells lying `stride` cells apart, as a
    // grid's column does; cells side by side are packed eight at a time.
    static Packed pack(const Cell* first, std::size_t stride, int n);
    static void unpack(const Packed& packed, std::span<Cell> line);
    // The cells of a packed line of up to 64 cells as bit masks: bit i set
    // when cell i is filled / empty.
    static void masksOf(const Packed& packed, std::uint64_t& filled, std::uint64_t& empty);
    // `packed` with the (unknown) cells of the two masks decided.
    static Packed withDecided(const Packed& packed, std::uint64_t filled, std::uint64_t empty);

    // The remembered outcome for `line` (given packed as `known`): true with
    // `solved` set when found; `consistent` says whether the line could be completed.
    bool find(int lineId, const Packed& known, Packed& solved, bool& consistent) const;
    void store(int lineId, const Packed& known, const Packed& solved, bool consistent);

    std::int64_t hits() const { return hits_; }
    std::int64_t misses() const { return misses_; }

    // An entry counts only when its stamp is its table's current one, so a
    // table passes from a finished cache to the next without being cleared
    // (all zero bytes, stamp 0, is empty too).
    struct Entry {
        Packed known;
        Packed solved;
        std::uint32_t stamp;
        std::uint32_t lineAndVerdict;   // the line's number * 2, + 1 when it could be completed
    };
    struct Table {
        Entry* entries = nullptr;
        std::size_t size = 0;
        std::uint32_t stamp = 0;
    };

private:
    std::size_t slotOf(int lineId, const Packed& known) const;

    Table table_;
    std::size_t mask_ = 0;
    mutable std::int64_t hits_ = 0, misses_ = 0;
};

}  // namespace mosarin::solver
