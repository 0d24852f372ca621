#pragma once

#include <set>
#include <string>

#include "platform/class_registry.h"

namespace tarn::host::sim {

// The COM classes of the simulated machine: Outlook is installed unless a test says otherwise.
class SimClassRegistry final : public platform::ClassRegistry {
public:
    bool HasClass(std::u16string_view prog_id) override { return classes_.contains(std::u16string(prog_id)); }

    // The test host's own view.
    void Register(std::u16string prog_id) { classes_.insert(std::move(prog_id)); }
    void Unregister(const std::u16string& prog_id) { classes_.erase(prog_id); }

private:
    std::set<std::u16string> classes_ = {u"Outlook.Application"};
};

}  // namespace tarn::host::sim
