#include "host/sim/built_in_command_bars.h"

#include <span>
#include <string>
#include <string_view>

namespace tarn::host::sim {

namespace {

struct BuiltInControl {
    ControlType type;
    std::u16string_view caption;
    std::u16string_view tag;
    std::span<const BuiltInControl> inside = {};  // a pop-up's controls
};

struct BuiltInBar {
    std::u16string_view name;
    std::span<const BuiltInControl> controls;
};

constexpr BuiltInControl kFileMenu[] = {
    {ControlType::Button, u"&New", u"Outlook.File.New"},
    {ControlType::Button, u"&Close", u"Outlook.File.Close"},
};
constexpr BuiltInControl kToolsMenu[] = {
    {ControlType::Button, u"&Options...", u"Outlook.Tools.Options"},
};
constexpr BuiltInControl kMenuBar[] = {
    {ControlType::Popup, u"&File", u"Outlook.File", kFileMenu},
    {ControlType::Popup, u"&Tools", u"Outlook.Tools", kToolsMenu},
    {ControlType::Popup, u"&Help", u"Outlook.Help"},
};
constexpr BuiltInControl kExplorerStandard[] = {
    {ControlType::Button, u"&New", u"Outlook.New"},
    {ControlType::Button, u"&Print", u"Outlook.Print"},
    {ControlType::Button, u"&Delete", u"Outlook.Delete"},
};
constexpr BuiltInControl kInspectorStandard[] = {
    {ControlType::Button, u"&Send", u"Outlook.Send"},
    {ControlType::Button, u"&Print", u"Outlook.Print"},
};

constexpr BuiltInBar kExplorerBars[] = {{u"Menu Bar", kMenuBar}, {u"Standard", kExplorerStandard}};
constexpr BuiltInBar kInspectorBars[] = {{u"Standard", kInspectorStandard}};

void AddControls(SimCommandBarControls& controls, std::span<const BuiltInControl> entries) {
    for (const auto& entry : entries) {
        const auto control = controls.Create(entry.type, std::nullopt, false);
        control->State().caption = entry.caption;
        control->State().tag = entry.tag;
        if (control->Children()) AddControls(*control->Children(), entry.inside);
    }
}

std::shared_ptr<SimCommandBars> MakeCommandBars(const std::weak_ptr<SimHost>& host, std::span<const BuiltInBar> bars) {
    auto collection = std::make_shared<SimCommandBars>(host);
    for (const auto& entry : bars) {
        const auto bar = collection->Create(std::u16string(entry.name), BarPosition::Top, false);
        bar->State().visible = true;
        AddControls(bar->Contents(), entry.controls);
    }
    return collection;
}

}  // namespace

std::shared_ptr<SimCommandBars> MakeExplorerCommandBars(const std::weak_ptr<SimHost>& host) {
    return MakeCommandBars(host, kExplorerBars);
}

std::shared_ptr<SimCommandBars> MakeInspectorCommandBars(const std::weak_ptr<SimHost>& host) {
    return MakeCommandBars(host, kInspectorBars);
}

}  // namespace tarn::host::sim
