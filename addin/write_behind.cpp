#include "addin/write_behind.h"

#include <utility>

namespace tarn::addin {

WriteBehind::WriteBehind(platform::TimerFactory& timers, platform::Diagnostics& diagnostics,
                         std::chrono::milliseconds delay)
    : diagnostics_(diagnostics), timer_(timers.CreateTimer()) {
    timer_->SetInterval(delay);
    timer_->SetHandler([this] {
        timer_->SetEnabled(false);
        WriteAll();
    });
}

void WriteBehind::SetWriter(Change change, std::string place, Writer writer) {
    Kind& kind = kinds_[Index(change)];
    kind.place = std::move(place);
    kind.writer = std::move(writer);
}

void WriteBehind::Changed(Change change) {
    kinds_[Index(change)].pending = true;
    // Stopping and starting again restarts the wait.
    timer_->SetEnabled(false);
    timer_->SetEnabled(true);
}

bool WriteBehind::WriteAll() noexcept {
    timer_->SetEnabled(false);
    bool all = true;
    for (Kind& kind : kinds_) {
        if (!kind.pending || !kind.writer) continue;
        kind.pending = false;
        if (!platform::Contain(diagnostics_, kind.place, kind.writer)) {
            kind.pending = true;
            all = false;
        }
    }
    return all;
}

}  // namespace tarn::addin
