#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/diagnostics.h"
#include "platform/timer.h"

namespace tarn::addin {

// Work that the add-in's start leaves to Outlook's message loop. Outlook 2013 and later disable
// an add-in whose OnConnection and OnStartupComplete take more than about a second, and ask
// add-ins to run anything long, or anything that waits for the user, once start-up has returned:
// a window shown from here no longer holds Outlook's start, and mail that arrives meanwhile is
// screened as usual.
class AfterStartup {
public:
    AfterStartup(platform::TimerFactory& timers, platform::Diagnostics& diagnostics)
        : timers_(timers), diagnostics_(diagnostics) {}
    AfterStartup(const AfterStartup&) = delete;
    AfterStartup& operator=(const AfterStartup&) = delete;

    // Runs the step from the message loop after the steps posted before it; a failure is
    // contained and recorded under `place`. Dropped if this object goes (or Cancel is called)
    // first.
    void Post(std::string place, std::function<void()> step);
    // Drops the steps not yet run: the add-in is shutting down.
    void Cancel() noexcept { alive_ = std::make_shared<bool>(true); }

private:
    platform::TimerFactory& timers_;
    platform::Diagnostics& diagnostics_;
    // Posted steps hold it weakly; a new one disowns them all.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace tarn::addin
