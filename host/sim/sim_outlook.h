#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/application.h"
#include "host/constants.h"
#include "host/sim/fault_plan.h"
#include "host/sim/outlook_version.h"
#include "host/sim/property_map.h"
#include "host/sim/sim_com_add_ins.h"
#include "host/sim/sim_explorer.h"
#include "host/sim/sim_folder.h"
#include "host/sim/sim_inspector.h"
#include "host/sim/sim_item.h"
#include "host/sim/sim_mapi.h"

namespace tarn::host::sim {

class SimHost;

// Outlook in-process, for tests and the simulator: a store with the default folders, the
// Application object, explorers and inspectors with their command bars, the COM add-in list,
// and the event queue.
//
// Like Outlook, the test host raises events from its message loop, never inside the call that
// causes them: a test acts (delivers, moves, clicks), then pumps, then checks.
//
// Every interface member of every object can be refused: through the object's Faults() (bare
// member names) or through Faults() here (qualified names, "Item.Move"). A refused call raises
// HostError and does nothing.
//
// Objects handed out stay safe to hold and call after the SimOutlook is gone: their members
// then raise HostError, and subscriptions disconnect quietly.
class SimOutlook {
public:
    explicit SimOutlook(OutlookVersion version = OutlookVersion::Outlook2016);
    ~SimOutlook();
    SimOutlook(const SimOutlook&) = delete;
    SimOutlook& operator=(const SimOutlook&) = delete;

    OutlookVersion Version() const noexcept { return version_; }
    std::shared_ptr<host::Application> Application() const;
    // The same object as the add-in's connection receives it.
    std::shared_ptr<host::HostApplication> HostApplication() const;

    // The store.
    std::shared_ptr<SimFolder> DefaultFolder(host::DefaultFolder folder) const;
    std::shared_ptr<SimFolder> Inbox() const;
    std::shared_ptr<SimFolder> DeletedItems() const;
    // A subfolder, made as Folders.Add makes it (type: OlDefaultFolders; 6 is a mail folder).
    std::shared_ptr<SimFolder> AddFolder(const std::shared_ptr<SimFolder>& parent, const std::u16string& name,
                                         int type = static_cast<int>(host::DefaultFolder::Inbox));
    // Appends an item to the folder and queues one ItemAdd there.
    std::shared_ptr<SimItem> AddItem(const std::shared_ptr<SimFolder>& folder, PropertyMap properties,
                                     long item_class = host::item_class::Mail);
    // The same for a mail item with its recipients.
    std::shared_ptr<SimItem> AddMail(const std::shared_ptr<SimFolder>& folder, ItemContent content);

    // Explorers. Opening one makes it the active explorer and window and queues NewExplorer;
    // closing one takes it out of Explorers at once and queues its Close.
    std::shared_ptr<SimExplorer> OpenExplorer(const std::shared_ptr<SimFolder>& folder,
                                              const ExplorerSetup& setup = {});
    // The user turns the window to a folder: as Outlook, it selects the folder's first item and
    // queues SelectionChange; a folder with a home page shows no items, selects nothing and
    // raises nothing.
    void SetCurrentFolder(const std::shared_ptr<SimExplorer>& explorer, const std::shared_ptr<SimFolder>& folder);
    // The user selects these items, in this order (in a conversation view they may be items of
    // other folders); queues SelectionChange.
    void Select(const std::shared_ptr<SimExplorer>& explorer, std::vector<std::shared_ptr<SimItem>> items);
    // The user selects a conversation header (or a group header): the selection holds no item;
    // queues SelectionChange.
    void SelectConversationHeader(const std::shared_ptr<SimExplorer>& explorer);
    void Close(const std::shared_ptr<SimExplorer>& explorer);

    // Inspectors. Opening one makes it the active inspector and window and queues NewInspector;
    // closing one takes it out of Inspectors.
    std::shared_ptr<SimInspector> OpenInspector(const std::shared_ptr<SimItem>& item, InspectorSetup setup = {});
    void Close(const std::shared_ptr<SimInspector>& inspector);

    // Makes an open window the active one (std::invalid_argument when it is not open).
    void Activate(const std::shared_ptr<SimExplorer>& explorer);
    void Activate(const std::shared_ptr<SimInspector>& inspector);

    // The user closes Outlook: the message windows close, then the main windows (each leaving
    // its collection at once, an explorer's Close queued), then the application's Quit is
    // queued. What becomes of the add-ins after that is up to whoever plays Outlook: Outlook
    // 2010 and later end the process, older ones call OnBeginShutdown and OnDisconnection.
    void Quit();

    // How the store hands out properties through MAPI: strings in one piece up to this many
    // bytes (longer ones only as a stream).
    void SetStringReadLimit(std::size_t bytes);
    // The tag this store gives a named property (PSETID_Address).
    platform::PropTag StoreTag(const platform::NamedProperty& property) const;
    // The properties of a contact with up to three e-mail addresses, at this store's tags of the
    // address properties; the tags other stores give them hold text of Outlook's own.
    PropertyMap ContactProperties(const std::vector<std::string>& addresses) const;

    // The COM add-in list. The entry is what Outlook hands the add-in it connects.
    std::shared_ptr<SimComAddIn> AddComAddIn(std::u16string prog_id);
    // False when no entry had that ProgID.
    bool RemoveComAddIn(const std::u16string& prog_id);

    // The user clicks a button (a pop-up only opens its menu), or changes an edit, drop-down or
    // combo-box control.
    // When dispatched, Office raises the event on every control of every open window that then
    // carries this control's tag, each handler receiving this control.
    void Click(const host::CommandBarControlPtr& control);
    void Change(const host::CommandBarControlPtr& control);

    // The event queue. Post queues any work (a timer tick); PumpEvents runs queued events in
    // order until none is left, re-entrantly, and returns how many ran.
    void Post(std::function<void()> event);
    long PumpEvents();
    // Told whenever an event is queued (see EventQueue::OnPosted).
    void OnEventPosted(std::function<void()> listener);
    std::size_t PendingEvents() const;

    // Host-wide refusals by "Kind.Member", how often each member was called so far (refused
    // calls included), and which members were called.
    FaultPlan& Faults();
    long Calls(std::string_view qualified_member) const;
    std::vector<std::string> CalledMembers() const;

private:
    void QueueControlEvent(const host::CommandBarControlPtr& control, ControlEvent event);

    OutlookVersion version_;
    std::shared_ptr<SimHost> host_;
};

}  // namespace tarn::host::sim
