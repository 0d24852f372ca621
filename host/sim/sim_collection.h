#pragma once

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "host/sim/ordered_slots.h"
#include "host/sim/sim_object.h"

namespace tarn::host::sim {

// A host collection with 1-based Count and Item over sim objects of one type. Interface is the
// host collection interface; its Item(long) decides what the elements are seen as.
template <class Interface, class Element>
class SimCollection : public Interface, public SimObject {
    using Exposed = decltype(std::declval<Interface&>().Item(1L));

public:
    using ElementPtr = std::shared_ptr<Element>;
    using Interface::Item;

    long Count() override {
        Guard("Count");
        return Size();
    }

    // Raises HostError for an index outside 1..Count.
    Exposed Item(long index) override {
        Guard("Item");
        if (index < 1 || index > Size()) Fail("Item", "index out of range");
        return elements_.At(static_cast<std::size_t>(index - 1));
    }

    // The test host's own view, unguarded: the elements in order.
    const std::vector<ElementPtr>& Elements() const { return elements_.Elements(); }
    long Size() const noexcept { return static_cast<long>(elements_.Size()); }
    bool Contains(const Element& element) const noexcept { return elements_.Contains(element); }

    // An element is held once: appending one already held raises std::logic_error.
    void Append(ElementPtr element) { elements_.Append(std::move(element)); }
    // position is 1-based, from 1 to Size() + 1.
    void InsertAt(long position, ElementPtr element) {
        elements_.InsertAt(static_cast<std::size_t>(position - 1), std::move(element));
    }
    void Erase(const Element& element) { elements_.Erase(element); }
    void Replace(std::vector<ElementPtr> elements) { elements_.Assign(std::move(elements)); }

protected:
    SimCollection(std::weak_ptr<SimHost> host, std::string_view kind) : SimObject(std::move(host), kind) {}

private:
    OrderedSlots<Element> elements_;
};

}  // namespace tarn::host::sim
