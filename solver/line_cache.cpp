#include "solver/line_cache.h"

namespace mosarin::solver {

LineCache::LineCache(int entries) {
    std::size_t size = 1;
    while (size < static_cast<std::size_t>(entries)) size <<= 1;
    entries_.resize(size);
    mask_ = size - 1;
}

LineCache::Packed LineCache::pack(std::span<const Cell> line) {
    Packed packed;
    const std::size_t n = line.size();
    for (std::size_t i = 0; i < n && i < 32; ++i) packed.low |= static_cast<std::uint64_t>(line[i]) << (2 * i);
    for (std::size_t i = 32; i < n; ++i) packed.high |= static_cast<std::uint64_t>(line[i]) << (2 * (i - 32));
    return packed;
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
    const Entry& entry = entries_[slotOf(lineId, known)];
    if (entry.lineId != lineId || !(entry.known == known)) {
        ++misses_;
        return false;
    }
    ++hits_;
    solved = entry.solved;
    consistent = entry.consistent;
    return true;
}

void LineCache::store(int lineId, const Packed& known, const Packed& solved, bool consistent) {
    Entry& entry = entries_[slotOf(lineId, known)];
    entry.known = known;
    entry.solved = solved;
    entry.lineId = lineId;
    entry.consistent = consistent;
}

}  // namespace mosarin::solver
