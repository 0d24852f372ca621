#include "host/sim/sim_application.h"

#include <algorithm>

#include "host/sim/sim_host.h"

namespace tarn::host::sim {

namespace {

// The open window activated last, or null.
template <class Window>
std::shared_ptr<Window> LastActivated(const std::vector<std::shared_ptr<Window>>& open) {
    const auto found = std::ranges::max_element(open, {}, [](const auto& window) { return window->ActivationStamp(); });
    return found == open.end() ? nullptr : *found;
}

}  // namespace

SimApplication::SimApplication(std::weak_ptr<SimHost> host) : SimObject(std::move(host), "Application") {}

NamespacePtr SimApplication::GetNamespace(const std::u16string& type) {
    const auto host = Guard("GetNamespace");
    if (type != u"MAPI") Fail("GetNamespace", "no such namespace");
    return host->Namespace();
}

NamespacePtr SimApplication::Session() { return Guard("Session")->Namespace(); }

ExplorerPtr SimApplication::ActiveExplorer() { return LastActivated(Guard("ActiveExplorer")->Explorers()->Elements()); }

InspectorPtr SimApplication::ActiveInspector() {
    return LastActivated(Guard("ActiveInspector")->Inspectors()->Elements());
}

WindowPtr SimApplication::ActiveWindow() {
    const auto host = Guard("ActiveWindow");
    const auto explorer = LastActivated(host->Explorers()->Elements());
    const auto inspector = LastActivated(host->Inspectors()->Elements());
    if (!explorer || !inspector) return explorer ? WindowPtr(explorer) : WindowPtr(inspector);
    return explorer->ActivationStamp() > inspector->ActivationStamp() ? WindowPtr(explorer) : WindowPtr(inspector);
}

std::shared_ptr<host::Explorers> SimApplication::Explorers() { return Guard("Explorers")->Explorers(); }

std::shared_ptr<host::Inspectors> SimApplication::Inspectors() { return Guard("Inspectors")->Inspectors(); }

ApplicationPtr SimApplication::AsOutlookApplication() { return shared_from_this(); }

std::shared_ptr<host::ComAddIns> SimApplication::COMAddIns() { return Guard("COMAddIns")->ComAddIns(); }

host::Subscription SimApplication::OnQuit(std::function<void()> handler) {
    Guard("OnQuit");
    return quit_.Connect(std::move(handler));
}

void SimApplication::PostQuit() {
    if (const auto host = Host()) quit_.Post(host->Events());
}

}  // namespace tarn::host::sim
