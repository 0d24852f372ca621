// The substitute's collections: positions stay right through any mix of appends, removals,
// insertions and the packing of empty slots, checked against a plain list.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "host/sim/ordered_slots.h"

namespace tarn::host::sim {
namespace {

using Slots = OrderedSlots<int>;

void ExpectSame(const Slots& slots, const std::vector<std::shared_ptr<int>>& model) {
    ASSERT_EQ(slots.Size(), model.size());
    for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(slots.At(i), model[i]) << "position " << i;
    EXPECT_EQ(slots.Elements(), model);
}

TEST(OrderedSlots, PositionsFollowEveryChangeAsInAPlainList) {
    std::mt19937 random(7);
    Slots slots;
    std::vector<std::shared_ptr<int>> model;
    for (int step = 0; step < 5000; ++step) {
        const auto choice = random() % 10;
        if (choice < 5 || model.empty()) {
            model.push_back(std::make_shared<int>(step));
            slots.Append(model.back());
        } else if (choice < 9) {
            const auto at = model.begin() + static_cast<std::ptrdiff_t>(random() % model.size());
            slots.Erase(**at);
            model.erase(at);
        } else {
            const auto position = random() % (model.size() + 1);
            const auto element = std::make_shared<int>(step);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(position), element);
            slots.InsertAt(position, element);
        }
        if (step % 97 == 0) ExpectSame(slots, model);
    }
    ExpectSame(slots, model);
}

TEST(OrderedSlots, EmptyingAFolderFromTheFrontAndTheBackKeepsTheRestInOrder) {
    Slots slots;
    std::vector<std::shared_ptr<int>> model;
    for (int i = 0; i < 1001; ++i) slots.Append(model.emplace_back(std::make_shared<int>(i)));
    while (model.size() > 1) {
        slots.Erase(*model.front());
        model.erase(model.begin());
        slots.Erase(*model.back());
        model.pop_back();
        ASSERT_EQ(slots.At(0), model.front());
        ASSERT_EQ(slots.At(slots.Size() - 1), model.back());
    }
    ExpectSame(slots, model);
}

TEST(OrderedSlots, AnElementIsHeldOnceAndOnlyHeldOnesAreFound) {
    Slots slots;
    const auto one = std::make_shared<int>(1);
    const auto other = std::make_shared<int>(2);
    slots.Append(one);
    EXPECT_THROW(slots.Append(one), std::logic_error);
    EXPECT_THROW(slots.InsertAt(0, one), std::logic_error);
    slots.Erase(*other);  // not held: nothing happens
    EXPECT_TRUE(slots.Contains(*one));
    EXPECT_FALSE(slots.Contains(*other));
    EXPECT_THROW(slots.At(1), std::out_of_range);
    slots.Erase(*one);
    EXPECT_EQ(slots.Size(), 0U);
    EXPECT_THROW(slots.At(0), std::out_of_range);
    slots.Append(one);  // held again after it left
    ExpectSame(slots, {one});
}

}  // namespace
}  // namespace tarn::host::sim
