#include "tools/sim/setting_overrides.h"

#include <stdexcept>

#include "tools/sim/command_line.h"
#include "tools/sim/terminal_text.h"

namespace tarn::tools::sim {

void SettingOverrides::Check(const Given& settings) {
    store::Settings checked;
    for (const auto& [name, value] : settings) {
        try {
            store::ApplySetting(checked, name, value);
        } catch (const std::invalid_argument& error) {
            throw UsageError(std::string("--set: ") + error.what());
        }
    }
}

SettingOverrides::SettingOverrides(platform::Registry& registry, Given settings)
    : registry_(registry), given_(std::move(settings)) {
    const auto key = registry_.OpenKey(store::SettingsKeyPath, false);
    for (const auto& [name, value] : given_) {
        Stored stored{std::string(store::SettingValueName(name)), std::nullopt};
        if (key) stored.value = key->Read(stored.name);
        stored_.push_back(std::move(stored));
    }
}

store::Settings SettingOverrides::Over(store::Settings settings) const {
    for (const auto& [name, value] : given_) store::ApplySetting(settings, name, value);
    return settings;
}

void SettingOverrides::Restore() {
    if (stored_.empty()) return;
    const auto key = registry_.OpenKey(store::SettingsKeyPath, true);
    if (!key) throw platform::RegistryError("the settings key cannot be opened");
    for (const auto& [name, value] : stored_) {
        if (!value) {
            key->DeleteValue(name);
        } else if (value->type == platform::RegistryValue::Type::String) {
            key->WriteString(name, value->text);
        } else if (value->type == platform::RegistryValue::Type::Number) {
            key->WriteNumber(name, value->number);
        }
        // A value of another type cannot be written back through this registry: it stays as
        // the run left it (the add-in reads such a value as missing).
    }
}

bool RestoreStoredSettings(SettingOverrides& overrides, std::ostream& errors) {
    try {
        overrides.Restore();
        return true;
    } catch (const std::exception& error) {
        errors << "tarn4ol-sim: the settings given with --set could not be taken back out of registry.reg: "
               << TerminalAnsi(error.what()) << '\n';
        return false;
    }
}

}  // namespace tarn::tools::sim
