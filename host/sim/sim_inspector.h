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

// How a new inspector is furnished. By default as since Outlook 2007: the editor is Word, and
// there is no HTML editor document.
struct InspectorSetup {
    std::u16string caption = {};
    // Whether the editor is the word processor; otherwise WordSelectionText raises HostError.
    bool word_mail = true;
    // The selection in this message's own Word window.
    std::u16string word_selection = {};
    // Word's application-wide selection: that of whichever Word window is active, maybe another
    // message's; none: this window's own.
    std::optional<std::u16string> application_selection = std::nullopt;
    // The HTML editor's selected text (Outlook 2003 and older, when not editing with Word);
    // empty optional: the window has no HTML document.
    std::optional<std::u16string> html_selection = std::nullopt;
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
