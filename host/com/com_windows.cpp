// Outlook's windows: explorers with their selection and panes, inspectors with their editors.
#include "host/com/com_objects.h"
#include "host/com/event_sink.h"
#include "host/com/outlook_ids.h"
#include "host/host_error.h"

namespace tarn::host::com {

CommandBarsPtr ComWindow::CommandBars() { return Wrap<ComCommandBars>(Shared(), Object().GetObjectOrNull(u"CommandBars")); }

long ComExplorers::Count() { return Object().GetLong(u"Count"); }

ExplorerPtr ComExplorers::Item(long index) {
    return Wrap<ComExplorer>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

Subscription ComExplorers::OnNewExplorer(NewExplorerHandler handler) {
    return Advise(Object(), DIID_ExplorersEvents, DISPID_NewExplorer, "NewExplorer",
                  [session = Shared(), handler = std::move(handler)](const std::vector<Variant>& arguments) {
                      if (arguments.empty()) throw HostError("Explorers.NewExplorer", "the event brought no explorer");
                      handler(Wrap<ComExplorer>(session, arguments[0].AsDispatch()));
                  });
}

CommandBarsPtr ComExplorer::CommandBars() {
    return Wrap<ComCommandBars>(Shared(), Object().GetObjectOrNull(u"CommandBars"));
}

FolderPtr ComExplorer::CurrentFolder() { return Wrap<ComFolder>(Shared(), Object().GetObject(u"CurrentFolder")); }

std::shared_ptr<host::Selection> ComExplorer::Selection() {
    return Wrap<ComSelection>(Shared(), Object().GetObject(u"Selection"));
}

std::shared_ptr<host::Panes> ComExplorer::Panes() { return Wrap<ComPanes>(Shared(), Object().GetObject(u"Panes")); }

Subscription ComExplorer::OnSelectionChange(Handler handler) {
    return Advise(Object(), DIID_ExplorerEvents_10, DISPID_SelectionChange, "SelectionChange",
                  [handler = std::move(handler)](const std::vector<Variant>&) { handler(); });
}

Subscription ComExplorer::OnClose(Handler handler) {
    return Advise(Object(), DIID_ExplorerEvents_10, DISPID_Close, "Close",
                  [handler = std::move(handler)](const std::vector<Variant>&) { handler(); });
}

long ComSelection::Count() { return Object().GetLong(u"Count"); }

ItemPtr ComSelection::Item(long index) {
    return Wrap<ComItem>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

long ComInspectors::Count() { return Object().GetLong(u"Count"); }

Subscription ComInspectors::OnNewInspector(NewInspectorHandler handler) {
    return Advise(Object(), DIID_InspectorsEvents, DISPID_NewInspector, "NewInspector",
                  [session = Shared(), handler = std::move(handler)](const std::vector<Variant>& arguments) {
                      if (arguments.empty()) throw HostError("Inspectors.NewInspector", "the event brought no inspector");
                      handler(Wrap<ComInspector>(session, arguments[0].AsDispatch()));
                  });
}

CommandBarsPtr ComInspector::CommandBars() {
    return Wrap<ComCommandBars>(Shared(), Object().GetObjectOrNull(u"CommandBars"));
}

ItemPtr ComInspector::CurrentItem() { return Wrap<ComItem>(Shared(), Object().GetObject(u"CurrentItem")); }

std::u16string ComInspector::Caption() { return Object().GetString(u"Caption"); }

bool ComInspector::IsWordMail() { return Object().GetBool(u"IsWordMail"); }

std::u16string ComInspector::WordSelectionText() {
    // WordEditor is Word's Document of this message. Word keeps one selection per window and
    // Application.Selection is the active window's, maybe another message's; the document's own
    // window holds this one's (Microsoft, Word "Selection object" and "Window.Selection";
    // Document.ActiveWindow 0x2A and Window.Selection 0x4 in the generated Word wrappers).
    const AutomationObject document(Shared(), Object().GetObject(u"WordEditor"), "WordEditor");
    const AutomationObject window(Shared(), document.GetObject(u"ActiveWindow"), "Word.Window");
    const AutomationObject selection(Shared(), window.GetObject(u"Selection"), "Word.Selection");
    return selection.GetString(u"Text");
}

std::u16string ComInspector::HtmlSelectionText() {
    // HTMLEditor is the HTML document of the message; its selection's text range holds the text.
    const auto editor = Object().GetObjectOrNull(u"HTMLEditor");
    if (!editor) throw HostError("Inspector.HTMLEditor", "the window has no HTML editor document");
    const AutomationObject document(Shared(), editor, "HTMLDocument");
    const AutomationObject selection(Shared(), document.GetObject(u"selection"), "HTMLSelection");
    const AutomationObject range(Shared(), selection.Call(u"createRange").AsDispatch(), "HTMLTextRange");
    return range.GetString(u"text");
}

long ComPanes::Count() { return Object().GetLong(u"Count"); }

std::shared_ptr<host::Pane> ComPanes::Item(long index) {
    return Wrap<ComPane>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

std::shared_ptr<host::OutlookBarPane> ComPane::QueryOutlookBarPane() {
    // The Outlook Bar is the pane whose Contents has Groups; other panes answer no such member.
    try {
        const AutomationObject contents(Shared(), Object().GetObject(u"Contents"), "OutlookBarStorage");
        contents.GetObject(u"Groups");
        return Wrap<ComOutlookBarPane>(Shared(), platform::ComPtr<IDispatch>(Object().Dispatch()));
    } catch (const HostError&) {
        return nullptr;
    }
}

std::shared_ptr<host::OutlookBarGroups> ComOutlookBarPane::Groups() {
    const AutomationObject contents(Shared(), Object().GetObject(u"Contents"), "OutlookBarStorage");
    return Wrap<ComOutlookBarGroups>(Shared(), contents.GetObject(u"Groups"));
}

long ComOutlookBarGroups::Count() { return Object().GetLong(u"Count"); }

std::shared_ptr<host::OutlookBarGroup> ComOutlookBarGroups::Item(long index) {
    return Wrap<ComOutlookBarGroup>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

std::u16string ComOutlookBarGroup::Name() { return Object().GetString(u"Name"); }

std::shared_ptr<host::OutlookBarShortcuts> ComOutlookBarGroup::Shortcuts() {
    return Wrap<ComOutlookBarShortcuts>(Shared(), Object().GetObject(u"Shortcuts"));
}

long ComOutlookBarShortcuts::Count() { return Object().GetLong(u"Count"); }

std::shared_ptr<host::OutlookBarShortcut> ComOutlookBarShortcuts::Item(long index) {
    return Wrap<ComOutlookBarShortcut>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

std::shared_ptr<host::OutlookBarShortcut> ComOutlookBarShortcuts::Add(host::Folder& target, const std::u16string& name) {
    const auto* folder = dynamic_cast<const ComFolder*>(&target);
    if (folder == nullptr) throw HostError("OutlookBarShortcuts.Add", "the target is not one of Outlook's folders");
    return Wrap<ComOutlookBarShortcut>(
        Shared(), Object().Call(u"Add", {Variant::Dispatch(folder->Automation().Dispatch()), Variant::String(name)}).AsDispatch());
}

std::u16string ComOutlookBarShortcut::Name() { return Object().GetString(u"Name"); }

}  // namespace tarn::host::com
