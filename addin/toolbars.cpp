#include "addin/toolbars.h"

#include "host/constants.h"

namespace tarn::addin {

namespace {

using store::Caption;
constexpr int IconOnly = host::button_style::IconOnly;
constexpr int IconAndCaption = host::button_style::IconAndCaption;
constexpr ButtonText ProductName{std::nullopt, u"Orvik' Tarn"};
constexpr ButtonText NoHint{std::nullopt, u""};

constexpr ButtonText Text(Caption caption) { return {caption, {}}; }

}  // namespace

const std::array<PlacedButton, 11> MainWindowButtons = {{
    {GeneralBar, {u"btnAbout", ProductName, Text(Caption::btnAboutHint), "ORVIK", IconAndCaption}},
    {GeneralBar, {u"btnSettings", Text(Caption::btnSettings), Text(Caption::btnSettingsHint), "OPTIONS", IconAndCaption}},
    {GeneralBar,
     {u"btnGreenFace", Text(Caption::btnProtectSender), Text(Caption::btnProtectSenderHint), "GREENFACE", IconAndCaption}},
    {GeneralBar,
     {u"btnRedFace", Text(Caption::btnForbidSender), Text(Caption::btnForbidSenderHint), "REDFACE", IconAndCaption}},
    {GeneralBar,
     {u"btnAllowSub", Text(Caption::btnAllowWord), Text(Caption::btnAllowWordHint), "GREENENVELOPE", IconAndCaption}},
    {GeneralBar, {u"btnBanSub", Text(Caption::btnBanWord), Text(Caption::btnBanWordHint), "REDENVELOPE", IconAndCaption}},
    {GeneralBar, {u"btnInfo", Text(Caption::btnHelp), Text(Caption::btnHelpHint), "INFO", IconAndCaption}},
    {ToolsBar,
     {u"btnProCur", Text(Caption::btnProtectCurrent), Text(Caption::btnProtectCurrentHint), "PROCUR", IconAndCaption}},
    {ToolsBar,
     {u"btnDoCurFold", Text(Caption::btnAnalyzeCurrent), Text(Caption::btnAnalyzeCurrentHint), "TARNFOLDER",
      IconAndCaption}},
    {ToolsBar,
     {u"btnCurrentReport", Text(Caption::btnProduceCurrent), Text(Caption::btnProduceCurrentHint), "REPORT",
      IconAndCaption}},
    {ToolsBar,
     {u"btnQuarantine", Text(Caption::btnEmptyQuarantine), Text(Caption::btnEmptyQuarantineHint), "EMPTYQ",
      IconAndCaption}},
}};

const std::array<ToolbarButton, 5> MessageWindowButtons = {{
    {u"btnAbout", ProductName, Text(Caption::btnAboutHint), "ORVIK", IconOnly},
    {u"OrvikPlus", Text(Caption::btnAllowWord), NoHint, "GREENENVELOPE", IconAndCaption},
    {u"OrvikMinus", Text(Caption::btnBanWord), NoHint, "REDENVELOPE", IconAndCaption},
    {u"btnGreenFace", Text(Caption::btnProtectSender), Text(Caption::btnProtectSenderHint), "GREENFACE", IconAndCaption},
    {u"btnRedFace", Text(Caption::btnForbidSender), Text(Caption::btnForbidSenderHint), "REDFACE", IconAndCaption},
}};

}  // namespace tarn::addin
