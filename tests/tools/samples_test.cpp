// The project's sample mailbox reads cleanly and has the shapes samples/README.md lists.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/tools/mailbox_entries.h"

namespace tarn::tools::import {
namespace {

namespace fs = std::filesystem;
namespace tag = platform::prop_tag;
using ::testing::HasSubstr;
using ::testing::Not;

const fs::path Samples = fs::path(TARN_TEST_SOURCE_DIR) / "samples";

// The messages of one sample folder by file name; fails the test on any unreadable one.
std::map<std::string, host::sim::PropertyMap> ReadFolder(const std::string& folder) {
    std::map<std::string, host::sim::PropertyMap> messages;
    for (auto& entry : test::ReadAll(Samples / folder)) {
        if (const auto* failure = std::get_if<ImportFailure>(&entry)) {
            ADD_FAILURE() << failure->source.ToString() << ": " << failure->reason;
            continue;
        }
        auto& message = std::get<ImportedMessage>(entry);
        messages[message.source.file.filename().string()] = std::move(message.content.properties);
    }
    return messages;
}

TEST(SampleMailbox, InboxHasTheShapesOfRealMail) {
    auto inbox = ReadFolder("inbox");
    ASSERT_EQ(inbox.size(), 13u);

    EXPECT_EQ(inbox["01-colleague-plain-text.eml"].count(tag::BodyHtml), 0u);
    EXPECT_THAT(inbox["02-newsletter-alternative.eml"][tag::Body], Not(HasSubstr("<")));
    EXPECT_THAT(inbox["02-newsletter-alternative.eml"][tag::BodyHtml], HasSubstr("<li>"));
    EXPECT_THAT(inbox["03-marketing-html-only.eml"][tag::Body],
                HasSubstr("CLICK HERE TO ORDER NOW <http://www.mega-deals.example/watches?id=tom.baker>"));
    EXPECT_THAT(inbox["03-marketing-html-only.eml"][tag::Body], Not(HasSubstr("tracking")));
    EXPECT_EQ(inbox["04-chinese-gb2312.eml"][tag::Subject], std::string(11, '?'));
    EXPECT_THAT(inbox["04-chinese-gb2312.eml"][tag::Body], HasSubstr("http://www.fapiao-daikai.example/"));
    EXPECT_THAT(inbox["05-russian-koi8r.eml"][tag::Subject], HasSubstr(std::string(6, '?') + "-" + std::string(7, '?') + ": "));
    EXPECT_THAT(inbox["06-encoded-word-in-body.eml"][tag::Body], HasSubstr("=?iso-8859-1?Q?caf=E9?="));
    EXPECT_THAT(inbox["06-encoded-word-in-body.eml"][tag::Body], HasSubstr("caf\xE9 next"));
    EXPECT_EQ(inbox["07-pharmacy-sender.eml"][tag::SenderEmailAddress], "offers@cheap-pills.example");
    EXPECT_THAT(inbox["08-casino-invitation.eml"][tag::Body], HasSubstr("casino"));
    EXPECT_THAT(inbox["09-hyperlink-field-text.eml"][tag::Body],
                HasSubstr("HYPERLINK \"http://intranet.example.com/reviews/agenda.docx\"http://"));
    EXPECT_THAT(inbox["10-supplier-invoice.eml"][tag::Body], HasSubstr("attached invoice"));
    EXPECT_THAT(inbox["10-supplier-invoice.eml"][tag::Body], Not(HasSubstr("PDF")));
    EXPECT_THAT(inbox["11-long-report-many-spaces.eml"][tag::Body], HasSubstr("days.          The goal"));
    EXPECT_EQ(inbox["12-several-recipients.eml"][tag::DisplayTo],
              "Tom Baker; Chen, Wei; J\xF6rg M\xFCller; priya.nair@example.com");
    EXPECT_EQ(inbox["13-no-to-header.eml"][tag::DisplayTo], "");
}

TEST(SampleMailbox, SentMessagesComeFromTheOwnerToSeveralRecipients) {
    auto sent = ReadFolder("sent");
    ASSERT_EQ(sent.size(), 2u);
    for (auto& [name, properties] : sent) {
        EXPECT_EQ(properties[tag::SenderEmailAddress], "tom.baker@example.net") << name;
        EXPECT_THAT(properties[tag::DisplayTo], HasSubstr("; ")) << name;
        EXPECT_THAT(properties[tag::TransportMessageHeaders], Not(HasSubstr("Received:"))) << name;
    }
}

}  // namespace
}  // namespace tarn::tools::import
