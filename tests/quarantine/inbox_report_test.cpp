#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/host_error.h"
#include "quarantine/inbox_report.h"
#include "quarantine/report_page_head.h"
#include "tests/support/sim_environment.h"

namespace tarn::quarantine {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class InboxReportTest : public ::testing::Test, protected test_support::SimEnvironment {
protected:
    InboxReport report{dir.Path(), services};
    host::Application& application = *outlook.Application();

    std::size_t Opens() { return platform.Shell().Calls().size(); }
};

TEST_F(InboxReportTest, WithoutRowsNothingIsWrittenOrOpened) {
    report.ProduceInboxReport(application);
    store::Settings settings;
    report.ReportIfDue(application, settings);
    EXPECT_FALSE(std::filesystem::exists(report.PagePath()));
    EXPECT_EQ(Opens(), 0u);
}

TEST_F(InboxReportTest, ThePageListsThePendingRowsAndIsOpened) {
    report.AddRow("<TR><TD>row one</TD></TR>");
    report.AddRow("<TR><TD>row two $NBMSGS$</TD></TR>");
    report.CountSpam();
    report.ProduceInboxReport(application);
    const std::string page = dir.Read("FLUSH.htm");
    EXPECT_TRUE(page.starts_with("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=windows-1252\">\r\n"));
    EXPECT_THAT(page, HasSubstr("\r\n<HTML><BODY><FONT FACE=\"Verdana\">\r\n<STYLE>\r\n"));
    EXPECT_THAT(page, HasSubstr("<H3>IN-box Report for 5/20/2026 9:00:00 AM</H3><BR>\r\n"));
    EXPECT_THAT(page, HasSubstr("Orvik' Tarn found 2 unauthorized messages:"));
    EXPECT_THAT(page, HasSubstr("row two 2<"));  // a placeholder in a row is replaced like the template's own
    EXPECT_THAT(page, HasSubstr("Look under Inbox/Quarantine."));
    EXPECT_TRUE(page.ends_with("</TABLE><HR></H5><FONT SIZE=1>[Orvik' Tarn Log-Book 5/20/2026 9:00:00 AM]</BODY></HTML>"));
    ASSERT_EQ(Opens(), 1u);
    EXPECT_EQ(platform.Shell().Calls()[0].target, report.PagePath().u16string());
    EXPECT_EQ(platform.Shell().Calls()[0].show, platform::ShowCommand::ShowNormal);
    EXPECT_TRUE(report.ReportRows().empty());
    EXPECT_EQ(report.FSpamSinceReport(), 0);
}

TEST_F(InboxReportTest, ThePageDeclaresTheCodePageOfItsRows) {
    InboxReport cyrillic(dir.Path(), services, 1251);
    cyrillic.AddRow("<TR><TD>\xCF\xF0\xE8\xE2\xE5\xF2</TD></TR>");
    cyrillic.ProduceInboxReport(application);
    EXPECT_TRUE(dir.Read("FLUSH.htm").starts_with(
        "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=windows-1251\">\r\n"));
}

TEST(CharsetNameOfCodePage, GivesTheNamesBrowsersKnow) {
    EXPECT_EQ(CharsetNameOfCodePage(1252), "windows-1252");
    EXPECT_EQ(CharsetNameOfCodePage(1250), "windows-1250");
    EXPECT_EQ(CharsetNameOfCodePage(932), "shift_jis");
    EXPECT_EQ(CharsetNameOfCodePage(936), "gb2312");
    EXPECT_EQ(CharsetNameOfCodePage(949), "ks_c_5601-1987");
    EXPECT_EQ(CharsetNameOfCodePage(950), "big5");
    EXPECT_EQ(CharsetNameOfCodePage(874), "windows-874");
    EXPECT_EQ(CharsetNameOfCodePage(65001), "utf-8");
}

TEST_F(InboxReportTest, ASecondReportHoldsOnlyTheRowsThatCameAfterTheFirst) {
    report.AddRow("<TR><TD>first</TD></TR>");
    report.ProduceInboxReport(application);
    report.AddRow("<TR><TD>second</TD></TR>");
    report.ProduceInboxReport(application);
    const std::string page = dir.Read("FLUSH.htm");
    EXPECT_THAT(page, HasSubstr("second"));
    EXPECT_THAT(page, Not(HasSubstr("first")));
    EXPECT_EQ(Opens(), 2u);
}

TEST_F(InboxReportTest, APageThatCannotBeWrittenKeepsTheRowsAndOpensNothing) {
    report.AddRow("<TR><TD>old</TD></TR>");
    report.ProduceInboxReport(application);
    const std::string old_page = dir.Read("FLUSH.htm");
    std::filesystem::remove(report.PagePath());
    std::filesystem::create_directory(report.PagePath());  // nothing can be written there
    report.AddRow("<TR><TD>kept</TD></TR>");
    EXPECT_THROW(report.ProduceInboxReport(application), ReportNotWritten);
    EXPECT_EQ(report.ReportRows().size(), 1u);
    EXPECT_EQ(Opens(), 1u);
    std::filesystem::remove(report.PagePath());
    report.ProduceInboxReport(application);
    EXPECT_THAT(dir.Read("FLUSH.htm"), HasSubstr("kept"));
}

TEST_F(InboxReportTest, AFailedHostCallKeepsTheRows) {
    report.AddRow("<TR><TD>kept</TD></TR>");
    outlook.Faults().Refuse("Folder.Name");
    EXPECT_THROW(report.ProduceInboxReport(application), host::HostError);
    EXPECT_EQ(report.ReportRows().size(), 1u);
    EXPECT_EQ(Opens(), 0u);
}

TEST_F(InboxReportTest, TheTimerAndTheExitReportOnlyWhenTheSettingsAllow) {
    store::Settings settings;
    report.AddRow("<TR><TD>row</TD></TR>");
    for (const auto& change : std::vector<std::function<void(store::Settings&)>>{
             [](store::Settings& s) { s.paused = true; },
             [](store::Settings& s) { s.automatic_report = 1; },
             [](store::Settings& s) { s.reporting_interval = 0; }}) {
        store::Settings held = settings;
        change(held);
        report.ReportIfDue(application, held);
        EXPECT_EQ(Opens(), 0u);
    }
    settings.reporting_interval = 5;  // "Upon exit only": the exit still reports
    report.ReportIfDue(application, settings);
    EXPECT_EQ(Opens(), 1u);
}

TEST(ReportTimerInterval, IsAQuarterHourPerStepAndNeverForNeverAndExitOnly) {
    using std::chrono::milliseconds;
    EXPECT_EQ(ReportTimerInterval(0), milliseconds(0));
    EXPECT_EQ(ReportTimerInterval(1), milliseconds(900000));
    EXPECT_EQ(ReportTimerInterval(4), milliseconds(3600000));
    EXPECT_EQ(ReportTimerInterval(5), milliseconds(0));
}

}  // namespace
}  // namespace tarn::quarantine
