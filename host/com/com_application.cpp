// The application, its namespace and its COM add-in list.
#include "host/com/com_objects.h"
#include "host/com/event_sink.h"
#include "host/com/outlook_ids.h"
#include "host/host_error.h"

namespace tarn::host::com {

NamespacePtr ComApplication::GetNamespace(const std::u16string& type) {
    return Wrap<ComNamespace>(Shared(), Object().GetObject(u"GetNamespace", {Variant::String(type)}));
}

NamespacePtr ComApplication::Session() { return Wrap<ComNamespace>(Shared(), Object().GetObject(u"Session")); }

ExplorerPtr ComApplication::ActiveExplorer() {
    return Wrap<ComExplorer>(Shared(), Object().GetObjectOrNull(u"ActiveExplorer"));
}

InspectorPtr ComApplication::ActiveInspector() {
    return Wrap<ComInspector>(Shared(), Object().GetObjectOrNull(u"ActiveInspector"));
}

WindowPtr ComApplication::ActiveWindow() { return Wrap<ComWindow>(Shared(), Object().GetObjectOrNull(u"ActiveWindow")); }

std::shared_ptr<host::Explorers> ComApplication::Explorers() {
    return Wrap<ComExplorers>(Shared(), Object().GetObject(u"Explorers"));
}

std::shared_ptr<host::Inspectors> ComApplication::Inspectors() {
    return Wrap<ComInspectors>(Shared(), Object().GetObject(u"Inspectors"));
}

std::shared_ptr<host::ComAddIns> ComApplication::COMAddIns() {
    return Wrap<ComComAddIns>(Shared(), Object().GetObject(u"COMAddIns"));
}

Subscription ComApplication::OnQuit(std::function<void()> handler) {
    return Advise(Object(), DIID_ApplicationEvents_11, DISPID_Quit, "Quit",
                  [handler = std::move(handler)](const std::vector<Variant>&) { handler(); });
}

FolderPtr ComNamespace::GetDefaultFolder(DefaultFolder folder) {
    return Wrap<ComFolder>(Shared(), Object().GetObject(u"GetDefaultFolder", {Variant::Long(static_cast<long>(folder))}));
}

long ComComAddIns::Count() { return Object().GetLong(u"Count"); }

std::shared_ptr<host::ComAddIn> ComComAddIns::Item(long index) {
    return Wrap<ComComAddIn>(Shared(), Object().GetObject(u"Item", {Variant::Long(index)}));
}

std::u16string ComComAddIn::ProgId() { return Object().GetString(u"ProgId"); }

void ComComAddIn::SetObject(std::shared_ptr<host::AddinObject> object) {
    auto* dispatch = dynamic_cast<DispatchAddinObject*>(object.get());
    if (object && dispatch == nullptr) throw HostError("COMAddIn.Object", "the object is no automation object");
    Object().Put(u"Object", Variant::Dispatch(dispatch != nullptr ? dispatch->Dispatch() : nullptr));
}

}  // namespace tarn::host::com
