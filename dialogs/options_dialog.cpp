#include "dialogs/options_dialog.h"

#include <string_view>

#include "platform/codepage.h"
#include "platform/diagnostics.h"
#include "store/language_file.h"

namespace tarn::dialogs {

namespace {

using store::ListKind;

struct Text {
    std::string_view key;
    std::string_view fallback;
};

struct Topic {
    Text caption;
    Text hint;
};

constexpr std::array<Topic, 8> Topics = {{
    {{"itmSenders", "Senders Lists"}, {"itmSendersHint", "Messages from these senders will be protected or banned..."}},
    {{"itmWords", "Words/expressions"},
     {"itmWordsHint", "Protect words anywhere in a email, or ban them completely..."}},
    {{"itmLanguages", "Languages"}, {"itmLanguagesHint", "Choose alphabet formats to be quarantined or deleted."}},
    {{"itmQuarantine", "Quarantine"}, {"itmQuarantineHint", "Choose which folder to move the spam to..."}},
    {{"itmLogBooks", "Log-Books"},
     {"itmLogBookHint", "Use MANUAL if you wish to generate the report yourself..."}},
    {{"itmAddressBook", "Address-Book"}, {"itmAddressBookHint", "Scan in your contacts to protect them"}},
    {{"itmSpecialFilters", "Special Filters"},
     {"itmSpecialsHint", "Select the special filter you wish to apply by checking the corresponding box"}},
    {{"itmMiscellaneous", "Miscellaneous"},
     {"itmMiscellaneousHint", "Select the option you wish to apply by checking the corresponding box"}},
}};

struct FixedCaption {
    std::string_view control;
    Text text;
};

constexpr std::array<FixedCaption, 9> FixedCaptions = {{
    {"PnlGenSet", {"PnlGeneralSettings", "General Settings"}},
    {"lblAlphabets",
     {"lblAlphabets", "Any email formatted in the alphabet you've ticked will be sent to the Quarantine folder."}},
    {"BtnScanAddressBook", {"btnRescan", "Rescan my OL address-book"}},
    {"btnhelp", {"btnHelp", "Help"}},
    {"btnClose", {"btnClose", "Close"}},
    {"tabBlackList", {"tabBlackList", "Black List"}},
    {"tabWhiteList", {"tabWhiteList", "White List"}},
    {"tabBanWords", {"tabBanWords", "Ban anywhere"}},
    {"tabProtectWords", {"tabProtectWords", "Protect anywhere"}},
}};

struct RadioCaptions {
    RadioGroup group;
    Text caption;
    std::vector<Text> items;
};

const std::array<RadioCaptions, 3>& Radios() {
    static const std::array<RadioCaptions, 3> radios = {{
        {RadioGroup::MoveTo,
         {"rdMoveto", "Move spam messages to"},
         {{"rdMovetoQuarantine", "Quarantine folder"}, {"rdMovetoDeleted", "Deleted Items folder"}}},
        {RadioGroup::ReportingMode,
         {"rdReportMode", "Reporting Mode"},
         {{"rdReportAuto", "Automatic"}, {"rdReportManual", "Manual"}}},
        {RadioGroup::ReportingInterval,
         {"rdReportInterval", "Reporting Interval"},
         {{"rdReportNever", "Never"},
          {"rdReport15", "Every 15 minutes"},
          {"rdReport30", "Every 30 minutes"},
          {"rdReport45", "Every 45 minutes"},
          {"rdReportHour", "Every hour"},
          {"rdReportExit", "Upon exit only"}}},
    }};
    return radios;
}

constexpr std::array<std::pair<CheckBox, Text>, 5> CheckCaptions = {{
    {CheckBox::NotInList, {"cbNotinList", "Block any message whose sender is not in my white list"}},
    {CheckBox::NotEnglish, {"cbNotEnglish", "Block any message written in English"}},
    {CheckBox::Pause, {"btnPause1", "Pause Detection..."}},
    {CheckBox::Splash, {"cbSplash", "Show splash screen at start up"}},
    {CheckBox::Learning, {"cbLearning", "Learn from the senders I protect or forbid"}},
}};

constexpr Text TextBoxPrompt{"TxtGeneralAdd", "Input word(s) here and press button to add..."};
constexpr Text MembersInList{"sMembersInList", "Members in this List"};
constexpr std::size_t AlphabetCount = 12;
constexpr std::u16string_view ErrorCaption = u"Orvik' Tarn!";
constexpr std::string_view HelpFile = "tarn4ol.chm";

// The pages of the list editors, and where the count labels are seen.
constexpr int SendersPage = 0;
constexpr int WordsPage = 1;

// Filled in the order protected words, forbidden words, friend senders, banned senders.
constexpr std::array<ListEditor, ListEditorCount> FillOrder = {ListEditor::ProtectedWords, ListEditor::ForbiddenWords,
                                                               ListEditor::FriendSenders, ListEditor::BannedSenders};

std::u16string Read(const store::LanguageFile& language, const Text& text) {
    return platform::Widen(language.Text(text.key, text.fallback));
}

std::uint8_t Index(int value) { return static_cast<std::uint8_t>(value < 0 ? 0 : value); }

}  // namespace

TfrmOptions::TfrmOptions(std::unique_ptr<OptionsView> view, OptionsServices services, std::uint8_t char_set)
    : view_(std::move(view)),
      services_(std::move(services)),
      editors_{{{*view_, ListEditor::BannedSenders, ListKind::BannedSenders, services_.lists},
                {*view_, ListEditor::FriendSenders, ListKind::FriendSenders, services_.lists},
                {*view_, ListEditor::ForbiddenWords, ListKind::ForbiddenWords, services_.lists},
                {*view_, ListEditor::ProtectedWords, ListKind::ProtectedWords, services_.lists}}} {
    view_->SetEvents(this);
    view_->SetFont(char_set, char_set != 1);
}

void TfrmOptions::ShowSettings() {
    const auto& settings = services_.settings;
    const std::string& groups = settings.alphabet_groups;
    for (std::size_t item = 0; item < groups.size() && item < AlphabetCount; ++item) {
        view_->SetAlphabetTicked(item, groups[item] == '1');
    }
    view_->SetRadioIndex(RadioGroup::MoveTo, settings.move_to_folder);
    view_->SetRadioIndex(RadioGroup::ReportingMode, settings.automatic_report);
    view_->SetRadioIndex(RadioGroup::ReportingInterval, settings.reporting_interval);
    if (settings.automatic_report == 1) view_->SetRadioEnabled(RadioGroup::ReportingInterval, false);
    view_->SetChecked(CheckBox::Pause, settings.paused);
    view_->SetChecked(CheckBox::Splash, settings.show_splash);
    view_->SetChecked(CheckBox::Learning, settings.learning);
    view_->SetChecked(CheckBox::NotEnglish, settings.block_english);
    view_->SetChecked(CheckBox::NotInList, settings.only_address_book);
}

void TfrmOptions::FillLists() {
    try {
        for (const ListEditor editor : FillOrder) Editor(editor).Fill();
    } catch (const std::exception&) {
        // The boxes not yet filled keep their designed content and never write their files.
    }
}

ModalResult TfrmOptions::ShowModal() {
    const store::LanguageFile language(services_.installation_directory);
    for (std::size_t topic = 0; topic < Topics.size(); ++topic) {
        topics_[topic] = Read(language, Topics[topic].caption);
        view_->SetTopicCaption(static_cast<int>(topic), topics_[topic]);
        hints_[topic] = Read(language, Topics[topic].hint);
    }
    for (const auto& fixed : FixedCaptions) view_->SetCaption(std::string(fixed.control), Read(language, fixed.text));
    for (const auto& radio : Radios()) {
        std::vector<std::u16string> items;
        for (const auto& item : radio.items) items.push_back(Read(language, item));
        view_->SetRadioCaptions(radio.group, Read(language, radio.caption), items);
    }
    for (const auto& [box, text] : CheckCaptions) view_->SetCheckCaption(box, Read(language, text));
    const std::u16string prompt = Read(language, TextBoxPrompt);
    for (std::size_t editor = 0; editor < ListEditorCount; ++editor) view_->SetEntryText(static_cast<ListEditor>(editor), prompt);
    members_caption_ = Read(language, MembersInList);
    RefreshCounts();
    view_->SetActivePage(0);
    view_->SetBannerTitle(topics_[0]);
    view_->SetBannerHint(hints_[0]);
    return view_->ShowModal();
}

void TfrmOptions::TakeBackSettings() {
    auto& settings = services_.settings;
    settings.move_to_folder = Index(view_->RadioIndex(RadioGroup::MoveTo));
    settings.automatic_report = Index(view_->RadioIndex(RadioGroup::ReportingMode));
    settings.reporting_interval = Index(view_->RadioIndex(RadioGroup::ReportingInterval));
    settings.paused = view_->Checked(CheckBox::Pause);
    settings.show_splash = view_->Checked(CheckBox::Splash);
    settings.learning = view_->Checked(CheckBox::Learning);
    settings.block_english = view_->Checked(CheckBox::NotEnglish);
    settings.only_address_book = view_->Checked(CheckBox::NotInList);
}

void TfrmOptions::TopicSelected(int topic) {
    if (topic < 0 || static_cast<std::size_t>(topic) >= Topics.size()) return;
    view_->SetActivePage(topic);
    view_->SetBannerTitle(topics_[static_cast<std::size_t>(topic)]);
    view_->SetBannerHint(hints_[static_cast<std::size_t>(view_->ActivePage())]);
    if (topic == SendersPage || topic == WordsPage) RefreshCounts();
}

void TfrmOptions::InnerTabChanged() { RefreshCounts(); }

void TfrmOptions::ReportingModeClick() {
    view_->SetRadioEnabled(RadioGroup::ReportingInterval, view_->RadioIndex(RadioGroup::ReportingMode) == 0);
}

void TfrmOptions::AlphabetTickChanged() {
    std::string groups;
    for (std::size_t item = 0; item < AlphabetCount; ++item) groups += view_->AlphabetTicked(item) ? '1' : '0';
    InEditor([&] { store::StoreAlphabetGroups(services_.registry, services_.settings, groups); });
}

void TfrmOptions::EntryMouseDown(ListEditor editor) { Editor(editor).EntryMouseDown(); }
void TfrmOptions::ListClick(ListEditor editor) { Editor(editor).ListClick(); }

void TfrmOptions::AddClick(ListEditor editor) {
    InEditor([&] {
        Editor(editor).Add();
        lists_changed_ = true;
        RefreshCounts();
    });
}

void TfrmOptions::ListKeyDown(ListEditor editor, bool delete_key) {
    InEditor([&] {
        Editor(editor).KeyDown(delete_key);
        RefreshCounts();
        lists_changed_ = true;
    });
}

void TfrmOptions::RescanClick() {
    services_.settings.load_ol_addresses = true;
    view_->CloseWith(ModalResult::Ok);
}

void TfrmOptions::HelpClick() {
    services_.shell.Open((services_.installation_directory / HelpFile).u16string(), platform::ShowCommand::Restore);
    view_->CloseWith(ModalResult::Cancel);
}

void TfrmOptions::RefreshCounts() {
    for (auto& editor : editors_) editor.RefreshCount(members_caption_);
}

template <class Work>
void TfrmOptions::InEditor(Work&& work) {
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& error) {
        RefreshCounts();
        services_.message_boxes.Show(platform::Widen(error.what()), std::u16string(ErrorCaption),
                                     platform::MessageBoxKind::Error);
    }
}

}  // namespace tarn::dialogs
