#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/inspector.h"
#include "host/sim/signal.h"
#include "host/sim/sim_item.h"
#include "host/sim/sim_window.h"

namespace tarn::host::sim {

// How a new inspector is furnished.
struct InspectorSetup {
    std::u16string caption = {};
    // Whether the editor is the word processor; otherwise WordSelectionText raises HostError.
    bool word_mail = false;
    std::u16string word_selection = {};
    // The HTML editor's selected text; empty optional: the window has no HTML document.
    std::optional<std::u16string> html_selection = std::u16string();
    bool has_command_bars = true;  // false: CommandBars() gives null
};

class SimInspector final : public SimWindow<host::Inspector> {
public:
    SimInspector(std::weak_ptr<SimHost> host, std::shared_ptr<SimItem> item, InspectorSetup setup,
                 std::shared_ptr<SimCommandBars> bars);

    ItemPtr CurrentItem() override;
    std::u16string Caption() override;
    bool IsWordMail() override;
    std::u16string WordSelectionText() override;
    std::u16string HtmlSelectionText() override;

    // The test host's own view, unguarded.
    InspectorSetup& State() noexcept { return setup_; }

private:
    std::shared_ptr<SimItem> item_;
    InspectorSetup setup_;
};

// The open inspectors, in the order they were opened.
class SimInspectors final : public host::Inspectors, public SimObject {
public:
    explicit SimInspectors(std::weak_ptr<SimHost> host);

    long Count() override;
    host::Subscription OnNewInspector(NewInspectorHandler handler) override;

    // The test host's own view, unguarded.
    const std::vector<std::shared_ptr<SimInspector>>& Elements() const noexcept { return open_; }
    bool IsOpen(const SimInspector& inspector) const noexcept;
    // A new inspector joins the collection; queues NewInspector.
    void Open(const std::shared_ptr<SimInspector>& inspector);
    // The inspector leaves the collection.
    void Close(const std::shared_ptr<SimInspector>& inspector);

private:
    std::vector<std::shared_ptr<SimInspector>> open_;
    Signal<const InspectorPtr&> new_inspector_;
};

}  // namespace tarn::host::sim
