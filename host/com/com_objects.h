#pragma once

// Outlook's objects behind the host interfaces, reached through IDispatch. Each adapter holds
// its object and names its members as Outlook's object model does.

#include <memory>
#include <optional>
#include <string>

#include "host/application.h"
#include "host/com/automation_object.h"
#include "host/command_bars.h"
#include "host/explorer.h"
#include "host/folder.h"
#include "host/inspector.h"
#include "host/item.h"
#include "host/mapi_namespace.h"
#include "host/outlook_bar.h"
#include "host/recipients.h"

namespace tarn::host::com {

// What every adapter offers the others: its object, for arguments and events.
class ComObject {
public:
    ComObject(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch, std::string kind)
        : object_(std::move(session), std::move(dispatch), std::move(kind)) {}
    const AutomationObject& Automation() const noexcept { return object_; }

protected:
    ~ComObject() = default;
    const AutomationObject& Object() const noexcept { return object_; }
    const ComSessionPtr& Shared() const noexcept { return object_.Session(); }

private:
    AutomationObject object_;
};

// The add-in's own automation object, as its COM add-in entry's "Object" takes it.
class DispatchAddinObject final : public host::AddinObject {
public:
    explicit DispatchAddinObject(IDispatch* dispatch) : dispatch_(dispatch) {}
    IDispatch* Dispatch() const noexcept { return dispatch_.Get(); }

private:
    platform::ComPtr<IDispatch> dispatch_;
};

// An adapter of another interface sharing this one's session.
template <class Adapter>
std::shared_ptr<Adapter> Wrap(const ComSessionPtr& session, platform::ComPtr<IDispatch> dispatch) {
    return dispatch ? std::make_shared<Adapter>(session, std::move(dispatch)) : nullptr;
}

class ComApplication final : public host::Application, public ComObject {
public:
    ComApplication(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Application") {}
    NamespacePtr GetNamespace(const std::u16string& type) override;
    NamespacePtr Session() override;
    ExplorerPtr ActiveExplorer() override;
    InspectorPtr ActiveInspector() override;
    WindowPtr ActiveWindow() override;
    std::shared_ptr<host::Explorers> Explorers() override;
    std::shared_ptr<host::Inspectors> Inspectors() override;
    std::shared_ptr<host::ComAddIns> COMAddIns() override;
    Subscription OnQuit(std::function<void()> handler) override;
};

class ComNamespace final : public host::Namespace, public ComObject {
public:
    ComNamespace(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Namespace") {}
    FolderPtr GetDefaultFolder(DefaultFolder folder) override;
};

class ComComAddIns final : public host::ComAddIns, public ComObject {
public:
    ComComAddIns(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "COMAddIns") {}
    long Count() override;
    std::shared_ptr<host::ComAddIn> Item(long index) override;
};

class ComComAddIn final : public host::ComAddIn, public ComObject {
public:
    ComComAddIn(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "COMAddIn") {}
    std::u16string ProgId() override;
    void SetObject(std::shared_ptr<host::AddinObject> object) override;
};

class ComFolder final : public host::Folder, public ComObject {
public:
    ComFolder(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Folder") {}
    std::u16string Name() override;
    std::shared_ptr<host::Items> Items() override;
    std::shared_ptr<host::Folders> Folders() override;
    int DefaultItemType() override;
    std::u16string EntryID() override;
};

class ComFolders final : public host::Folders, public ComObject {
public:
    ComFolders(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Folders") {}
    long Count() override;
    FolderPtr Item(long index) override;
    FolderPtr Item(const std::u16string& name) override;
    FolderPtr Add(const std::u16string& name, int type) override;
};

class ComItems final : public host::Items, public ComObject {
public:
    ComItems(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Items") {}
    long Count() override;
    ItemPtr Item(long index) override;
    Subscription OnItemAdd(ItemAddHandler handler) override;
};

class ComItem final : public host::Item, public ComObject {
public:
    ComItem(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Item") {}
    long Class() override;
    std::shared_ptr<platform::MapiObject> MAPIOBJECT() override;
    ItemPtr Move(host::Folder& destination) override;
    void Delete() override;
    std::shared_ptr<host::Recipients> Recipients() override;
    FolderPtr Parent() override;
};

class ComRecipients final : public host::Recipients, public ComObject {
public:
    ComRecipients(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Recipients") {}
    long Count() override;
    RecipientPtr Item(long index) override;
};

class ComRecipient final : public host::Recipient, public ComObject {
public:
    ComRecipient(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Recipient") {}
    std::u16string AddressType() override;
    std::u16string SmtpAddress() override;
    std::u16string Address() override;
};

class ComWindow final : public host::Window, public ComObject {
public:
    ComWindow(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Window") {}
    CommandBarsPtr CommandBars() override;
};

class ComExplorers final : public host::Explorers, public ComObject {
public:
    ComExplorers(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Explorers") {}
    long Count() override;
    ExplorerPtr Item(long index) override;
    Subscription OnNewExplorer(NewExplorerHandler handler) override;
};

class ComExplorer final : public host::Explorer, public ComObject {
public:
    ComExplorer(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Explorer") {}
    CommandBarsPtr CommandBars() override;
    FolderPtr CurrentFolder() override;
    std::shared_ptr<host::Selection> Selection() override;
    std::shared_ptr<host::Panes> Panes() override;
    Subscription OnSelectionChange(Handler handler) override;
    Subscription OnClose(Handler handler) override;
};

class ComSelection final : public host::Selection, public ComObject {
public:
    ComSelection(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Selection") {}
    long Count() override;
    ItemPtr Item(long index) override;
};

class ComInspectors final : public host::Inspectors, public ComObject {
public:
    ComInspectors(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Inspectors") {}
    long Count() override;
    Subscription OnNewInspector(NewInspectorHandler handler) override;
};

class ComInspector final : public host::Inspector, public ComObject {
public:
    ComInspector(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Inspector") {}
    CommandBarsPtr CommandBars() override;
    ItemPtr CurrentItem() override;
    std::u16string Caption() override;
    bool IsWordMail() override;
    std::u16string WordSelectionText() override;
    std::u16string HtmlSelectionText() override;
};

class ComPanes final : public host::Panes, public ComObject {
public:
    ComPanes(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Panes") {}
    long Count() override;
    std::shared_ptr<host::Pane> Item(long index) override;
};

class ComPane final : public host::Pane, public ComObject {
public:
    ComPane(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "Pane") {}
    std::shared_ptr<host::OutlookBarPane> QueryOutlookBarPane() override;
};

class ComOutlookBarPane final : public host::OutlookBarPane, public ComObject {
public:
    ComOutlookBarPane(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "OutlookBarPane") {}
    std::shared_ptr<host::OutlookBarGroups> Groups() override;
};

class ComOutlookBarGroups final : public host::OutlookBarGroups, public ComObject {
public:
    ComOutlookBarGroups(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "OutlookBarGroups") {}
    long Count() override;
    std::shared_ptr<host::OutlookBarGroup> Item(long index) override;
};

class ComOutlookBarGroup final : public host::OutlookBarGroup, public ComObject {
public:
    ComOutlookBarGroup(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "OutlookBarGroup") {}
    std::u16string Name() override;
    std::shared_ptr<host::OutlookBarShortcuts> Shortcuts() override;
};

class ComOutlookBarShortcuts final : public host::OutlookBarShortcuts, public ComObject {
public:
    ComOutlookBarShortcuts(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "OutlookBarShortcuts") {}
    long Count() override;
    std::shared_ptr<host::OutlookBarShortcut> Item(long index) override;
    std::shared_ptr<host::OutlookBarShortcut> Add(host::Folder& target, const std::u16string& name) override;
};

class ComOutlookBarShortcut final : public host::OutlookBarShortcut, public ComObject {
public:
    ComOutlookBarShortcut(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "OutlookBarShortcut") {}
    std::u16string Name() override;
};

class ComCommandBars final : public host::CommandBars, public ComObject {
public:
    ComCommandBars(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "CommandBars") {}
    long Count() override;
    CommandBarPtr Item(long index) override;
    CommandBarPtr Add(const std::u16string& name, BarPosition position, bool temporary) override;
    CommandBarControlPtr FindControl(ControlType type, const std::u16string& tag) override;
};

class ComCommandBar final : public host::CommandBar, public ComObject {
public:
    ComCommandBar(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "CommandBar") {}
    std::u16string Name() override;
    std::u16string NameLocal() override;
    void SetNameLocal(const std::u16string& name) override;
    BarPosition Position() override;
    bool Visible() override;
    void SetVisible(bool visible) override;
    bool Enabled() override;
    void SetEnabled(bool enabled) override;
    std::shared_ptr<host::CommandBarControls> Controls() override;
    void Delete() override;
};

class ComCommandBarControls final : public host::CommandBarControls, public ComObject {
public:
    ComCommandBarControls(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "CommandBarControls") {}
    long Count() override;
    CommandBarControlPtr Item(long index) override;
    CommandBarControlPtr Add(ControlType type, std::optional<long> before, bool temporary) override;
};

// Office's controls come in three interfaces, CommandBarButton, CommandBarComboBox (edits and
// drop-downs too) and CommandBarPopup, whose members of one name may have different DISPIDs
// (Style): only Type, which all share, is asked as a plain CommandBarControl; everything else is
// looked up and remembered under the control's own interface, found from its Type.
class ComCommandBarControl final : public host::CommandBarControl, public ComObject {
public:
    ComCommandBarControl(ComSessionPtr session, platform::ComPtr<IDispatch> dispatch)
        : ComObject(std::move(session), std::move(dispatch), "CommandBarControl") {}
    ControlType Type() override;
    std::u16string Tag() override;
    void SetTag(const std::u16string& tag) override;
    std::u16string Caption() override;
    void SetCaption(const std::u16string& caption) override;
    std::u16string TooltipText() override;
    void SetTooltipText(const std::u16string& text) override;
    std::u16string Parameter() override;
    void SetParameter(const std::u16string& text) override;
    bool Visible() override;
    void SetVisible(bool visible) override;
    bool Enabled() override;
    void SetEnabled(bool enabled) override;
    int Style() override;
    void SetStyle(int style) override;
    void SetPicture(const Picture& picture) override;
    void SetMask(const Picture& mask) override;
    std::shared_ptr<host::CommandBarControls> Controls() override;
    void Delete(bool temporary) override;
    Subscription OnClick(EventHandler handler) override;
    Subscription OnChange(EventHandler handler) override;

private:
    const AutomationObject& Typed();

    std::optional<AutomationObject> typed_;
};

}  // namespace tarn::host::com
