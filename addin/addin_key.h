#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/diagnostics.h"
#include "platform/registry.h"

namespace tarn::addin {

// The add-in's key of a host under the current user:
// "\Software\Microsoft\Office\<host>\AddIns\<ProgID>" for the Office hosts (indexes 0 to 6),
// "\Software\Microsoft\<host>\AddIns\<ProgID>" for MapPoint and Visio (7 and 8).
std::string AddInKeyPath(int host_index);

// The values the add-in keeps in its key while it runs: the bars and controls it created
// ("CmdBars", "CtrlTags"), one state per bar, and the start mode. The key is opened without
// being created, for each operation; when it cannot be opened reads give empty text and writes
// do nothing. A write that fails is skipped too, and recorded: this bookkeeping is never worth
// the add-in's start.
class AddInKey {
public:
    AddInKey(platform::Registry& registry, platform::Diagnostics& diagnostics, int host_index)
        : registry_(registry), diagnostics_(diagnostics), path_(AddInKeyPath(host_index)) {}

    // Appends the name and a backslash to "CmdBars" unless the value already holds them.
    void RecordCommandBar(std::string_view name);
    // The same for a control key (kind word, colon, tag) in "CtrlTags".
    void RecordControl(std::string_view entry);
    // A string value of the key; empty when it is missing, of another type, or the key is absent.
    std::string ReadAddInValue(std::string_view name);
    void WriteAddInValue(std::string_view name, std::string_view text);
    // Whether the key exists.
    bool Opens();

private:
    void AppendOnce(std::string_view value_name, std::string_view item);
    std::unique_ptr<platform::RegistryKey> Open();

    platform::Registry& registry_;
    platform::Diagnostics& diagnostics_;
    std::string path_;
};

}  // namespace tarn::addin
