#include "solver/line_cache.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <mutex>
#include <new>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/mman.h>
#define MOSARIN_ANONYMOUS_PAGES 1
#endif

namespace mosarin::solver {

namespace {

// A table is megabytes for a large picture. Cleared up front, or mapped
// fresh and given back to the system at the end, it would cost a
// millisecond or more at the start and end of every solve: time in which a
// cancel cannot be seen, and the bulk of a small picture's check. So the
// tables of finished caches are kept for the next cache of the same size,
// and a new table comes as zeroed pages that the system maps one by one as
// the solve first touches them.
constexpr std::size_t kSpareTables = 4;
std::mutex spareMutex;
std::vector<LineCache::Table> spareTables;

LineCache::Table newTable(std::size_t size) {
    const std::size_t bytes = size * sizeof(LineCache::Entry);
#ifdef MOSARIN_ANONYMOUS_PAGES
    void* entries = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (entries == MAP_FAILED) entries = nullptr;
#else
    void* entries = std::calloc(1, bytes);
#endif
    if (!entries) throw std::bad_alloc();
    return {static_cast<LineCache::Entry*>(entries), size, 0};
}

void releaseTable(const LineCache::Table& table) {
#ifdef MOSARIN_ANONYMOUS_PAGES
    munmap(table.entries, table.size * sizeof(LineCache::Entry));
#else
    std::free(table.entries);
#endif
}

LineCache::Table takeTable(std::size_t size) {
    {
        const std::lock_guard lock(spareMutex);
        for (auto spare = spareTables.begin(); spare != spareTables.end(); ++spare) {
            if (spare->size != size) continue;
            const LineCache::Table table = *spare;
            spareTables.erase(spare);
            return table;
        }
    }
    return newTable(size);
}

void giveBackTable(const LineCache::Table& table) {
    {
        const std::lock_guard lock(spareMutex);
        if (spareTables.size() < kSpareTables) {
            spareTables.push_back(table);
            return;
        }
    }
    releaseTable(table);
}

}  // namespace

LineCache::LineCache(int entries) {
    std::size_t size = 1;
    while (size < static_cast<std::size_t>(entries)) size <<= 1;
    table_ = takeTable(size);
    // A new stamp makes every entry of the table's earlier owners stale. On
    // the rare wrap-around the table is cleared, so no stamp is ever reused
    // over live entries.
    if (table_.stamp == std::numeric_limits<std::uint32_t>::max()) {
        std::memset(static_cast<void*>(table_.entries), 0, size * sizeof(Entry));
        table_.stamp = 0;
    }
    ++table_.stamp;
    mask_ = size - 1;
}

LineCache::~LineCache() { giveBackTable(table_); }

LineCache::Packed LineCache::pack(const Cell* first, std::size_t stride, int n) {
    Packed packed;
    // Eight cells side by side are read as one word: one byte a cell.
    static_assert(sizeof(Cell) == 1);
    int i = 0;
    if (stride == 1 && std::endian::native == std::endian::little) {
        for (; i + 8 <= n; i += 8) {
            // Eight one-byte cells (values 0 - 2) folded into sixteen bits:
            // pairs of bytes, then quarters, then halves of the word.
            std::uint64_t x;
            std::memcpy(&x, first + i, 8);
            x = (x | x >> 6) & 0x000F000F000F000Full;
            x = (x | x >> 12) & 0x000000FF000000FFull;
            x = (x | x >> 24) & 0xFFFFull;
            (i < 32 ? packed.low : packed.high) |= x << (2 * (i % 32));
        }
    }
    for (; i < n; ++i) {
        const auto cell = static_cast<std::uint64_t>(first[i * stride]);
        (i < 32 ? packed.low : packed.high) |= cell << (2 * (i % 32));
    }
    return packed;
}

namespace {

// Bits 0, 2, 4, ... 62 of `x` as bits 0 .. 31.
std::uint64_t evenBits(std::uint64_t x) {
    x &= 0x5555555555555555ull;
    x = (x | x >> 1) & 0x3333333333333333ull;
    x = (x | x >> 2) & 0x0F0F0F0F0F0F0F0Full;
    x = (x | x >> 4) & 0x00FF00FF00FF00FFull;
    x = (x | x >> 8) & 0x0000FFFF0000FFFFull;
    return (x | x >> 16) & 0x00000000FFFFFFFFull;
}

// Bits 0 .. 31 of `x` as bits 0, 2, 4, ... 62.
std::uint64_t toEvenBits(std::uint64_t x) {
    x &= 0x00000000FFFFFFFFull;
    x = (x | x << 16) & 0x0000FFFF0000FFFFull;
    x = (x | x << 8) & 0x00FF00FF00FF00FFull;
    x = (x | x << 4) & 0x0F0F0F0F0F0F0F0Full;
    x = (x | x << 2) & 0x3333333333333333ull;
    return (x | x << 1) & 0x5555555555555555ull;
}

}  // namespace

// A cell's two bits are 1 when it is empty, 2 when filled (Cell's values).
static_assert(static_cast<int>(Cell::Empty) == 1 && static_cast<int>(Cell::Filled) == 2);

void LineCache::masksOf(const Packed& packed, std::uint64_t& filled, std::uint64_t& empty) {
    empty = evenBits(packed.low) | evenBits(packed.high) << 32;
    filled = evenBits(packed.low >> 1) | evenBits(packed.high >> 1) << 32;
}

LineCache::Packed LineCache::withDecided(const Packed& packed, std::uint64_t filled, std::uint64_t empty) {
    Packed result = packed;
    result.low |= toEvenBits(empty) | toEvenBits(filled) << 1;
    result.high |= toEvenBits(empty >> 32) | toEvenBits(filled >> 32) << 1;
    return result;
}

void LineCache::unpack(const Packed& packed, std::span<Cell> line) {
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n && i < 32; ++i) line[i] = static_cast<Cell>((packed.low >> (2 * i)) & 3);
    for (std::size_t i = 32; i < n; ++i) line[i] = static_cast<Cell>((packed.high >> (2 * (i - 32))) & 3);
}

std::size_t LineCache::slotOf(int lineId, const Packed& known) const {
    // Multiply-and-fold mixing: cheap, and spreads the packed cells over the slot bits.
    std::uint64_t h = known.low * 0x9E3779B97F4A7C15ull;
    h ^= (known.high + static_cast<std::uint64_t>(lineId) * 0xC2B2AE3D27D4EB4Full) * 0x165667B19E3779F9ull;
    h ^= h >> 29;
    return static_cast<std::size_t>(h) & mask_;
}

bool LineCache::find(int lineId, const Packed& known, Packed& solved, bool& consistent) const {
    const Entry& entry = table_.entries[slotOf(lineId, known)];
    if (entry.stamp != table_.stamp || entry.lineAndVerdict >> 1 != static_cast<std::uint32_t>(lineId) ||
        !(entry.known == known)) {
        ++misses_;
        return false;
    }
    ++hits_;
    solved = entry.solved;
    consistent = entry.lineAndVerdict & 1;
    return true;
}

void LineCache::store(int lineId, const Packed& known, const Packed& solved, bool consistent) {
    Entry& entry = table_.entries[slotOf(lineId, known)];
    entry.known = known;
    entry.solved = solved;
    entry.stamp = table_.stamp;
    entry.lineAndVerdict = static_cast<std::uint32_t>(lineId) << 1 | (consistent ? 1u : 0u);
}

}  // namespace mosarin::solver
