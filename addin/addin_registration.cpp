#include "addin/addin_registration.h"

#include <string>

#include "addin/addin_error.h"
#include "addin/addin_identity.h"
#include "addin/addin_key.h"
#include "addin/command_bar_lookup.h"
#include "addin/control_key.h"
#include "platform/codepage.h"

namespace tarn::addin {

namespace {

constexpr int MapPointHost = 7;       // has no command bars to clean
constexpr int MostInstances = 9;      // copies of one control removed at the most

// Deletes the listed controls: first all but the pop-ups, then the pop-ups, so that a pop-up
// goes after what it holds; each pass from the last listed to the first.
void DeleteListedControls(host::CommandBars& bars, const std::vector<std::string>& listed) {
    for (const bool popups : {false, true}) {
        for (auto entry = listed.rbegin(); entry != listed.rend(); ++entry) {
            const SplitKey key = SplitControlKey(*entry);
            const auto type = TypeOfKindWord(key.kind);
            if (!type || (*type == host::ControlType::Popup) != popups) continue;
            const std::u16string tag = platform::Widen(key.tag);
            for (int copy = 0; copy < MostInstances; ++copy) {
                const auto control = bars.FindControl(*type, tag);
                if (!control) break;
                control->Delete(false);
            }
        }
    }
}

void DeleteEmptyListedBars(host::CommandBars& bars, const std::vector<std::string>& listed) {
    for (const auto& name : listed) {
        const auto bar = FindBarByName(bars, platform::Widen(name));
        if (bar && bar->Controls()->Count() == 0) bar->Delete();
    }
}

std::string StringValue(platform::RegistryKey& key, std::string_view name) {
    const auto value = key.Read(name);
    return value && value->type == platform::RegistryValue::Type::String ? value->text : std::string();
}

}  // namespace

bool AddInRegistration::IsHostInstalled(int host_index) {
    return classes_.HasClass(KnownHosts.at(static_cast<std::size_t>(host_index)).application_prog_id);
}

void AddInRegistration::WriteAddInKeys() {
    for (const int host : HostSet) {
        if (!IsHostInstalled(host)) continue;
        const auto key = registry_.OpenKey(AddInKeyPath(host), true);
        if (!key) throw platform::RegistryError("cannot create the add-in key " + AddInKeyPath(host));
        key->WriteString("FriendlyName", platform::Narrow(FriendlyName));
        key->WriteString("Description", platform::Narrow(Description));
        key->WriteNumber("LoadBehavior", LoadAtStartup);
        key->WriteNumber("CommandLineSafe", 0);
        key->WriteString("CmdBars", "");
        key->WriteString("CtrlTags", "");
        key->WriteString("AxpStartMode", "FIRSTSTART");
    }
}

void AddInRegistration::DeleteAddInKeys() {
    for (const int host : HostSet) {
        if (!IsHostInstalled(host)) continue;
        const std::string path = AddInKeyPath(host);
        if (auto key = registry_.OpenKey(path, false)) {
            for (const auto& name : key->ValueNames()) key->DeleteValue(name);
            key.reset();
            registry_.DeleteKey(path);
        }
    }
}

void AddInRegistration::RemoveAddInControls(host::HostLauncher& launcher) {
    try {
        for (const int host : HostSet) {
            if (host != MapPointHost && IsHostInstalled(host)) RemoveControlsFrom(host, launcher);
        }
    } catch (const std::exception&) {
        throw AddinError("Can't unregister add-in controls.", error_number::ControlsNotRemoved);
    }
}

void AddInRegistration::RemoveControlsFrom(int host_index, host::HostLauncher& launcher) {
    std::string bar_list;
    std::string control_list;
    if (auto key = registry_.OpenKey(AddInKeyPath(host_index), false)) {
        bar_list = StringValue(*key, "CmdBars");
        control_list = StringValue(*key, "CtrlTags");
        key->WriteString("AxpStartMode", "UNINSTALL");
        key->WriteNumber("LoadBehavior", 0);
    }
    const auto reached = launcher.Reach(KnownHosts.at(static_cast<std::size_t>(host_index)).application_prog_id);
    const auto bars = ActiveWindowCommandBars(*reached->Application());
    if (!bars) return;  // Outlook without a window: its controls stay, the keys still go
    DeleteListedControls(*bars, SplitRecordedList(control_list));
    DeleteEmptyListedBars(*bars, SplitRecordedList(bar_list));
}

}  // namespace tarn::addin
