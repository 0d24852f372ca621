#include "tools/sim/folder_listing.h"

#include <functional>
#include <string>

#include "platform/codepage.h"
#include "platform/mapi.h"
#include "host/sim/sim_items.h"
#include "tools/sim/json_text.h"
#include "tools/sim/store_paths.h"
#include "tools/sim/terminal_text.h"

namespace tarn::tools::sim {

namespace {

constexpr std::size_t ItemsShown = 20;

constexpr host::DefaultFolder ListedFolders[] = {host::DefaultFolder::Inbox, host::DefaultFolder::SentMail,
                                                 host::DefaultFolder::DeletedItems, host::DefaultFolder::Contacts};

std::string Property(const host::sim::SimItem& item, platform::PropTag tag) {
    const auto& properties = item.Properties();
    const auto found = properties.find(tag);
    return found == properties.end() ? std::string() : found->second;
}

void ForEachFolder(const std::shared_ptr<host::sim::SimFolder>& folder,
                   const std::function<void(const std::shared_ptr<host::sim::SimFolder>&)>& visit) {
    visit(folder);
    for (const auto& child : folder->Subfolders().Elements()) ForEachFolder(child, visit);
}

}  // namespace

void PrintFolders(std::ostream& out, bool json, host::sim::SimOutlook& outlook) {
    namespace tag = platform::prop_tag;
    if (json) out << "{\"folders\":[";
    else out << "\nFolders:\n";
    const char* separator = "";
    for (const auto top : ListedFolders) {
        ForEachFolder(outlook.DefaultFolder(top), [&](const std::shared_ptr<host::sim::SimFolder>& folder) {
            const auto& items = folder->StoredItems().Elements();
            if (items.empty()) return;
            const std::string path = PathOf(outlook, folder);
            if (json) {
                out << separator << "{\"folder\":" << JsonUtf8String(path) << ",\"items\":[";
                const char* item_separator = "";
                for (const auto& item : items) {
                    out << item_separator << "{\"subject\":" << JsonString(Property(*item, tag::Subject))
                        << ",\"sender\":" << JsonString(Property(*item, tag::SenderEmailAddress)) << '}';
                    item_separator = ",";
                }
                out << "]}";
                separator = ",";
                return;
            }
            out << "  " << TerminalUtf8(path) << " (" << items.size() << (items.size() == 1 ? " item)\n" : " items)\n");
            for (std::size_t i = 0; i < items.size() && i < ItemsShown; ++i) {
                const std::string sender = Property(*items[i], tag::SenderEmailAddress);
                out << "    " << (i + 1) << ". " << TerminalAnsi(Property(*items[i], tag::Subject))
                    << (sender.empty() ? "" : " | " + TerminalAnsi(sender)) << '\n';
            }
            if (items.size() > ItemsShown) out << "    ... and " << (items.size() - ItemsShown) << " more\n";
        });
    }
    if (json) out << "]}\n";
}

}  // namespace tarn::tools::sim
