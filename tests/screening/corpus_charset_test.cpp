// The charset of every message of the SpamAssassin public corpus, as the add-in extracts it
// from the transport headers Outlook stores, against a plain reading of the first "charset="
// parameter of those headers.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "screening/charset.h"
#include "tools/import/mailbox_reader.h"

namespace tarn::screening {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

// The value of the first "charset=" in the headers: an optional blank and quote, then up to a
// quote, a semicolon or whitespace. Empty when there is none.
std::string PlainCharset(const std::string& headers) {
    const auto at = Lower(headers).find("charset=");
    if (at == std::string::npos) return {};
    std::size_t start = at + 8;
    if (start < headers.size() && headers[start] == ' ') ++start;
    if (start < headers.size() && headers[start] == '"') ++start;
    const auto end = headers.find_first_of("\"; \t\r\n", start);
    return headers.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TEST(CorpusCharsets, KnownCharsetsAreExtractedFromEveryMessageThatDeclaresThem) {
    const std::filesystem::path corpus = TARN_TEST_CORPUS_DIR;
    if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "corpus not present: " << corpus;

    const std::set<std::string> sample = {"gb2312", "big5", "koi8-r", "windows-1251", "iso-8859-1", "utf-8"};
    std::map<std::string, int> checked;
    int without_charset = 0;
    int messages = 0;
    tools::import::ReadMailbox(corpus, [&](tools::import::MailboxEntry entry) {
        const auto* message = std::get_if<tools::import::ImportedMessage>(&entry);
        ASSERT_NE(message, nullptr);
        ++messages;
        const auto found = message->content.properties.find(platform::prop_tag::TransportMessageHeaders);
        const std::string headers = found == message->content.properties.end() ? std::string() : found->second;
        const std::string extracted = ExtractCharset(headers);
        const std::string expected = Lower(PlainCharset(headers));
        if (sample.count(expected) != 0) {
            EXPECT_EQ(Lower(extracted), expected) << message->source.ToString();
            ++checked[expected];
        }
        if (Lower(headers).find("charset=") == std::string::npos && headers.find("=?") == std::string::npos) {
            EXPECT_EQ(extracted, "") << message->source.ToString();
            ++without_charset;
        }
    });
    EXPECT_EQ(messages, 6046);
    for (const char* charset : {"gb2312", "koi8-r", "windows-1251", "iso-8859-1", "utf-8"}) {
        EXPECT_GT(checked[charset], 0) << charset;
    }
    EXPECT_GT(checked["iso-8859-1"], 1000);
    EXPECT_GT(without_charset, 1000);
}

}  // namespace
}  // namespace tarn::screening
