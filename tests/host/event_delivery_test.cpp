#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>

#include "host/host_error.h"
#include "sim_fixture.h"

namespace tarn::host::sim {
namespace {

using EventDelivery = SimFixture;

TEST_F(EventDelivery, EventsWaitForThePumpAndRunOnceEachInOrder) {
    Strings arrivals;
    const auto subscription = RecordArrivals(outlook.Inbox(), arrivals);
    Mail("a");
    outlook.Post([&arrivals] { arrivals.push_back("tick"); });
    Mail("b");
    EXPECT_TRUE(arrivals.empty());
    EXPECT_EQ(outlook.PendingEvents(), 3u);

    EXPECT_EQ(outlook.PumpEvents(), 3);
    EXPECT_EQ(arrivals, (Strings{"a", "tick", "b"}));
    EXPECT_EQ(outlook.PumpEvents(), 0);
    EXPECT_EQ(arrivals.size(), 3u);
}

TEST_F(EventDelivery, EventsQueuedDuringTheDispatchRunInTheSamePump) {
    Strings arrivals;
    const auto subscription = RecordArrivals(outlook.Inbox(), arrivals);
    outlook.Post([this] { Mail("late"); });
    EXPECT_EQ(outlook.PumpEvents(), 2);
    EXPECT_EQ(arrivals, Strings{"late"});
}

TEST_F(EventDelivery, AHandlerThatPumpsRunsTheFollowingEventsNested) {
    Strings trace;
    long nested = -1;
    const auto subscription = outlook.Inbox()->Items()->OnItemAdd([&](const ItemPtr& item) {
        trace.push_back(SubjectOf(item) + " begins");
        if (SubjectOf(item) == "a") nested = outlook.PumpEvents();
        trace.push_back(SubjectOf(item) + " ends");
    });
    Mail("a");
    Mail("b");
    Mail("c");
    EXPECT_EQ(outlook.PumpEvents(), 3);
    EXPECT_EQ(nested, 2);
    EXPECT_EQ(trace, (Strings{"a begins", "b begins", "b ends", "c begins", "c ends", "a ends"}));
}

TEST_F(EventDelivery, AnExceptionFromAHandlerLeavesTheLaterEventsQueued) {
    Strings arrivals;
    outlook.Post([] { throw std::runtime_error("handler failed"); });
    const auto subscription = RecordArrivals(outlook.Inbox(), arrivals);
    Mail("a");
    EXPECT_THROW(outlook.PumpEvents(), std::runtime_error);
    EXPECT_TRUE(arrivals.empty());
    EXPECT_EQ(outlook.PumpEvents(), 1);
    EXPECT_EQ(arrivals, Strings{"a"});
}

TEST_F(EventDelivery, ADroppedSubscriptionStopsDelivery) {
    Strings arrivals;
    auto subscription = RecordArrivals(outlook.Inbox(), arrivals);
    Mail("a");
    subscription.Reset();  // after the cause, before the dispatch
    outlook.PumpEvents();
    EXPECT_TRUE(arrivals.empty());
    EXPECT_FALSE(subscription.Connected());
}

TEST_F(EventDelivery, HandlersMayDisconnectThemselvesAndOthersWhileTheEventIsDelivered) {
    Strings calls;
    std::optional<host::Subscription> first, second, third;
    first = outlook.Inbox()->Items()->OnItemAdd([&](const ItemPtr&) {
        calls.push_back("first");
        first.reset();  // itself
        third.reset();  // a later one: it no longer hears this event
    });
    second = outlook.Inbox()->Items()->OnItemAdd([&](const ItemPtr&) {
        calls.push_back("second");
        // Connected during the delivery: hears only the next event.
        if (!third) third = outlook.Inbox()->Items()->OnItemAdd([&](const ItemPtr&) { calls.push_back("third"); });
    });
    third = outlook.Inbox()->Items()->OnItemAdd([&](const ItemPtr&) { calls.push_back("old third"); });
    Mail("a");
    outlook.PumpEvents();
    EXPECT_EQ(calls, (Strings{"first", "second"}));

    calls.clear();
    Mail("b");
    outlook.PumpEvents();
    EXPECT_EQ(calls, (Strings{"second", "third"}));
}

TEST(EventDeliveryAfterShutdown, SubscriptionsAndObjectsOutliveTheHostSafely) {
    host::Subscription subscription;
    ItemPtr item;
    std::shared_ptr<host::Items> items;
    {
        SimOutlook outlook;
        item = outlook.AddItem(outlook.Inbox(), {});
        items = outlook.Inbox()->Items();
        subscription = items->OnItemAdd([](const ItemPtr&) {});
    }
    try {
        item->Delete();
        FAIL() << "Delete reached a store that is gone";
    } catch (const HostError& error) {
        EXPECT_EQ(error.Member(), "Item.Delete");
    }
    EXPECT_THROW(items->Count(), HostError);
    subscription.Reset();
    EXPECT_FALSE(subscription.Connected());
}

}  // namespace
}  // namespace tarn::host::sim
