#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "store/captions.h"

namespace tarn::addin {

// A caption of a button: a caption of the language file, or a text that is the same in every
// language.
struct ButtonText {
    std::optional<store::Caption> caption;
    std::u16string_view literal;

    std::u16string In(const store::Captions& captions) const {
        return caption ? captions[*caption] : std::u16string(literal);
    }
};

// One button of one of the add-in's toolbars.
struct ToolbarButton {
    std::u16string_view tag;
    ButtonText caption;
    ButtonText hint;
    std::string_view bitmap;
    int style;
};

inline constexpr std::u16string_view GeneralBar = u"Tarn-General";
inline constexpr std::u16string_view ToolsBar = u"Tarn-Tools";
inline constexpr std::u16string_view MessageBar = u"OrvikSelector";

// The buttons of the main window's toolbars, in order, each with the bar it goes on.
struct PlacedButton {
    std::u16string_view bar;
    ToolbarButton button;
};
extern const std::array<PlacedButton, 11> MainWindowButtons;

// The buttons of a message window's toolbar, in order.
extern const std::array<ToolbarButton, 5> MessageWindowButtons;

// The main window's buttons that only make sense while a mail item is selected.
inline constexpr std::array<std::u16string_view, 4> SelectionButtons = {u"btnGreenFace", u"btnRedFace", u"btnAllowSub",
                                                                        u"btnBanSub"};

}  // namespace tarn::addin
