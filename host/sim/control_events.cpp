#include "host/sim/control_events.h"

#include <vector>

#include "host/sim/sim_host.h"

namespace tarn::host::sim {

void RaiseControlEvent(const SimHost& host, const std::shared_ptr<SimCommandBarControl>& source, ControlEvent event) {
    const std::u16string tag = source->State().tag;
    std::vector<std::shared_ptr<SimCommandBarControl>> targets;
    if (tag.empty()) {
        targets.push_back(source);
    } else {
        for (const auto& bars : host.OpenWindowBars())
            for (auto& control : bars->AllControls())
                if (control->State().tag == tag) targets.push_back(std::move(control));
    }

    const CommandBarControlPtr used = source;
    for (const auto& target : targets) target->Raise(event, used);
}

}  // namespace tarn::host::sim
