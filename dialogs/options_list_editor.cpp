#include "dialogs/options_list_editor.h"

#include <algorithm>
#include <ranges>

#include "platform/codepage.h"
#include "platform/files.h"
#include "store/sorted_text_list.h"

namespace tarn::dialogs {

OptionsListEditor::OptionsListEditor(OptionsView& view, ListEditor editor, store::ListKind kind,
                                     const store::UserLists& lists)
    : view_(view), editor_(editor), kind_(kind), lists_(lists) {}

void OptionsListEditor::Fill() {
    std::vector<std::u16string> lines;
    for (const auto& line : lists_.ReadListFile(kind_)) lines.push_back(platform::Widen(line));
    view_.SetLines(editor_, lines);
    filled_ = true;
}

void OptionsListEditor::EntryMouseDown() { view_.SelectAllOfEntry(editor_); }

void OptionsListEditor::ListClick() {
    const int caret = view_.CaretLine(editor_);
    const auto lines = view_.Lines(editor_);
    if (caret < 0 || static_cast<std::size_t>(caret) >= lines.size()) return;
    view_.SetEntryText(editor_, lines[static_cast<std::size_t>(caret)]);
}

void OptionsListEditor::Add() {
    auto lines = view_.Lines(editor_);
    const std::string entry = platform::Narrow(view_.EntryText(editor_));
    // The position under the lists' own order, which compares as the lists compare.
    std::vector<std::string> narrowed;
    for (const auto& line : lines) narrowed.push_back(platform::Narrow(line));
    store::SortedTextList sorted;
    sorted.Assign(std::move(narrowed));
    if (!sorted.IndexOf(entry)) {
        const auto position = sorted.Add(entry).index;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(std::min(position, lines.size())), platform::Widen(entry));
        view_.SetLines(editor_, lines);
    }
    WriteFile();
}

void OptionsListEditor::KeyDown(bool delete_key) {
    if (delete_key) {
        auto lines = view_.Lines(editor_);
        auto selected = view_.SelectedLines(editor_);
        std::ranges::sort(selected, std::greater<>());
        for (const std::size_t line : selected) {
            if (line < lines.size()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
        }
        view_.SetLines(editor_, lines);
    }
    WriteFile();
}

void OptionsListEditor::RefreshCount(const std::u16string& members_caption) {
    view_.SetCountLabel(editor_, platform::Widen(std::to_string(view_.Lines(editor_).size())) + u" " + members_caption);
}

void OptionsListEditor::WriteFile() {
    const auto path = lists_.FilePath(kind_);
    if (!filled_) {
        throw platform::FileError("The list file \"" + platform::DisplayPath(path) +
                                  "\" could not be read when the options opened; it is left as it is so that none "
                                  "of its entries is lost.");
    }
    std::vector<std::string> lines;
    for (const auto& line : view_.Lines(editor_)) lines.push_back(platform::Narrow(line));
    lists_.WriteListFile(kind_, lines);
}

}  // namespace tarn::dialogs
