#include "tools/sim/toolbar_listing.h"

#include <algorithm>
#include <string>

#include "host/constants.h"
#include "platform/codepage.h"
#include "tools/sim/json_text.h"
#include "tools/sim/terminal_text.h"

namespace tarn::tools::sim {

namespace {

std::string StyleName(int style) {
    switch (style) {
        case host::button_style::IconOnly: return "icon only";
        case host::button_style::IconAndCaption: return "icon and caption";
        default: return "style " + std::to_string(style);
    }
}

std::string FaceSize(const host::sim::ControlState& state) {
    if (!state.picture) return "no face";
    return std::to_string(state.picture->width) + "x" + std::to_string(state.picture->height);
}

void PrintButton(std::ostream& out, bool json, const std::u16string& bar, int order, const host::sim::ControlState& state) {
    if (json) {
        out << "{\"toolbar\":" << JsonString(platform::Narrow(bar)) << ",\"order\":" << order
            << ",\"tag\":" << JsonString(platform::Narrow(state.tag)) << ",\"caption\":" << JsonString(platform::Narrow(state.caption))
            << ",\"hint\":" << JsonString(platform::Narrow(state.tooltip_text)) << ",\"style\":" << state.style
            << ",\"enabled\":" << (state.enabled ? "true" : "false") << ",\"visible\":" << (state.visible ? "true" : "false")
            << ",\"face\":" << JsonString(FaceSize(state)) << "}\n";
        return;
    }
    out << "  " << order << "  " << TerminalText(state.tag) << "  \"" << TerminalText(state.caption) << "\"  hint \""
        << TerminalText(state.tooltip_text) << "\"  " << StyleName(state.style) << ", "
        << (state.enabled ? "enabled" : "disabled") << (state.visible ? "" : ", hidden") << ", face " << FaceSize(state)
        << '\n';
}

}  // namespace

void PrintToolbars(std::ostream& out, bool json, AddinSession& session) {
    const auto recorded = session.RecordedBars();
    const auto& bars = session.MainWindow().Bars();
    if (!bars) return;
    for (const auto& bar : bars->Elements()) {
        const auto& state = bar->State();
        if (std::find(recorded.begin(), recorded.end(), platform::Narrow(state.name)) == recorded.end()) continue;
        if (!json) {
            out << "Toolbar \"" << TerminalText(state.name) << "\" (" << (state.visible ? "visible" : "hidden") << ", "
                << bar->Contents().Size() << " buttons)\n";
        }
        int order = 0;
        for (const auto& control : bar->Contents().Elements()) PrintButton(out, json, state.name, ++order, control->State());
    }
}

}  // namespace tarn::tools::sim
