#include "win/views/win32_options_view.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dialogs/dialog_error.h"
#include "platform/codepage.h"
#include "platform/win32/own_module.h"
#include "win/views/access_keys.h"
#include "win/views/view_resources.h"
#include "win/views/view_scope.h"

namespace tarn::win {

namespace {

using dialogs::CheckBox;
using dialogs::ListEditor;
using dialogs::RadioGroup;

constexpr int MainWindow = -1;
constexpr int SendersPage = 0;
constexpr int WordsPage = 1;
constexpr int LanguagesPage = 2;

constexpr std::array<int, 8> PageTemplates = {IDD_PAGE_LISTS,      IDD_PAGE_LISTS,      IDD_PAGE_LANGUAGES,
                                              IDD_PAGE_QUARANTINE, IDD_PAGE_LOGBOOKS,   IDD_PAGE_ADDRESSBOOK,
                                              IDD_PAGE_CHECKS,     IDD_PAGE_CHECKS};

// A list page holds two editors under its inner tabs; the second editor's controls follow the
// first's identifiers at this distance.
constexpr int SecondEditorOffset = IDC_COUNT_SECOND - IDC_COUNT_FIRST;

int ListPageOf(ListEditor editor) {
    return editor == ListEditor::BannedSenders || editor == ListEditor::FriendSenders ? SendersPage : WordsPage;
}
int InnerTabOf(ListEditor editor) {
    return editor == ListEditor::BannedSenders || editor == ListEditor::ForbiddenWords ? 0 : 1;
}
ListEditor EditorAt(int list_page, int inner_tab) {
    if (list_page == SendersPage) return inner_tab == 0 ? ListEditor::BannedSenders : ListEditor::FriendSenders;
    return inner_tab == 0 ? ListEditor::ForbiddenWords : ListEditor::ProtectedWords;
}

struct RadioPlace {
    int page;
    int group_box;
    int first_radio;
    int radios;
};

RadioPlace PlaceOf(RadioGroup group) {
    switch (group) {
        case RadioGroup::MoveTo: return {3, IDC_GROUP_FIRST, IDC_RADIO_FIRST, 2};
        case RadioGroup::ReportingMode: return {4, IDC_GROUP_FIRST, IDC_RADIO_FIRST, 2};
        case RadioGroup::ReportingInterval: break;
    }
    return {4, IDC_GROUP_SECOND, IDC_RADIO_SECOND, 6};
}

constexpr std::array<RadioGroup, 3> RadioGroups = {RadioGroup::MoveTo, RadioGroup::ReportingMode,
                                                   RadioGroup::ReportingInterval};

struct CheckPlace {
    int page;
    int control;
};

CheckPlace PlaceOf(CheckBox box) {
    switch (box) {
        case CheckBox::NotInList: return {6, IDC_CHECK_FIRST};
        case CheckBox::NotEnglish: return {6, IDC_CHECK_SECOND};
        case CheckBox::Pause: return {7, IDC_CHECK_FIRST};
        case CheckBox::Splash: return {7, IDC_CHECK_SECOND};
        case CheckBox::Learning: break;
    }
    return {7, IDC_CHECK_THIRD};
}

constexpr std::array<CheckBox, 5> CheckBoxes = {CheckBox::NotInList, CheckBox::NotEnglish, CheckBox::Pause,
                                                CheckBox::Splash, CheckBox::Learning};

// The fixed captions the presenter names: a control of a page, or an inner tab of a list page.
// A button's caption is shown with an access key.
struct CaptionPlace {
    std::string_view name;
    int page;
    int control;    // 0 for an inner tab
    int inner_tab;  // for an inner tab
    bool button;
};

constexpr std::array<CaptionPlace, 9> CaptionPlaces = {{
    {"btnhelp", MainWindow, IDC_BTNHELP, 0, true},
    {"btnClose", MainWindow, IDC_BTNCLOSEOPTIONS, 0, true},
    {"PnlGenSet", MainWindow, IDC_PNLGENSET, 0, false},
    {"lblAlphabets", LanguagesPage, IDC_LBLALPHABETS, 0, false},
    {"BtnScanAddressBook", 5, IDC_BTNSCANADDRESSBOOK, 0, true},
    {"tabBlackList", SendersPage, 0, 0, false},
    {"tabWhiteList", SendersPage, 0, 1, false},
    {"tabBanWords", WordsPage, 0, 0, false},
    {"tabProtectWords", WordsPage, 0, 1, false},
}};

constexpr wchar_t ListTip[] = L"DEL to delete a line";
// The banner across the top, in dialog units of the template.
constexpr RECT BannerUnits{0, 0, 395, 35};

// Subclass identifiers of the editors' entry fields and list boxes: the kind plus the editor.
constexpr UINT_PTR EntrySubclass = 0x10;
constexpr UINT_PTR ListSubclass = 0x20;

std::size_t At(auto value) { return static_cast<std::size_t>(value); }

BOOL CALLBACK SetFontOfChild(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

}  // namespace

Win32OptionsView::Win32OptionsView(platform::Diagnostics& diagnostics)
    : diagnostics_(diagnostics), banner_brush_(CreateSolidBrush(RGB(255, 255, 255))) {}

// --- What the presenter sets: kept, and shown while the window exists ---------------------

void Win32OptionsView::SetFont(std::uint8_t char_set, bool shell_dialog_font) {
    state_.char_set = char_set;
    state_.shell_dialog_font = shell_dialog_font;
    if (window_ != nullptr) ApplyFonts();
}

void Win32OptionsView::SetTopicCaption(int topic, const std::u16string& caption) {
    if (topic < 0 || At(topic) >= state_.topics.size()) return;
    state_.topics[At(topic)] = caption;
    if (window_ != nullptr) ShowTopic(topic);
}

void Win32OptionsView::SetActivePage(int page) {
    state_.active_page = std::clamp(page, 0, PageCount - 1);
    if (window_ != nullptr) ShowPage();
}

void Win32OptionsView::SetBannerTitle(const std::u16string& text) {
    state_.banner_title = text;
    if (window_ != nullptr) ShowBanner();
}

void Win32OptionsView::SetBannerHint(const std::u16string& text) {
    state_.banner_hint = text;
    if (window_ != nullptr) ShowBanner();
}

void Win32OptionsView::SetCaption(const std::string& control, const std::u16string& caption) {
    state_.captions[control] = caption;
    if (window_ != nullptr) ShowCaption(control);
}

void Win32OptionsView::SetAlphabetTicked(std::size_t item, bool ticked) {
    if (item >= state_.alphabets.size()) return;
    state_.alphabets[item] = ticked;
    if (window_ != nullptr) ShowAlphabet(item);
}

bool Win32OptionsView::AlphabetTicked(std::size_t item) const {
    return item < state_.alphabets.size() && state_.alphabets[item];
}

void Win32OptionsView::SetRadioCaptions(RadioGroup group, const std::u16string& caption,
                                        const std::vector<std::u16string>& items) {
    auto& radio = state_.radios[At(group)];
    radio.caption = caption;
    radio.items = items;
    if (window_ != nullptr) ShowRadio(group);
}

void Win32OptionsView::SetRadioIndex(RadioGroup group, int index) {
    state_.radios[At(group)].index = index;
    if (window_ != nullptr) ShowRadio(group);
}

int Win32OptionsView::RadioIndex(RadioGroup group) const { return state_.radios[At(group)].index; }

void Win32OptionsView::SetRadioEnabled(RadioGroup group, bool enabled) {
    state_.radios[At(group)].enabled = enabled;
    if (window_ != nullptr) ShowRadio(group);
}

void Win32OptionsView::SetCheckCaption(CheckBox box, const std::u16string& caption) {
    state_.checks[At(box)].caption = caption;
    if (window_ != nullptr) ShowCheck(box);
}

void Win32OptionsView::SetChecked(CheckBox box, bool checked) {
    state_.checks[At(box)].checked = checked;
    if (window_ != nullptr) ShowCheck(box);
}

bool Win32OptionsView::Checked(CheckBox box) const { return state_.checks[At(box)].checked; }

void Win32OptionsView::SetLines(ListEditor editor, const std::vector<std::u16string>& lines) {
    auto& record = state_.editors[At(editor)];
    record.lines = lines;
    record.selected.clear();
    record.caret = -1;
    if (window_ != nullptr) ShowLines(editor);
}

std::vector<std::u16string> Win32OptionsView::Lines(ListEditor editor) const { return state_.editors[At(editor)].lines; }

std::vector<std::size_t> Win32OptionsView::SelectedLines(ListEditor editor) const {
    const auto& selected = state_.editors[At(editor)].selected;
    return {selected.begin(), selected.end()};
}

int Win32OptionsView::CaretLine(ListEditor editor) const { return state_.editors[At(editor)].caret; }

void Win32OptionsView::SetEntryText(ListEditor editor, const std::u16string& text) {
    auto& record = state_.editors[At(editor)];
    record.entry = text;
    record.entry_all_selected = false;
    if (window_ != nullptr) ShowEntry(editor);
}

std::u16string Win32OptionsView::EntryText(ListEditor editor) const { return state_.editors[At(editor)].entry; }

void Win32OptionsView::SelectAllOfEntry(ListEditor editor) {
    state_.editors[At(editor)].entry_all_selected = true;
    if (window_ != nullptr) SendMessageW(EditorControl(editor, IDC_ENTRY_FIRST), EM_SETSEL, 0, -1);
}

void Win32OptionsView::SetCountLabel(ListEditor editor, const std::u16string& text) {
    state_.editors[At(editor)].count_label = text;
    if (window_ != nullptr) ShowCountLabel(editor);
}

dialogs::ModalResult Win32OptionsView::ShowModal() {
    const ViewScope scope;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Owned by Outlook's active window, so that Outlook waits while the dialog is up.
    const INT_PTR shown = DialogBoxParamW(platform::OwnModule(), MAKEINTRESOURCEW(IDD_OPTIONS), GetActiveWindow(),
                                          &ViewDialogProcedure<Win32OptionsView>, reinterpret_cast<LPARAM>(this));
    window_ = nullptr;
    pages_ = {};
    if (shown == -1) {
        throw dialogs::DialogError("the options dialog cannot be shown (system error " + std::to_string(GetLastError()) +
                                   ")");
    }
    return ModalResultOf(shown);
}

void Win32OptionsView::CloseWith(dialogs::ModalResult result) {
    if (window_ != nullptr) EndDialog(window_, DialogCodeOf(result));
}

// --- Making the window ---------------------------------------------------------------------

void Win32OptionsView::Initialise(HWND window) {
    window_ = window;
    updating_ = true;
    CreatePages();
    ShowWindow(Control(6, IDC_CHECK_THIRD), SW_HIDE);  // the special filters have two
    FillTopicList();
    ApplyDpi();
    FillAlphabetList();
    AddListTips();
    banner_picture_ = LoadPicture(IDB_BANNER);
    for (int list_page : {SendersPage, WordsPage}) {
        HWND tabs = Control(list_page, IDC_INNERTABS);
        for (int tab = 0; tab < 2; ++tab) {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<wchar_t*>(L"");
            SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
        }
    }
    for (const auto& place : CaptionPlaces) ShowCaption(std::string(place.name));
    for (std::size_t item = 0; item < state_.alphabets.size(); ++item) ShowAlphabet(item);
    for (const RadioGroup group : RadioGroups) ShowRadio(group);
    for (const CheckBox box : CheckBoxes) ShowCheck(box);
    for (std::size_t editor = 0; editor < dialogs::ListEditorCount; ++editor) {
        ShowLines(static_cast<ListEditor>(editor));
        ShowEntry(static_cast<ListEditor>(editor));
        ShowCountLabel(static_cast<ListEditor>(editor));
    }
    ShowBanner();
    ShowPage();
    updating_ = false;
    SendMessageW(window, DM_REPOSITION, 0, 0);
}

void Win32OptionsView::CreatePages() {
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        HWND made = CreateDialogParamW(platform::OwnModule(), MAKEINTRESOURCEW(PageTemplates[page]), window_,
                                       &ViewDialogProcedure<Win32OptionsView>, reinterpret_cast<LPARAM>(this));
        if (made == nullptr) {
            throw dialogs::DialogError("a page of the options dialog cannot be made (system error " +
                                       std::to_string(GetLastError()) + ")");
        }
        pages_[page] = made;
    }
    for (std::size_t editor = 0; editor < dialogs::ListEditorCount; ++editor) {
        const auto which = static_cast<ListEditor>(editor);
        SetWindowSubclass(EditorControl(which, IDC_ENTRY_FIRST), &EditorControlProcedure, EntrySubclass + editor,
                          reinterpret_cast<DWORD_PTR>(this));
        SetWindowSubclass(EditorControl(which, IDC_LIST_FIRST), &EditorControlProcedure, ListSubclass + editor,
                          reinterpret_cast<DWORD_PTR>(this));
    }
}

// The pages lie over the page area, in the tab order after the topic list.
void Win32OptionsView::PlacePages() {
    RECT area;
    GetWindowRect(GetDlgItem(window_, IDC_PAGEAREA), &area);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&area), 2);
    HWND before = GetDlgItem(window_, IDC_LISTVIEW1);
    for (HWND page : pages_) {
        SetWindowPos(page, before, area.left, area.top, area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE);
        before = page;
    }
}

// What the dialog manager does not scale for a new DPI: the fonts of the language's character
// set, the topic icons, the rescan glyph, and the pages over their scaled area.
void Win32OptionsView::ApplyDpi() {
    ApplyFonts();
    SetTopicIcons();
    rescan_glyph_ = ButtonGlyph(window_, GLYPH_RESCAN);
    SetButtonGlyph(Control(5, IDC_BTNSCANADDRESSBOOK), rescan_glyph_.Get(), BUTTON_IMAGELIST_ALIGN_LEFT);
    PlacePages();
}

void Win32OptionsView::SetTopicIcons() {
    HWND topics = GetDlgItem(window_, IDC_LISTVIEW1);
    // The list destroys the image list it holds when it goes, but not one it is given instead.
    if (HIMAGELIST before = ListView_SetImageList(topics, StripImageList(window_, IDB_TOPICS16, IDB_TOPICS32, PageCount),
                                                  LVSIL_SMALL)) {
        ImageList_Destroy(before);
    }
    RECT client;
    GetClientRect(topics, &client);
    ListView_SetColumnWidth(topics, 0, client.right);
}

void Win32OptionsView::ApplyFonts() {
    // The template's face is the shell dialog font already; the language file's character set
    // makes the font able to show its captions.
    font_ = Font(DialogFontIn(window_, state_.char_set, false));
    title_font_ = Font(DialogFontIn(window_, state_.char_set, true, 1.35));
    EnumChildWindows(window_, &SetFontOfChild, reinterpret_cast<LPARAM>(font_.Get()));
    SendDlgItemMessageW(window_, IDC_LBLTITLE, WM_SETFONT, reinterpret_cast<WPARAM>(title_font_.Get()), TRUE);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32OptionsView::FillTopicList() {
    HWND topics = GetDlgItem(window_, IDC_LISTVIEW1);
    ListView_SetExtendedListViewStyle(topics, LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT |
                                                  LVS_EX_DOUBLEBUFFER);
    LVCOLUMNW column{};
    ListView_InsertColumn(topics, 0, &column);
    for (int topic = 0; topic < PageCount; ++topic) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = topic;
        item.iImage = topic;
        item.pszText = const_cast<wchar_t*>(Wide(state_.topics[At(topic)]));
        ListView_InsertItem(topics, &item);
    }
}

void Win32OptionsView::FillAlphabetList() {
    HWND alphabets = Control(LanguagesPage, IDC_ALPHABETS);
    ListView_SetExtendedListViewStyle(alphabets, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(alphabets, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right;
    ListView_InsertColumn(alphabets, 0, &column);
    for (std::size_t item = 0; item < dialogs::AlphabetNames.size(); ++item) {
        const std::u16string name = platform::Widen(std::string(dialogs::AlphabetNames[item]));
        LVITEMW row{};
        row.mask = LVIF_TEXT;
        row.iItem = static_cast<int>(item);
        row.pszText = const_cast<wchar_t*>(Wide(name));
        ListView_InsertItem(alphabets, &row);
    }
}

// Each list box tells, when the mouse rests on it, how lines are deleted.
void Win32OptionsView::AddListTips() {
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                                platform::OwnModule(), nullptr);
    if (tips == nullptr) return;  // the lists work without their tip
    for (std::size_t editor = 0; editor < dialogs::ListEditorCount; ++editor) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(EditorControl(static_cast<ListEditor>(editor), IDC_LIST_FIRST));
        tool.lpszText = const_cast<wchar_t*>(ListTip);
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// --- Showing the state on the controls -----------------------------------------------------

void Win32OptionsView::ShowTopic(int topic) {
    ListView_SetItemText(GetDlgItem(window_, IDC_LISTVIEW1), topic, 0,
                         const_cast<wchar_t*>(Wide(state_.topics[At(topic)])));
}

void Win32OptionsView::ShowPage() {
    const bool was_updating = std::exchange(updating_, true);
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        ShowWindow(pages_[page], static_cast<int>(page) == state_.active_page ? SW_SHOWNA : SW_HIDE);
    }
    HWND topics = GetDlgItem(window_, IDC_LISTVIEW1);
    ListView_SetItemState(topics, state_.active_page, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    for (int list_page : {SendersPage, WordsPage}) ShowInnerTab(list_page);
    updating_ = was_updating;
}

void Win32OptionsView::ShowInnerTab(int list_page) {
    const int shown = state_.inner_tabs[At(list_page)];
    SendMessageW(Control(list_page, IDC_INNERTABS), TCM_SETCURSEL, static_cast<WPARAM>(shown), 0);
    for (int tab = 0; tab < 2; ++tab) {
        const ListEditor editor = EditorAt(list_page, tab);
        for (int control : {IDC_COUNT_FIRST, IDC_LIST_FIRST, IDC_ENTRY_FIRST, IDC_ADD_FIRST}) {
            ShowWindow(EditorControl(editor, control), tab == shown ? SW_SHOWNA : SW_HIDE);
        }
    }
}

void Win32OptionsView::ShowBanner() {
    SetDlgItemTextW(window_, IDC_LBLTITLE, Wide(state_.banner_title));
    SetDlgItemTextW(window_, IDC_LBLHINT, Wide(state_.banner_hint));
}

void Win32OptionsView::ShowCaption(const std::string& control) {
    const auto place = std::ranges::find(CaptionPlaces, control, &CaptionPlace::name);
    const auto text = state_.captions.find(control);
    if (place == CaptionPlaces.end() || text == state_.captions.end()) return;
    if (place->button) {
        ShowButtonCaptions();
        return;
    }
    if (place->control != 0) {
        SetWindowTextW(Control(place->page, place->control), Wide(text->second));
        return;
    }
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(Wide(text->second));
    SendMessageW(Control(place->page, IDC_INNERTABS), TCM_SETITEMW, static_cast<WPARAM>(place->inner_tab),
                 reinterpret_cast<LPARAM>(&item));
}

void Win32OptionsView::ShowAlphabet(std::size_t item) {
    const bool was_updating = std::exchange(updating_, true);
    ListView_SetCheckState(Control(LanguagesPage, IDC_ALPHABETS), static_cast<UINT>(item),
                           state_.alphabets[item] ? TRUE : FALSE);
    updating_ = was_updating;
}

void Win32OptionsView::ShowRadio(RadioGroup group) {
    const auto& radio = state_.radios[At(group)];
    const RadioPlace place = PlaceOf(group);
    HWND box = Control(place.page, place.group_box);
    SetWindowTextW(box, Wide(radio.caption));
    EnableWindow(box, radio.enabled ? TRUE : FALSE);
    for (int item = 0; item < place.radios; ++item) {
        HWND button = Control(place.page, place.first_radio + item);
        SendMessageW(button, BM_SETCHECK, item == radio.index ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(button, radio.enabled ? TRUE : FALSE);
    }
    ShowButtonCaptions();
}

void Win32OptionsView::ShowCheck(CheckBox box) {
    const auto& check = state_.checks[At(box)];
    const CheckPlace place = PlaceOf(box);
    SendMessageW(Control(place.page, place.control), BM_SETCHECK, check.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowButtonCaptions();
}

// Every button, radio button and check box with its caption and access key: the frame's
// buttons choose first, then each page in its tab order among the keys the frame left, since
// only the shown page's controls answer a key.
void Win32OptionsView::ShowButtonCaptions() {
    std::array<std::vector<std::pair<HWND, std::u16string>>, 8> on_page;
    AccessKeys frame;
    for (const auto& place : CaptionPlaces) {
        const auto text = state_.captions.find(std::string(place.name));
        if (!place.button || text == state_.captions.end()) continue;
        HWND control = Control(place.page, place.control);
        if (place.page == MainWindow) SetWindowTextW(control, Wide(frame.Mark(text->second)));
        else on_page[At(place.page)].emplace_back(control, text->second);
    }
    for (const RadioGroup group : RadioGroups) {
        const auto& items = state_.radios[At(group)].items;
        const RadioPlace place = PlaceOf(group);
        for (int item = 0; item < place.radios; ++item) {
            on_page[At(place.page)].emplace_back(Control(place.page, place.first_radio + item),
                                                 At(item) < items.size() ? items[At(item)] : std::u16string());
        }
    }
    for (const CheckBox box : CheckBoxes) {
        const CheckPlace place = PlaceOf(box);
        on_page[At(place.page)].emplace_back(Control(place.page, place.control), state_.checks[At(box)].caption);
    }
    for (const auto& controls : on_page) {
        AccessKeys keys(frame.Taken());
        for (const auto& [control, caption] : controls) SetWindowTextW(control, Wide(keys.Mark(caption)));
    }
}

void Win32OptionsView::ShowLines(ListEditor editor) {
    HWND list = EditorControl(editor, IDC_LIST_FIRST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const auto& line : state_.editors[At(editor)].lines) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(line)));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void Win32OptionsView::ShowEntry(ListEditor editor) {
    const bool was_updating = std::exchange(updating_, true);
    HWND entry = EditorControl(editor, IDC_ENTRY_FIRST);
    const auto& record = state_.editors[At(editor)];
    SetWindowTextW(entry, Wide(record.entry));
    if (record.entry_all_selected) SendMessageW(entry, EM_SETSEL, 0, -1);
    updating_ = was_updating;
}

void Win32OptionsView::ShowCountLabel(ListEditor editor) {
    SetWindowTextW(EditorControl(editor, IDC_COUNT_FIRST), Wide(state_.editors[At(editor)].count_label));
}

// --- The user's doing ----------------------------------------------------------------------

void Win32OptionsView::Report(const std::function<void(dialogs::OptionsViewEvents&)>& handler) noexcept {
    if (events_ != nullptr) platform::Contain(diagnostics_, "options dialog", [&] { handler(*events_); });
}

void Win32OptionsView::TakeListSelection(ListEditor editor) {
    HWND list = EditorControl(editor, IDC_LIST_FIRST);
    auto& record = state_.editors[At(editor)];
    record.selected.clear();
    const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
    if (count > 0) {
        std::vector<int> selected(At(count));
        SendMessageW(list, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(selected.data()));
        for (const int line : selected) record.selected.insert(At(line));
    }
    const bool empty = SendMessageW(list, LB_GETCOUNT, 0, 0) <= 0;
    record.caret = empty ? -1 : static_cast<int>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
}

bool Win32OptionsView::OnCommand(int page, int control, int code) {
    if (page == MainWindow) {
        switch (control) {
            case IDC_BTNHELP: Report([](auto& events) { events.HelpClick(); }); return true;
            case IDC_BTNCLOSEOPTIONS:
            case IDCANCEL:  // Esc, and the close message
                EndDialog(window_, IDCANCEL);
                return true;
            case IDOK:  // Enter outside an entry field does nothing: only Close and Esc close
                return true;
            default: return false;
        }
    }
    if (page == SendersPage || page == WordsPage) {
        const int slot = control >= IDC_COUNT_SECOND ? 1 : 0;
        const ListEditor editor = EditorAt(page, slot);
        const int first_id = control - slot * SecondEditorOffset;
        if (first_id == IDC_ADD_FIRST && code == BN_CLICKED) {
            Report([editor](auto& events) { events.AddClick(editor); });
        } else if (first_id == IDC_ENTRY_FIRST && code == EN_CHANGE && !updating_) {
            state_.editors[At(editor)].entry = WindowText(EditorControl(editor, IDC_ENTRY_FIRST));
            state_.editors[At(editor)].entry_all_selected = false;
        } else if (first_id == IDC_LIST_FIRST && code == LBN_SELCHANGE) {
            TakeListSelection(editor);
            Report([editor](auto& events) { events.ListClick(editor); });
        } else {
            return false;
        }
        return true;
    }
    if (code != BN_CLICKED) return false;
    if (control == IDC_BTNSCANADDRESSBOOK) {
        Report([](auto& events) { events.RescanClick(); });
        return true;
    }
    for (const RadioGroup group : RadioGroups) {
        const RadioPlace place = PlaceOf(group);
        if (page != place.page || control < place.first_radio || control >= place.first_radio + place.radios) continue;
        state_.radios[At(group)].index = control - place.first_radio;
        if (group == RadioGroup::ReportingMode) Report([](auto& events) { events.ReportingModeClick(); });
        return true;
    }
    for (const CheckBox box : CheckBoxes) {
        const CheckPlace place = PlaceOf(box);
        if (page != place.page || control != place.control) continue;
        state_.checks[At(box)].checked = SendMessageW(Control(page, control), BM_GETCHECK, 0, 0) == BST_CHECKED;
        return true;
    }
    return false;
}

bool Win32OptionsView::OnNotify(int page, const NMHDR& notice) {
    if (updating_) return false;
    if (page == MainWindow && notice.idFrom == IDC_LISTVIEW1 && notice.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
        // The list reports the topic left and the topic chosen; only the chosen one matters.
        if ((change.uChanged & LVIF_STATE) != 0 && (change.uNewState & LVIS_SELECTED) != 0 &&
            (change.uOldState & LVIS_SELECTED) == 0) {
            const int topic = change.iItem;
            Report([topic](auto& events) { events.TopicSelected(topic); });
        }
        return true;
    }
    if (page == LanguagesPage && notice.idFrom == IDC_ALPHABETS && notice.code == LVN_ITEMCHANGED) {
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
        if ((change.uChanged & LVIF_STATE) == 0 || ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) == 0 ||
            change.iItem < 0 || At(change.iItem) >= state_.alphabets.size()) {
            return true;
        }
        state_.alphabets[At(change.iItem)] = ListView_GetCheckState(notice.hwndFrom, change.iItem) != FALSE;
        Report([](auto& events) { events.AlphabetTickChanged(); });
        return true;
    }
    if ((page == SendersPage || page == WordsPage) && notice.idFrom == IDC_INNERTABS && notice.code == TCN_SELCHANGE) {
        const LRESULT shown = SendMessageW(notice.hwndFrom, TCM_GETCURSEL, 0, 0);
        state_.inner_tabs[At(page)] = shown == 1 ? 1 : 0;
        ShowInnerTab(page);
        Report([](auto& events) { events.InnerTabChanged(); });
        return true;
    }
    return false;
}

// The entry fields report a press of the mouse once they have placed the caret, so that the
// presenter's selection of the whole text stands, and take Enter as a press of their "+"
// button; the list boxes report a key before acting on it.
LRESULT CALLBACK Win32OptionsView::EditorControlProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                                          UINT_PTR subclass, DWORD_PTR view_data) {
    auto* view = reinterpret_cast<Win32OptionsView*>(view_data);
    const auto editor = static_cast<ListEditor>(subclass & 0x0F);
    const bool entry = (subclass & ~UINT_PTR{0x0F}) == EntrySubclass;
    if (message == WM_NCDESTROY) RemoveWindowSubclass(control, &EditorControlProcedure, subclass);
    if (entry && wparam == VK_RETURN) {
        if (message == WM_GETDLGCODE) return DefSubclassProc(control, message, wparam, lparam) | DLGC_WANTALLKEYS;
        if (message == WM_KEYDOWN) view->Report([editor](auto& events) { events.AddClick(editor); });
        if (message == WM_KEYDOWN || message == WM_CHAR) return 0;
    }
    if (!entry && message == WM_KEYDOWN) {
        view->TakeListSelection(editor);
        const bool delete_key = wparam == VK_DELETE;
        view->Report([editor, delete_key](auto& events) { events.ListKeyDown(editor, delete_key); });
    }
    const LRESULT result = DefSubclassProc(control, message, wparam, lparam);
    if (entry && message == WM_LBUTTONDOWN) view->Report([editor](auto& events) { events.EntryMouseDown(editor); });
    return result;
}

// --- The window ----------------------------------------------------------------------------

int Win32OptionsView::PageOf(HWND window) const {
    const auto found = std::ranges::find(pages_, window);
    return found == pages_.end() ? MainWindow : static_cast<int>(found - pages_.begin());
}

HWND Win32OptionsView::Control(int page, int control) const {
    return GetDlgItem(page == MainWindow ? window_ : pages_[At(page)], control);
}

HWND Win32OptionsView::EditorControl(ListEditor editor, int first_id) const {
    return Control(ListPageOf(editor), first_id + InnerTabOf(editor) * SecondEditorOffset);
}

void Win32OptionsView::PaintBanner() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT banner = BannerUnits;
    MapDialogRect(window_, &banner);
    FillRect(dc, &banner, banner_brush_.Get());
    // The emblem, square, at the banner's right.
    const int side = banner.bottom - Scaled(window_, 8);
    const int left = banner.right - side - Scaled(window_, 6);
    DrawPicture(dc, banner_picture_.Get(), {left, Scaled(window_, 4), left + side, Scaled(window_, 4) + side});
    DrawEdge(dc, &banner, EDGE_ETCHED, BF_BOTTOM);
    EndPaint(window_, &paint);
}

INT_PTR Win32OptionsView::Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_INITDIALOG:
            if (window_ != nullptr) return FALSE;  // a page: the frame sets the focus
            // A window that cannot be made whole is not shown: ShowModal reports it.
            if (!platform::Contain(diagnostics_, "options dialog", [&] { Initialise(window); })) EndDialog(window, -1);
            return TRUE;
        case WM_COMMAND:
            return OnCommand(PageOf(window), LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
        case WM_NOTIFY:
            return OnNotify(PageOf(window), *reinterpret_cast<const NMHDR*>(lparam)) ? TRUE : FALSE;
        case WM_PAINT:
            if (window != window_) return FALSE;
            PaintBanner();
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            const int control = GetDlgCtrlID(reinterpret_cast<HWND>(lparam));
            if (window != window_ || (control != IDC_LBLTITLE && control != IDC_LBLHINT)) return FALSE;
            SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
            return reinterpret_cast<INT_PTR>(banner_brush_.Get());
        }
        case WM_DPICHANGED:
            if (window == window_) PostMessageW(window, ViewDpiChanged, 0, 0);
            return FALSE;
        case ViewDpiChanged:
            ApplyDpi();
            return TRUE;
        case WM_DESTROY:
            if (window == window_) updating_ = true;  // the controls go; the state stays
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace tarn::win
