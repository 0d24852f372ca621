#include "addin/after_startup.h"

#include <utility>

namespace tarn::addin {

void AfterStartup::Post(std::string place, std::function<void()> step) {
    timers_.Post([alive = std::weak_ptr<bool>(alive_), &diagnostics = diagnostics_, place = std::move(place),
                  step = std::move(step)] {
        if (alive.lock()) platform::Contain(diagnostics, place, step);
    });
}

}  // namespace tarn::addin
