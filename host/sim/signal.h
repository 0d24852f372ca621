#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "host/sim/event_queue.h"
#include "host/subscription.h"

namespace tarn::host::sim {

// One event of a sim object and the handlers connected to it.
//
// A handler connected when the event is delivered is called once; one disconnected before its
// turn (by itself or by another handler) is not called; one connected during the delivery waits
// for the next event. Subscriptions hold the handler list weakly, so they may outlive the object
// and the whole test host.
template <class... Args>
class Signal {
public:
    using Handler = std::function<void(Args...)>;

    host::Subscription Connect(Handler handler) {
        const long id = ++slots_->last_id;
        slots_->handlers.emplace_back(id, std::make_shared<const Handler>(std::move(handler)));
        return host::Subscription([weak = std::weak_ptr<Slots>(slots_), id] {
            if (const auto slots = weak.lock())
                std::erase_if(slots->handlers, [id](const auto& entry) { return entry.first == id; });
        });
    }

    // Delivers the event now (for events that are already being dispatched from the queue).
    // The handler list is held for the delivery, in case a handler destroys the object.
    void Emit(Args... args) const {
        const auto slots = slots_;
        Deliver(*slots, args...);
    }

    // Queues the event; the handlers connected when it is dispatched receive it.
    void Post(EventQueue& queue, std::decay_t<Args>... args) const {
        queue.Post([slots = slots_, ... values = std::move(args)] { Deliver(*slots, values...); });
    }

private:
    struct Slots {
        long last_id = 0;
        std::vector<std::pair<long, std::shared_ptr<const Handler>>> handlers;
    };

    static bool Connected(const Slots& slots, long id) {
        return std::ranges::any_of(slots.handlers, [id](const auto& entry) { return entry.first == id; });
    }

    // Calls the handlers connected at the start, skipping any disconnected meanwhile. The copy
    // keeps each handler alive while it runs, even if it disconnects itself.
    static void Deliver(const Slots& slots, const std::decay_t<Args>&... args) {
        const auto handlers = slots.handlers;
        for (const auto& [id, handler] : handlers)
            if (Connected(slots, id)) (*handler)(args...);
    }

    std::shared_ptr<Slots> slots_ = std::make_shared<Slots>();
};

}  // namespace tarn::host::sim
