#include "commands/analyze_folder.h"

#include <array>
#include <string>

#include "dialogs/progress_window.h"
#include "host/constants.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "quarantine/placeholders.h"
#include "quarantine/quarantine_folder.h"
#include "quarantine/report_page_head.h"
#include "quarantine/report_row.h"
#include "screening/cascade.h"
#include "screening/screening_inputs.h"
#include "screening/text_tools.h"

namespace tarn::commands {

namespace {

// The folder analysis's words for the local tests' verdicts.
constexpr screening::VerdictWords FolderAnalysisWords{">Banned Sender", ">Banned Content", ">Not in Address-Book",
                                                      "-Alphabet",      "-Err. format",    ">Suspicious"};

// Spam waits in slots 1 to 50 (slot 0 stays empty) and moves when 50 are pending.
constexpr std::size_t BatchSlots = 51;
constexpr long BatchSize = 50;

std::u16string Number(long value) { return platform::Widen(std::to_string(value)); }

// One run of the analysis: its window, its report page and its pending batch.
class FolderAnalysisRun {
public:
    FolderAnalysisRun(const CommandContext& context, const ScreeningTools& tools, quarantine::InboxReport& report,
                      host::FolderPtr destination)
        : context_(context), tools_(tools), report_(report), destination_(std::move(destination)) {}

    void Run(const std::filesystem::path& installation_directory) {
        using store::Caption;
        tools_.alphabets.BuildAlphabetTokens(tools_.settings.alphabet_groups);
        StartPage();
        const long count = CurrentFolder(context_.application)->Items()->Count();
        const std::u16string analyzing = Number(count) + u" " + context_.captions[Caption::sTarnanalyzing];
        window_.emplace(context_.dialogs.CreateProgressView(), context_.captions, u"Orvik: " + analyzing);
        window_->SetMaximum(static_cast<int>(count));
        window_->SetSpamLabel(u"Spam");
        window_->SetLegitVisible(true);
        window_->EnableCancel();
        window_->Show();
        try {
            Walk(count, analyzing);
            page_ += "</TABLE><HR></H5><BR><FONT SIZE=1>[Orvik' Tarn Log-Book " + DateTimeText() + "]</BODY></HTML>\r\n";
            quarantine::ReplacePlaceholder(page_, "$nbmsgs$", std::to_string(spam_));
        } catch (...) {
            // What was found stays found: it is moved before the failure goes on.
            MoveBatch();
            throw;
        }
        MoveBatch();
        if (spam_ > 0) WriteAndOpenPage(installation_directory);
    }

private:
    std::string DateTimeText() const { return context_.services.locale.DateTimeText(context_.services.clock.Now()); }

    void StartPage() {
        page_ = quarantine::ReportPageHead(platform::AnsiCodePage());
        std::string heading;
        for (const auto& line : screening::LoadResourceLines("SUBJECTFOLDER")) heading += line + "\r\n";
        quarantine::ReplacePlaceholder(heading, "$date$", DateTimeText());
        quarantine::ReplacePlaceholder(heading, "$Folder$", platform::Narrow(CurrentFolder(context_.application)->Name()));
        page_ += heading;
    }

    void Walk(long count, const std::u16string& analyzing) {
        for (long index = count; index >= 1; --index) {
            if (pending_ >= BatchSize) {
                MoveBatch();
                pending_ = 0;
                window_->SetTitle(analyzing);
            }
            window_->SetPosition(static_cast<int>(count - index));
            window_->Repaint();
            context_.services.pump.ProcessMessages();
            if (window_->Cancelled()) break;
            // The folder is looked up anew: the user may have turned to another one meanwhile.
            const auto item = CurrentFolder(context_.application)->Items()->Item(index);
            if (item->Class() != host::item_class::Mail) continue;
            Screen(item);
        }
    }

    void Screen(const host::ItemPtr& item) {
        const auto& view = context_.view;
        const auto inputs = screening::ReadScreeningInputs(*item, view, context_.services.diagnostics);
        const std::string subject = view.ReadSubject(*item);
        window_->SetDetail(platform::Widen(subject));
        ++good_;
        const screening::CascadeSettings settings{tools_.settings.only_address_book, tools_.settings.block_english,
                                                  context_.services.locale.DecimalSeparator()};
        const auto judgement = screening::RunCascade(*item, subject, inputs, tools_.rules, tools_.alphabets, settings,
                                                     tools_.engine, FolderAnalysisWords);
        using Kind = screening::Judgement::Kind;
        if (judgement.kind == Kind::FriendSender || judgement.kind == Kind::ProtectedWord) return;
        const std::string reason = judgement.reason + ">";
        UpdateLabels();
        if (judgement.Spam()) {
            ++spam_;
            --good_;
            page_ += quarantine::FolderReportRow(view.ReadDisplayTo(*item), subject, reason, view.ReadSenderAddress(*item)) +
                     "\r\n";
            ++pending_;
            batch_[static_cast<std::size_t>(pending_)] = item;
        } else {
            window_->SetLegitLabel(u"OK Email: " + Number(good_));
        }
        window_->SetSpamLabel(u"Spam email: " + Number(spam_));
    }

    void UpdateLabels() {
        window_->SetLegitLabel(u"OK Email: " + Number(good_));
        window_->SetSpamLabel(u"Spam email: " + Number(spam_));
    }

    // Every pending message goes to the destination, adding its row to the pending inbox
    // report. A slot that fails keeps its message for the next batch.
    void MoveBatch() {
        const auto& view = context_.view;
        for (std::size_t slot = 0; slot < BatchSlots; ++slot) {
            window_->SetTitle(context_.captions[store::Caption::sNowmovingSPAM]);
            window_->SetPosition(static_cast<int>(slot));
            auto& item = batch_[slot];
            if (!item) continue;
            platform::Contain(context_.services.diagnostics, "AnalyzeCurrentFolder (moving spam)", [&] {
                window_->SetDetail(Number(static_cast<long>(slot)));
                report_.AddRow(quarantine::MovedSpamRow(view.ReadDisplayTo(*item), view.ReadSubject(*item),
                                                        view.ReadSenderAddress(*item)));
                item->Move(*destination_);
                item.reset();
            });
        }
    }

    // The page names the Inbox's quarantine folder, also when the spam went to Deleted Items.
    // Failures here are written down only: the moves stand.
    void WriteAndOpenPage(const std::filesystem::path& installation_directory) {
        platform::Contain(context_.services.diagnostics, "AnalyzeCurrentFolder (folder report)", [&] {
            const auto inbox = context_.application.GetNamespace(u"MAPI")->GetDefaultFolder(host::DefaultFolder::Inbox);
            quarantine::ReplacePlaceholder(page_, "$Quar$",
                                           platform::Narrow(inbox->Name()) + "/" + platform::Narrow(quarantine::QuarantineName));
            const auto path = installation_directory / "temp.htm";
            platform::ReplaceFileContent(path, page_);
            context_.services.shell.Open(path.u16string(), platform::ShowCommand::ShowNormal);
        });
    }

    const CommandContext& context_;
    const ScreeningTools& tools_;
    quarantine::InboxReport& report_;
    host::FolderPtr destination_;
    std::optional<dialogs::TFRMProcessmsgs> window_;
    std::string page_;
    std::array<host::ItemPtr, BatchSlots> batch_{};
    long pending_ = 0;
    long spam_ = 0;
    long good_ = 0;
};

}  // namespace

void AnalyzeCurrentFolder(const CommandContext& context, const ScreeningTools& tools, quarantine::InboxReport& report,
                          const std::filesystem::path& installation_directory) {
    if (CurrentFolder(context.application)->Items()->Count() == 0) return;
    FolderAnalysisRun run(context, tools, report,
                          quarantine::SpamDestination(context.application, tools.settings.move_to_folder));
    run.Run(installation_directory);
}

}  // namespace tarn::commands
