#include "addin/addin_key.h"

#include "addin/addin_identity.h"
#include "platform/codepage.h"

namespace tarn::addin {

namespace {

constexpr int FirstNonOfficeHost = 7;  // MapPoint and Visio keep their add-ins outside "Office"

}  // namespace

std::string AddInKeyPath(int host_index) {
    const std::string host(KnownHosts.at(static_cast<std::size_t>(host_index)).name);
    const std::string prog_id = platform::Narrow(ProgId);
    const std::string under = host_index < FirstNonOfficeHost ? "\\Software\\Microsoft\\Office\\" : "\\Software\\Microsoft\\";
    return under + host + "\\AddIns\\" + prog_id;
}

std::unique_ptr<platform::RegistryKey> AddInKey::Open() { return registry_.OpenKey(path_, false); }

bool AddInKey::Opens() { return Open() != nullptr; }

std::string AddInKey::ReadAddInValue(std::string_view name) {
    const auto key = Open();
    if (!key) return {};
    const auto value = key->Read(name);
    if (!value || value->type != platform::RegistryValue::Type::String) return {};
    return value->text;
}

void AddInKey::WriteAddInValue(std::string_view name, std::string_view text) {
    platform::Contain(diagnostics_, "AddInKey", [&] {
        if (const auto key = Open()) key->WriteString(name, text);
    });
}

void AddInKey::AppendOnce(std::string_view value_name, std::string_view item) {
    const auto key = Open();
    if (!key) return;
    const auto value = key->Read(value_name);
    std::string list = value && value->type == platform::RegistryValue::Type::String ? value->text : std::string();
    const std::string listed = std::string(item) + "\\";
    if (list.find(listed) != std::string::npos) return;
    platform::Contain(diagnostics_, "AddInKey", [&] { key->WriteString(value_name, list + listed); });
}

void AddInKey::RecordCommandBar(std::string_view name) { AppendOnce("CmdBars", name); }

void AddInKey::RecordControl(std::string_view entry) { AppendOnce("CtrlTags", entry); }

}  // namespace tarn::addin
