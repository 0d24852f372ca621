#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarn::rules {

// A map from 64-bit keys that are hashes already to small values, in one open-addressing
// array with linear probing: the engine's token counts and the lessons live in it, hundreds of
// thousands of tokens made in one allocation rather than one node each; a lookup reads one or
// two slots and allocates nothing. At most half full. The
// key 0 marks a free slot, so a value under the key 0 is kept beside the array.
template <class Value>
class KeyMap {
public:
    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }
    std::size_t memory_bytes() const noexcept { return slots_.capacity() * sizeof(Slot); }

    // Room for this many keys in all without growing.
    void reserve(std::size_t keys) {
        if (2 * keys > slots_.size()) Rehash(keys);
    }

    const Value* find(std::uint64_t key) const noexcept {
        if (key == 0) return has_zero_ ? &zero_value_ : nullptr;
        if (slots_.empty()) return nullptr;
        for (std::size_t slot = key & Mask();; slot = (slot + 1) & Mask()) {
            if (slots_[slot].key == key) return &slots_[slot].value;
            if (slots_[slot].key == 0) return nullptr;
        }
    }
    Value* find(std::uint64_t key) noexcept {
        return const_cast<Value*>(static_cast<const KeyMap&>(*this).find(key));
    }

    // The key's value, made as Value{} when the map does not hold the key yet.
    Value& operator[](std::uint64_t key) {
        if (key == 0) {
            if (!has_zero_) {
                has_zero_ = true;
                zero_value_ = Value{};
                ++size_;
            }
            return zero_value_;
        }
        reserve(size_ + 1);
        std::size_t slot = key & Mask();
        for (; slots_[slot].key != 0; slot = (slot + 1) & Mask()) {
            if (slots_[slot].key == key) return slots_[slot].value;
        }
        slots_[slot] = {key, Value{}};
        ++size_;
        return slots_[slot].value;
    }

    // Takes the key out, moving back the keys after it that probed past its slot, so that every
    // lookup still meets its key before a free slot.
    void erase(std::uint64_t key) noexcept {
        if (key == 0) {
            if (has_zero_) --size_;
            has_zero_ = false;
            return;
        }
        if (slots_.empty()) return;
        std::size_t hole = key & Mask();
        for (; slots_[hole].key != key; hole = (hole + 1) & Mask()) {
            if (slots_[hole].key == 0) return;
        }
        for (std::size_t next = (hole + 1) & Mask(); slots_[next].key != 0; next = (next + 1) & Mask()) {
            const std::size_t home = slots_[next].key & Mask();
            // The key at `next` may fill the hole when its home slot does not lie in (hole, next].
            const bool home_between = hole <= next ? (home > hole && home <= next) : (home > hole || home <= next);
            if (!home_between) {
                slots_[hole] = slots_[next];
                hole = next;
            }
        }
        slots_[hole] = Slot{};
        --size_;
    }

    // visit(key, value) for every key, in no particular order.
    template <class Visit>
    void ForEach(Visit visit) const {
        if (has_zero_) visit(std::uint64_t{0}, zero_value_);
        for (const Slot& slot : slots_) {
            if (slot.key != 0) visit(slot.key, slot.value);
        }
    }

private:
    struct Slot {
        std::uint64_t key = 0;
        Value value{};
    };

    std::size_t Mask() const noexcept { return slots_.size() - 1; }

    void Rehash(std::size_t keys) {
        std::size_t capacity = 16;
        while (capacity < 2 * keys) capacity *= 2;
        std::vector<Slot> old(capacity);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.key == 0) continue;
            std::size_t at = slot.key & Mask();
            while (slots_[at].key != 0) at = (at + 1) & Mask();
            slots_[at] = slot;
        }
    }

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
    bool has_zero_ = false;
    Value zero_value_{};
};

}  // namespace tarn::rules
