#include "host/sim/sim_outlook.h"

#include <stdexcept>
#include <utility>

#include "host/sim/built_in_command_bars.h"
#include "host/sim/built_in_panes.h"
#include "host/sim/control_events.h"
#include "host/sim/sim_host.h"
#include "host/sim/sim_items.h"

namespace tarn::host::sim {

SimOutlook::SimOutlook(OutlookVersion version) : version_(version), host_(SimHost::Create()) {}

SimOutlook::~SimOutlook() = default;

std::shared_ptr<host::Application> SimOutlook::Application() const { return host_->Application(); }

std::shared_ptr<host::HostApplication> SimOutlook::HostApplication() const { return host_->Application(); }

std::shared_ptr<SimFolder> SimOutlook::DefaultFolder(host::DefaultFolder folder) const {
    return host_->DefaultFolder(folder);
}

std::shared_ptr<SimFolder> SimOutlook::Inbox() const { return DefaultFolder(host::DefaultFolder::Inbox); }

std::shared_ptr<SimFolder> SimOutlook::DeletedItems() const { return DefaultFolder(host::DefaultFolder::DeletedItems); }

std::shared_ptr<SimFolder> SimOutlook::AddFolder(const std::shared_ptr<SimFolder>& parent, const std::u16string& name,
                                                 int type) {
    return parent->Subfolders().Create(name, type);
}

std::shared_ptr<SimItem> SimOutlook::AddItem(const std::shared_ptr<SimFolder>& folder, PropertyMap properties,
                                             long item_class) {
    auto item = std::make_shared<SimItem>(host_, item_class, ItemContent{std::move(properties), {}});
    item->PlaceIn(folder);
    return item;
}

std::shared_ptr<SimItem> SimOutlook::AddMail(const std::shared_ptr<SimFolder>& folder, ItemContent content) {
    auto item = std::make_shared<SimItem>(host_, host::item_class::Mail, std::move(content));
    item->PlaceIn(folder);
    return item;
}

std::shared_ptr<SimExplorer> SimOutlook::OpenExplorer(const std::shared_ptr<SimFolder>& folder,
                                                      const ExplorerSetup& setup) {
    auto explorer =
        std::make_shared<SimExplorer>(host_, folder, setup.has_command_bars ? MakeExplorerCommandBars(host_) : nullptr,
                                      MakeExplorerPanes(host_, setup.outlook_bar));
    host_->Explorers()->Open(explorer);
    Activate(explorer);
    return explorer;
}

void SimOutlook::SetCurrentFolder(const std::shared_ptr<SimExplorer>& explorer,
                                  const std::shared_ptr<SimFolder>& folder) {
    explorer->ShowFolder(folder);
    if (folder->HasHomePage()) {
        explorer->ClearSelection();
        return;
    }
    const auto& items = folder->StoredItems().Elements();
    explorer->Select(items.empty() ? std::vector<std::shared_ptr<SimItem>>{} : std::vector{items.front()});
}

void SimOutlook::SelectConversationHeader(const std::shared_ptr<SimExplorer>& explorer) { explorer->Select({}); }

void SimOutlook::Select(const std::shared_ptr<SimExplorer>& explorer, std::vector<std::shared_ptr<SimItem>> items) {
    for (auto& item : items) item = item->Latest();  // the user selects the item as it is now
    explorer->Select(std::move(items));
}

void SimOutlook::Close(const std::shared_ptr<SimExplorer>& explorer) { host_->Explorers()->Close(explorer); }

std::shared_ptr<SimInspector> SimOutlook::OpenInspector(const std::shared_ptr<SimItem>& item, InspectorSetup setup) {
    auto bars = setup.has_command_bars ? MakeInspectorCommandBars(host_) : nullptr;
    auto inspector = std::make_shared<SimInspector>(host_, item->Latest(), std::move(setup), std::move(bars));
    host_->Inspectors()->Open(inspector);
    Activate(inspector);
    return inspector;
}

void SimOutlook::Close(const std::shared_ptr<SimInspector>& inspector) { host_->Inspectors()->Close(inspector); }

void SimOutlook::Activate(const std::shared_ptr<SimExplorer>& explorer) {
    if (!host_->Explorers()->Contains(*explorer)) throw std::invalid_argument("the explorer is not open");
    explorer->SetActivationStamp(host_->NextActivationStamp());
}

void SimOutlook::Activate(const std::shared_ptr<SimInspector>& inspector) {
    if (!host_->Inspectors()->IsOpen(*inspector)) throw std::invalid_argument("the inspector is not open");
    inspector->SetActivationStamp(host_->NextActivationStamp());
}

void SimOutlook::SetStringReadLimit(std::size_t bytes) { host_->StoreMapi()->string_read_limit = bytes; }

platform::PropTag SimOutlook::StoreTag(const platform::NamedProperty& property) const {
    const auto tag = host_->StoreMapi()->TagOf(property, platform::PropTypeString8);
    if (!tag) throw std::invalid_argument("the store knows no such named property");
    return *tag;
}

PropertyMap SimOutlook::ContactProperties(const std::vector<std::string>& addresses) const {
    namespace named = platform::named_property;
    constexpr platform::NamedProperty Addresses[] = {named::ContactEmail1, named::ContactEmail2, named::ContactEmail3};
    // The tags one store happens to give the address properties (ids 0x8030, 0x80F6, 0x8032):
    // here they are properties of another kind, as any other store's are.
    constexpr platform::PropTag OtherStoresTags[] = {0x8030001E, 0x80F6001E, 0x8032001E};
    PropertyMap properties;
    for (const auto tag : OtherStoresTags) properties[tag] = "IPM.Contact";
    for (std::size_t i = 0; i < addresses.size() && i < std::size(Addresses); ++i) {
        properties[StoreTag(Addresses[i])] = addresses[i];
    }
    return properties;
}

void SimOutlook::Quit() {
    const auto inspectors = host_->Inspectors()->Elements();
    for (const auto& inspector : inspectors) Close(inspector);
    const auto explorers = host_->Explorers()->Elements();
    for (const auto& explorer : explorers) Close(explorer);
    host_->Application()->PostQuit();
}

std::shared_ptr<SimComAddIn> SimOutlook::AddComAddIn(std::u16string prog_id) {
    return host_->ComAddIns()->Create(std::move(prog_id));
}

bool SimOutlook::RemoveComAddIn(const std::u16string& prog_id) { return host_->ComAddIns()->RemoveProgId(prog_id); }

void SimOutlook::Click(const host::CommandBarControlPtr& control) { QueueControlEvent(control, ControlEvent::Click); }

void SimOutlook::Change(const host::CommandBarControlPtr& control) { QueueControlEvent(control, ControlEvent::Change); }

void SimOutlook::QueueControlEvent(const host::CommandBarControlPtr& control, ControlEvent event) {
    auto source = std::dynamic_pointer_cast<SimCommandBarControl>(control);
    if (!source) throw std::invalid_argument("not a control of the test host");
    host_->Events().Post([host = std::weak_ptr<SimHost>(host_), source = std::move(source), event] {
        if (const auto live = host.lock()) RaiseControlEvent(*live, source, event);
    });
}

void SimOutlook::Post(std::function<void()> event) { host_->Events().Post(std::move(event)); }

long SimOutlook::PumpEvents() {
    const auto host = host_;  // keeps the queue alive should an event destroy this SimOutlook
    return host->Events().Pump();
}

void SimOutlook::OnEventPosted(std::function<void()> listener) { host_->Events().OnPosted(std::move(listener)); }

std::size_t SimOutlook::PendingEvents() const { return host_->Events().Pending(); }

FaultPlan& SimOutlook::Faults() { return host_->Faults(); }

long SimOutlook::Calls(std::string_view qualified_member) const { return host_->Calls().Count(qualified_member); }

std::vector<std::string> SimOutlook::CalledMembers() const { return host_->Calls().Members(); }

}  // namespace tarn::host::sim
