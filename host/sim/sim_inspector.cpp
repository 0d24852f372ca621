#include "host/sim/sim_inspector.h"

#include <algorithm>
#include <stdexcept>

#include "host/sim/sim_host.h"

namespace tarn::host::sim {

SimInspector::SimInspector(std::weak_ptr<SimHost> host, std::shared_ptr<SimItem> item, InspectorSetup setup,
                           std::shared_ptr<SimCommandBars> bars)
    : SimWindow(std::move(host), "Inspector", std::move(bars)), item_(std::move(item)), setup_(std::move(setup)) {}

ItemPtr SimInspector::CurrentItem() { return Read("CurrentItem", item_); }
std::u16string SimInspector::Caption() { return Read("Caption", setup_.caption); }
bool SimInspector::IsWordMail() { return Read("IsWordMail", setup_.word_mail); }

std::u16string SimInspector::WordSelectionText() {
    Guard("WordSelectionText");
    if (!setup_.word_mail) Fail("WordSelectionText", "the editor is not the word processor");
    return setup_.word_selection;
}

std::u16string SimInspector::HtmlSelectionText() {
    Guard("HtmlSelectionText");
    if (!setup_.html_selection) Fail("HtmlSelectionText", "the window has no HTML document");
    return *setup_.html_selection;
}

SimInspectors::SimInspectors(std::weak_ptr<SimHost> host) : SimObject(std::move(host), "Inspectors") {}

long SimInspectors::Count() {
    Guard("Count");
    return static_cast<long>(open_.size());
}

host::Subscription SimInspectors::OnNewInspector(NewInspectorHandler handler) {
    Guard("OnNewInspector");
    return new_inspector_.Connect(std::move(handler));
}

void SimInspectors::Open(const std::shared_ptr<SimInspector>& inspector) {
    open_.push_back(inspector);
    if (const auto host = Host()) new_inspector_.Post(host->Events(), inspector);
}

bool SimInspectors::IsOpen(const SimInspector& inspector) const noexcept {
    return std::ranges::any_of(open_, [&inspector](const auto& open) { return open.get() == &inspector; });
}

void SimInspectors::Close(const std::shared_ptr<SimInspector>& inspector) {
    if (std::erase(open_, inspector) == 0) throw std::invalid_argument("the inspector is not open");
}

}  // namespace tarn::host::sim
