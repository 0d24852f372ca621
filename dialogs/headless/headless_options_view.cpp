#include "dialogs/headless/headless_options_view.h"

#include <algorithm>
#include <charconv>

#include "dialogs/headless/script_player.h"
#include "platform/codepage.h"

namespace tarn::dialogs {

namespace {

struct EditorControls {
    ListEditor editor;
    std::string_view list;
    std::string_view entry;
    std::string_view add;
    int page;
    int inner_tab;
};

constexpr std::array<EditorControls, ListEditorCount> EditorTable = {{
    {ListEditor::BannedSenders, "lbbansenders", "edbansenders", "btnbansenders", 0, 0},
    {ListEditor::FriendSenders, "lboksenders", "edoksenders", "btnoksenders", 0, 1},
    {ListEditor::ForbiddenWords, "lbbanwords", "edbanwords", "btnbanwords", 1, 0},
    {ListEditor::ProtectedWords, "lbprotectwords", "edprotectwords", "btnprotectwords", 1, 1},
}};

struct RadioControl {
    RadioGroup group;
    std::string_view name;
    int page;
};

constexpr std::array<RadioControl, 3> RadioTable = {{
    {RadioGroup::MoveTo, "rdgrpMoveto", 3},
    {RadioGroup::ReportingMode, "rdgrpReportingMode", 4},
    {RadioGroup::ReportingInterval, "rdgrpReportingInterval", 4},
}};

struct CheckControl {
    CheckBox box;
    std::string_view name;
    int page;
};

constexpr std::array<CheckControl, 5> CheckTable = {{
    {CheckBox::NotInList, "cbNotinList", 6},
    {CheckBox::NotEnglish, "cbNotEnglish", 6},
    {CheckBox::Pause, "cbPause", 7},
    {CheckBox::Splash, "cbSplash", 7},
    {CheckBox::Learning, "cbLearning", 7},
}};

constexpr int LanguagesPage = 2;
constexpr int AddressBookPage = 5;
constexpr std::array<std::string_view, 8> PageNames = {"Senders Lists", "Words/expressions", "Languages",
                                                       "Quarantine",    "Log-Books",         "Address-Book",
                                                       "Special Filters", "Miscellaneous"};

std::size_t At(auto value) { return static_cast<std::size_t>(value); }

DialogScriptError Refused(const UserAction& action, const std::string& why) {
    return DialogScriptError(action.control + ": " + why);
}

// The item an action names, by its 0-based index or its caption.
int ItemNamed(const UserAction& action, const std::vector<std::u16string>& items) {
    const std::string text = platform::ToUtf8(action.text);
    int index = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size()) {
        const auto found = std::ranges::find(items, action.text);
        index = found == items.end() ? -1 : static_cast<int>(found - items.begin());
    }
    if (index < 0 || At(index) >= items.size()) throw Refused(action, "it has no item \"" + text + "\"");
    return index;
}

}  // namespace

HeadlessOptionsView::HeadlessOptionsView(std::shared_ptr<OptionsWindowRecord> record, DialogScript script)
    : record_(std::move(record)), script_(std::move(script)) {}

HeadlessOptionsView::~HeadlessOptionsView() { record_->destroyed = true; }

void HeadlessOptionsView::SetEvents(OptionsViewEvents* events) { events_ = events; }

void HeadlessOptionsView::SetFont(std::uint8_t char_set, bool shell_dialog_font) {
    record_->char_set = char_set;
    record_->shell_dialog_font = shell_dialog_font;
}

void HeadlessOptionsView::SetTopicCaption(int topic, const std::u16string& caption) { record_->topics.at(At(topic)) = caption; }
void HeadlessOptionsView::SetActivePage(int page) { record_->active_page = page; }
int HeadlessOptionsView::ActivePage() const { return record_->active_page; }
void HeadlessOptionsView::SetBannerTitle(const std::u16string& text) { record_->banner_title = text; }
void HeadlessOptionsView::SetBannerHint(const std::u16string& text) { record_->banner_hint = text; }
void HeadlessOptionsView::SetCaption(const std::string& control, const std::u16string& caption) {
    record_->captions[control] = caption;
}

void HeadlessOptionsView::SetAlphabetTicked(std::size_t item, bool ticked) { record_->alphabets.at(item) = ticked; }
bool HeadlessOptionsView::AlphabetTicked(std::size_t item) const { return record_->alphabets.at(item); }

void HeadlessOptionsView::SetRadioCaptions(RadioGroup group, const std::u16string& caption,
                                           const std::vector<std::u16string>& items) {
    record_->radios.at(At(group)).caption = caption;
    record_->radios.at(At(group)).items = items;
}

void HeadlessOptionsView::SetRadioIndex(RadioGroup group, int index) { record_->radios.at(At(group)).index = index; }
int HeadlessOptionsView::RadioIndex(RadioGroup group) const { return record_->radios.at(At(group)).index; }
void HeadlessOptionsView::SetRadioEnabled(RadioGroup group, bool enabled) { record_->radios.at(At(group)).enabled = enabled; }
void HeadlessOptionsView::SetCheckCaption(CheckBox box, const std::u16string& caption) { record_->checks.at(At(box)).caption = caption; }
void HeadlessOptionsView::SetChecked(CheckBox box, bool checked) { record_->checks.at(At(box)).checked = checked; }
bool HeadlessOptionsView::Checked(CheckBox box) const { return record_->checks.at(At(box)).checked; }

void HeadlessOptionsView::SetLines(ListEditor editor, const std::vector<std::u16string>& lines) {
    auto& shown = EditorRecord(editor);
    shown.lines = lines;
    shown.selected.clear();
    shown.caret = -1;
}

std::vector<std::u16string> HeadlessOptionsView::Lines(ListEditor editor) const { return EditorRecord(editor).lines; }

std::vector<std::size_t> HeadlessOptionsView::SelectedLines(ListEditor editor) const {
    const auto& selected = EditorRecord(editor).selected;
    return {selected.begin(), selected.end()};
}

int HeadlessOptionsView::CaretLine(ListEditor editor) const { return EditorRecord(editor).caret; }

void HeadlessOptionsView::SetEntryText(ListEditor editor, const std::u16string& text) {
    EditorRecord(editor).entry = text;
    EditorRecord(editor).entry_all_selected = false;
}

std::u16string HeadlessOptionsView::EntryText(ListEditor editor) const { return EditorRecord(editor).entry; }
void HeadlessOptionsView::SelectAllOfEntry(ListEditor editor) { EditorRecord(editor).entry_all_selected = true; }
void HeadlessOptionsView::SetCountLabel(ListEditor editor, const std::u16string& text) { EditorRecord(editor).count_label = text; }

ModalResult HeadlessOptionsView::ShowModal() {
    ++record_->showings;
    record_->result = PlayScript(script_, closing_, record_->refused_action, [this](const UserAction& action) { Take(action); });
    return *record_->result;
}

void HeadlessOptionsView::CloseWith(ModalResult result) { closing_ = result; }

void HeadlessOptionsView::Take(const UserAction& action) {
    using Kind = UserAction::Kind;
    if (events_ == nullptr) throw Refused(action, "the dialog does not answer");
    const auto& name = action.control;
    if (name == "ListView1" && action.kind == Kind::Choose) {
        const std::vector<std::u16string> topics(record_->topics.begin(), record_->topics.end());
        const int topic = ItemNamed(action, topics);
        // The list reports the topic that lost the selection, then the one that gained it.
        events_->TopicSelected(record_->active_page);
        events_->TopicSelected(topic);
        return;
    }
    if (action.kind == Kind::Press && (name == "btnClose" || name == "btnhelp")) {
        if (name == "btnhelp") events_->HelpClick();
        closing_ = closing_.value_or(ModalResult::Cancel);
        return;
    }
    if (action.kind == Kind::Press && name == "BtnScanAddressBook") {
        RequirePage(action, AddressBookPage);
        events_->RescanClick();
        return;
    }
    if (name == "cblblanguages" && (action.kind == Kind::Tick || action.kind == Kind::Untick)) {
        RequirePage(action, LanguagesPage);
        const auto found = std::ranges::find(AlphabetNames, platform::ToUtf8(action.text));
        if (found == AlphabetNames.end()) throw Refused(action, "no alphabet \"" + platform::ToUtf8(action.text) + "\"");
        bool& ticked = record_->alphabets.at(At(found - AlphabetNames.begin()));
        if (ticked == (action.kind == Kind::Tick)) return;  // clicking it would change it back
        ticked = !ticked;
        events_->AlphabetTickChanged();
        return;
    }
    for (const auto& radio : RadioTable) {
        if (name != radio.name || action.kind != Kind::Choose) continue;
        RequirePage(action, radio.page);
        auto& shown = record_->radios.at(At(radio.group));
        if (!shown.enabled) throw Refused(action, "the group is disabled");
        shown.index = ItemNamed(action, shown.items);
        if (radio.group == RadioGroup::ReportingMode) events_->ReportingModeClick();
        return;
    }
    for (const auto& check : CheckTable) {
        if (name != check.name || (action.kind != Kind::Tick && action.kind != Kind::Untick)) continue;
        RequirePage(action, check.page);
        record_->checks.at(At(check.box)).checked = action.kind == Kind::Tick;
        return;
    }
    for (const auto& editor : EditorTable) {
        const bool on_entry = name == editor.entry && action.kind == Kind::Type;
        const bool on_add = name == editor.add && action.kind == Kind::Press;
        const bool on_list = name == editor.list &&
                             (action.kind == Kind::Click || action.kind == Kind::Select || action.kind == Kind::Key);
        if (!on_entry && !on_add && !on_list) continue;
        RequirePage(action, editor.page);
        int& tab = record_->inner_tabs.at(At(editor.page));
        if (tab != editor.inner_tab) {
            tab = editor.inner_tab;
            events_->InnerTabChanged();
        }
        auto& shown = EditorRecord(editor.editor);
        if (on_entry) {
            events_->EntryMouseDown(editor.editor);
            shown.entry = action.text;
            shown.entry_all_selected = false;
        } else if (on_add) {
            events_->AddClick(editor.editor);
        } else if (action.kind == Kind::Key) {
            events_->ListKeyDown(editor.editor, action.text == u"DEL");
        } else if (action.kind == Kind::Click && shown.lines.empty()) {
            events_->ListClick(editor.editor);  // a click in an empty box, under no line
        } else {
            const auto first = At(action.start);
            const auto count = action.kind == Kind::Click ? 1 : At(action.length);
            if (count == 0 || first + count > shown.lines.size()) {
                throw Refused(action, "the list shows " + std::to_string(shown.lines.size()) + " lines");
            }
            shown.selected.clear();
            for (std::size_t line = first; line < first + count; ++line) shown.selected.insert(line);
            shown.caret = static_cast<int>(first + count - 1);
            if (action.kind == Kind::Click) events_->ListClick(editor.editor);
        }
        return;
    }
    throw Refused(action, "the options dialog has no such control, or it cannot do that");
}

void HeadlessOptionsView::RequirePage(const UserAction& action, int page) const {
    if (record_->active_page != page) {
        throw Refused(action, "its page is not shown (choose ListView1 \"" + std::string(PageNames.at(At(page))) +
                                  "\" first)");
    }
}

OptionsWindowRecord::Editor& HeadlessOptionsView::EditorRecord(ListEditor editor) {
    return record_->editors.at(At(editor));
}

const OptionsWindowRecord::Editor& HeadlessOptionsView::EditorRecord(ListEditor editor) const {
    return record_->editors.at(At(editor));
}

}  // namespace tarn::dialogs
