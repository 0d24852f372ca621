#pragma once

#include <bit>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace tarn::host::sim {

// The elements of a collection in order, each held once, where looking one up by its position,
// appending and removing any element all take logarithmic time, as in Outlook's own tables: a
// folder of 100,000 items from which a command moves thousands must not cost the substitute
// a shift of the whole folder per move. Removed elements leave an empty slot; a prefix-sum tree
// over the slots (1 for a held element) finds the position of the n-th held element, and the
// slots are packed again once more of them are empty than held.
template <class Element>
class OrderedSlots {
public:
    using ElementPtr = std::shared_ptr<Element>;

    std::size_t Size() const noexcept { return held_; }

    // The element at a 0-based position, which must be below Size().
    const ElementPtr& At(std::size_t position) const { return slots_[SlotOfPosition(position)]; }

    bool Contains(const Element& element) const noexcept { return slot_of_.contains(&element); }

    // Raises std::logic_error for an element already held: a collection holds each once.
    void Append(ElementPtr element) {
        if (Contains(*element)) throw std::logic_error("the element is already in the collection");
        slot_of_.emplace(element.get(), slots_.size());
        slots_.push_back(std::move(element));
        GrowTree();
        ++held_;
        ++changes_;
    }

    // position is 0-based, from 0 to Size(); packs the slots, so meant for small collections.
    void InsertAt(std::size_t position, ElementPtr element) {
        if (Contains(*element)) throw std::logic_error("the element is already in the collection");
        auto elements = Packed();
        elements.insert(elements.begin() + static_cast<std::ptrdiff_t>(position), std::move(element));
        Assign(std::move(elements));
    }

    // Nothing happens for an element not held.
    void Erase(const Element& element) {
        const auto found = slot_of_.find(&element);
        if (found == slot_of_.end()) return;
        const std::size_t slot = found->second;
        slot_of_.erase(found);
        slots_[slot].reset();
        AddToTree(slot, -1);
        --held_;
        ++changes_;
        if (slots_.size() - held_ > held_ + MinEmptyToPack) Assign(Packed());
    }

    void Assign(std::vector<ElementPtr> elements) {
        slots_.clear();
        tree_.assign(1, 0);
        slot_of_.clear();
        held_ = 0;
        for (auto& element : elements) Append(std::move(element));
    }

    // The held elements in order, without empty slots. Made anew after each change, so meant
    // for the test host's own view, not for a walk over a large folder.
    const std::vector<ElementPtr>& Elements() const {
        if (slots_.size() == held_) return slots_;
        if (packed_view_of_ != changes_) {
            packed_view_ = Packed();
            packed_view_of_ = changes_;
        }
        return packed_view_;
    }

private:
    static constexpr std::size_t MinEmptyToPack = 64;

    std::vector<ElementPtr> Packed() const {
        std::vector<ElementPtr> elements;
        elements.reserve(held_);
        for (const auto& element : slots_)
            if (element) elements.push_back(element);
        return elements;
    }

    // tree_[i] (1-based) counts the held slots in (i - lowbit(i), i].
    void GrowTree() {
        const std::size_t index = slots_.size();
        const std::size_t from = index - (index & (~index + 1));
        tree_.push_back(1 + HeldBefore(index - 1) - HeldBefore(from));
    }

    // How many of the first `slots` slots are held.
    long HeldBefore(std::size_t slots) const {
        long sum = 0;
        for (; slots > 0; slots &= slots - 1) sum += tree_[slots];
        return sum;
    }

    void AddToTree(std::size_t slot, long change) {
        for (std::size_t index = slot + 1; index < tree_.size(); index += index & (~index + 1)) tree_[index] += change;
    }

    std::size_t SlotOfPosition(std::size_t position) const {
        if (position >= held_) throw std::out_of_range("no element at this position");
        std::size_t index = 0;
        auto remaining = static_cast<long>(position) + 1;
        for (std::size_t step = std::bit_floor(slots_.size()); step > 0; step >>= 1) {
            if (index + step < tree_.size() && tree_[index + step] < remaining) {
                index += step;
                remaining -= tree_[index];
            }
        }
        return index;  // the 1-based index of the slot before it, i.e. its 0-based slot
    }

    std::vector<ElementPtr> slots_;
    std::vector<long> tree_ = std::vector<long>(1, 0);
    std::unordered_map<const Element*, std::size_t> slot_of_;
    std::size_t held_ = 0;
    std::size_t changes_ = 0;
    mutable std::vector<ElementPtr> packed_view_;
    mutable std::size_t packed_view_of_ = 0;
};

}  // namespace tarn::host::sim
