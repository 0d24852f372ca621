#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"
#include "store/settings.h"

namespace tarn::tools::sim {

// The settings given with --set, for one run only. They are laid over the add-in's settings
// once it has started; the run itself may write them to the registry (the options dialog and
// the add-in write the settings when they change), so afterwards each value named with --set is
// put back in the registry as it was before the run, and every other value the run wrote stays.
class SettingOverrides {
public:
    using Given = std::vector<std::pair<std::string, std::string>>;

    // Raises UsageError for an unknown name or a value out of range: to be called before
    // anything is read or written.
    static void Check(const Given& settings);
    // Reads the stored values of the named settings, which Check has let through.
    SettingOverrides(platform::Registry& registry, Given settings);

    bool Empty() const noexcept { return given_.empty(); }
    // The settings with the values given for this run.
    store::Settings Over(store::Settings settings) const;
    // Puts the named values back as they were stored before the run (a value that was not there
    // goes). Raises platform::RegistryError when they cannot be written.
    void Restore();

private:
    struct Stored {
        std::string name;  // the registry value name
        std::optional<platform::RegistryValue> value;
    };

    platform::Registry& registry_;
    Given given_;
    std::vector<Stored> stored_;
};

// Restore, telling `errors` why when the values cannot be put back; false then.
bool RestoreStoredSettings(SettingOverrides& overrides, std::ostream& errors);

}  // namespace tarn::tools::sim
