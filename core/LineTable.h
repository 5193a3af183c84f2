// The comparison's table of lines.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orl {

// Open addressing over (where the line is, hash, count): no allocation per line. Its storage is
// kept from one pair of files to the next. A period file is read whole in one read of at most
// 2 GB, so where its lines are, and how many times one stands, fit in 32 bits.
class LineTable {
public:
    struct Slot {
        uint32_t at = kEmpty;  // where the slot's line is, as its user counts
        uint32_t hash = 0;
        uint32_t count = 0;
    };
    static constexpr uint32_t kEmpty = UINT32_MAX;

    // Empties the table for at most `lines` different lines, at most half full.
    void Reset(size_t lines) {
        capacity_ = 2 * lines + 1;
        if (capacity_ > slots_.size()) {
            std::vector<Slot>().swap(slots_);  // the old storage goes before the new one comes
            slots_.resize(capacity_);
        }
        std::fill(slots_.begin(), slots_.begin() + static_cast<std::ptrdiff_t>(capacity_), Slot());
    }
    // The slot of the line with this hash that `same` accepts, or the empty slot where it belongs.
    template <class Same>
    Slot& Find(uint32_t hash, Same same) {
        for (size_t i = static_cast<size_t>((uint64_t(hash) * capacity_) >> 32);; i = i + 1 == capacity_ ? 0 : i + 1) {
            Slot& slot = slots_[i];
            if (slot.at == kEmpty || (slot.hash == hash && same(slot.at))) return slot;
        }
    }
    // Pairs a line with one of the slot's, while one is left.
    static bool Take(Slot& slot) {
        if (slot.count == 0) return false;
        --slot.count;
        return true;
    }
    template <class Visit>
    void ForEachCounted(Visit visit) const {
        for (size_t i = 0; i < capacity_; ++i) {
            if (slots_[i].count != 0) visit(slots_[i]);
        }
    }

private:
    std::vector<Slot> slots_;
    size_t capacity_ = 0;
};

}  // namespace orl
