// The whole SpamAssassin public corpus (6,046 messages of real mail, ham and spam) through the
// mailbox reader: every message reads, and reads as mail.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tools/import/mailbox_reader.h"
#include "tools/import/message_importer.h"

namespace tarn::tools::import {
namespace {

namespace fs = std::filesystem;
using ::testing::IsEmpty;

constexpr std::size_t CorpusMessages = 6046;

// "Name:" at the start, the name printable ASCII without spaces, as every header field has.
bool StartsWithHeaderField(const std::string& headers) {
    const auto colon = headers.find(':');
    if (colon == 0 || colon == std::string::npos) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        if (headers[i] <= ' ' || headers[i] > '~') return false;
    }
    return true;
}

TEST(ImportCorpus, ReadsEveryMessageWithHeadersThatStartAtARealHeader) {
    const fs::path corpus = TARN_TEST_CORPUS_DIR;
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;

    std::size_t imported = 0;
    std::vector<std::string> failures;
    std::vector<std::string> not_headers;
    std::vector<std::string> incomplete;
    ReadMailbox(corpus, [&](MailboxEntry entry) {
        if (const auto* failure = std::get_if<ImportFailure>(&entry)) {
            failures.push_back(failure->source.ToString() + ": " + failure->reason);
            return;
        }
        const auto& message = std::get<ImportedMessage>(entry);
        const auto& properties = message.content.properties;
        ++imported;
        for (const auto& property : ImportedProperties) {
            if (property.tag != platform::prop_tag::BodyHtml && !properties.contains(property.tag)) {
                incomplete.push_back(message.source.ToString() + " lacks " + std::string(property.name));
                return;
            }
        }
        const std::string& headers = properties.at(platform::prop_tag::TransportMessageHeaders);
        if (!StartsWithHeaderField(headers) || headers.starts_with("From ")) {
            not_headers.push_back(message.source.ToString());
        }
        // This message's file opens with "From exmh-workers-admin@redhat.com  Thu Aug 22 ...".
        if (message.source.file.filename() == "00001.7c53336b37003a9286aba55d2945844c.txt") {
            EXPECT_TRUE(headers.starts_with("Return-Path: <exmh-workers-admin@spamassassin.taint.org>\n"));
            EXPECT_EQ(properties.at(platform::prop_tag::Subject), "Re: New Sequences Window");
        }
    });

    EXPECT_EQ(imported + failures.size(), CorpusMessages);
    EXPECT_THAT(failures, IsEmpty());
    EXPECT_THAT(not_headers, IsEmpty());
    EXPECT_THAT(incomplete, IsEmpty());
}

}  // namespace
}  // namespace tarn::tools::import
