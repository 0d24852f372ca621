#include <gtest/gtest.h>

#include "screening/charset.h"

namespace tarn::screening {
namespace {

TEST(ExtractCharset, FindsTheParameterQuotedOrNotAndDropsQuotesAndBlanks) {
    EXPECT_EQ(ExtractCharset("Content-Type: text/plain; charset=\"big5\"\r\nX-Y: z\r\n"), "big5");
    EXPECT_EQ(ExtractCharset("Content-Type: text/plain; charset=gb2312\n"), "gb2312");
    EXPECT_EQ(ExtractCharset("Content-Type: text/plain; charset= big5\r\n"), "big5");
}

TEST(ExtractCharset, FindsNamesWithHyphens) {
    for (const char* name : {"iso-8859-5", "koi8-r", "windows-1251", "euc-kr", "iso-2022-jp", "ks_c_5601-1987"}) {
        EXPECT_EQ(ExtractCharset(std::string("Content-Type: text/html; charset=") + name + "\r\n"), name);
    }
}

TEST(ExtractCharset, FindsTheParameterInAnyLetterCase) {
    EXPECT_EQ(ExtractCharset("Content-Type: TEXT/PLAIN; CHARSET=big5 \r\n"), "big5");
    EXPECT_EQ(ExtractCharset("content-type: text/plain; Charset=\"KOI8-R\"\n"), "KOI8-R");
}

TEST(ExtractCharset, ANameEndedBySemicolonIsFound) {
    EXPECT_EQ(ExtractCharset("Content-Type: text/plain; charset=utf-8; format=flowed\r\n"), "utf-8");
    EXPECT_EQ(ExtractCharset("Content-Type: text/plain; charset=\"us-ascii\"; format=flowed\r\n"), "us-ascii");
}

TEST(ExtractCharset, TheFirstParameterOfTheHeadersWins) {
    EXPECT_EQ(ExtractCharset("X-A: charset=koi8-r\r\nContent-Type: text/plain; charset=utf-8\r\n"), "koi8-r");
}

TEST(ExtractCharset, AnEncodedSubjectGivesItsNameOnlyWhenShort) {
    // The first Subject pattern matches text with one "?", which names no charset.
    EXPECT_EQ(ExtractCharset("Subject: =?gb2312?B?1tDOxA==?=\r\n"), "");
    EXPECT_EQ(ExtractCharset("Subject: =?xy?Q?abc?=\r\n"), "xy");
}

TEST(ExtractCharset, HeadersWithoutACharsetGiveNone) {
    EXPECT_EQ(ExtractCharset("Content-Type: multipart/alternative; boundary=\"b1\"\r\nSubject: hello\r\n"), "");
    EXPECT_EQ(ExtractCharset(""), "");
    EXPECT_EQ(ExtractCharset("charset=x\r\n"), "");                                      // one letter only
    EXPECT_EQ(ExtractCharset("charset=" + std::string(30, 'a') + "\r\n"), "");         // longer than 20
}

}  // namespace
}  // namespace tarn::screening
