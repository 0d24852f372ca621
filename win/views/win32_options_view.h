#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "dialogs/options_view.h"
#include "dialogs/options_window_state.h"
#include "platform/diagnostics.h"
#include "win/views/dialog_support.h"

namespace tarn::win {

// The options dialog on the screen: a modal tool window, always on top and centred, with a
// white banner, the topic list with its icons, eight pages made from child templates of which
// one is shown at a time, and the Help and Close buttons. The view keeps everything the window
// shows in its state, follows the user's changes there, and pushes the presenter's changes to
// the controls while the window exists: the presenter fills it before the showing and reads it
// afterwards. Close and Esc end the showing with Cancel; Enter in an entry field presses its
// "+" button.
class Win32OptionsView final : public dialogs::OptionsView {
public:
    // A failure of the presenter's handler is written to `diagnostics`: nothing leaves the
    // window procedure into Outlook.
    explicit Win32OptionsView(platform::Diagnostics& diagnostics);

    void SetEvents(dialogs::OptionsViewEvents* events) override { events_ = events; }
    void SetFont(std::uint8_t char_set, bool shell_dialog_font) override;
    void SetTopicCaption(int topic, const std::u16string& caption) override;
    void SetActivePage(int page) override;
    int ActivePage() const override { return state_.active_page; }
    void SetBannerTitle(const std::u16string& text) override;
    void SetBannerHint(const std::u16string& text) override;
    void SetCaption(const std::string& control, const std::u16string& caption) override;
    void SetAlphabetTicked(std::size_t item, bool ticked) override;
    bool AlphabetTicked(std::size_t item) const override;
    void SetRadioCaptions(dialogs::RadioGroup group, const std::u16string& caption,
                          const std::vector<std::u16string>& items) override;
    void SetRadioIndex(dialogs::RadioGroup group, int index) override;
    int RadioIndex(dialogs::RadioGroup group) const override;
    void SetRadioEnabled(dialogs::RadioGroup group, bool enabled) override;
    void SetCheckCaption(dialogs::CheckBox box, const std::u16string& caption) override;
    void SetChecked(dialogs::CheckBox box, bool checked) override;
    bool Checked(dialogs::CheckBox box) const override;
    void SetLines(dialogs::ListEditor editor, const std::vector<std::u16string>& lines) override;
    std::vector<std::u16string> Lines(dialogs::ListEditor editor) const override;
    std::vector<std::size_t> SelectedLines(dialogs::ListEditor editor) const override;
    int CaretLine(dialogs::ListEditor editor) const override;
    void SetEntryText(dialogs::ListEditor editor, const std::u16string& text) override;
    std::u16string EntryText(dialogs::ListEditor editor) const override;
    void SelectAllOfEntry(dialogs::ListEditor editor) override;
    void SetCountLabel(dialogs::ListEditor editor, const std::u16string& text) override;
    dialogs::ModalResult ShowModal() override;
    void CloseWith(dialogs::ModalResult result) override;

    // The dialog procedure of the window and of its pages; see ViewDialogProcedure.
    INT_PTR Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

private:
    static constexpr int PageCount = 8;

    void Initialise(HWND window);
    void CreatePages();
    void PlacePages();
    void ApplyDpi();
    void SetTopicIcons();
    void ApplyFonts();
    void FillTopicList();
    void FillAlphabetList();
    void AddListTips();

    // Each shows one part of the state on its controls; the window shows them all at first.
    void ShowTopic(int topic);
    void ShowPage();
    void ShowInnerTab(int list_page);
    void ShowBanner();
    void ShowCaption(const std::string& control);
    void ShowAlphabet(std::size_t item);
    void ShowRadio(dialogs::RadioGroup group);
    void ShowCheck(dialogs::CheckBox box);
    void ShowButtonCaptions();
    void ShowLines(dialogs::ListEditor editor);
    void ShowEntry(dialogs::ListEditor editor);
    void ShowCountLabel(dialogs::ListEditor editor);

    // The user's doing, taken into the state and reported to the presenter.
    bool OnCommand(int page, int control, int code);
    bool OnNotify(int page, const NMHDR& notice);
    void TakeListSelection(dialogs::ListEditor editor);

    int PageOf(HWND window) const;
    HWND Control(int page, int control) const;
    HWND EditorControl(dialogs::ListEditor editor, int first_id) const;
    void Report(const std::function<void(dialogs::OptionsViewEvents&)>& handler) noexcept;
    void PaintBanner();
    static LRESULT CALLBACK EditorControlProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                                   UINT_PTR subclass, DWORD_PTR view);

    platform::Diagnostics& diagnostics_;
    dialogs::OptionsViewEvents* events_ = nullptr;
    dialogs::OptionsWindowState state_;
    HWND window_ = nullptr;
    std::array<HWND, PageCount> pages_{};
    // Set while the view itself changes controls, whose notifications are then not the user's.
    bool updating_ = false;
    Font font_;
    Font title_font_;
    Brush banner_brush_;
    Bitmap banner_picture_;
    ImageList rescan_glyph_;
};

}  // namespace tarn::win
