// The importer on the shapes real mail takes, malformed mail included.
#include "tools/import/message_importer.h"

#include <gtest/gtest.h>

#include <string>

namespace tarn::tools::import {
namespace {

namespace tag = platform::prop_tag;

std::string Property(const host::sim::PropertyMap& properties, platform::PropTag property) {
    const auto found = properties.find(property);
    return found == properties.end() ? "<absent>" : found->second;
}

std::string Imported(const std::string& raw, platform::PropTag property) {
    return Property(ImportMessage(raw).properties, property);
}

// A literal's bytes, NULs included.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    return out;
}

std::string WithSubject(const std::string& subject) {
    return "From: jane@example.com\nSubject: " + subject + "\n\nbody\n";
}

// --- Subject --------------------------------------------------------------------------------

TEST(ImportSubject, DecodesEncodedWordsOfEachCharsetIntoTheCodePage) {
    EXPECT_EQ(Imported(WithSubject("=?UTF-8?B?R3LDvMOfZSBhdXMgS8O2bG4=?="), tag::Subject),
              "Gr\xFC\xDF" "e aus K\xF6ln");
    EXPECT_EQ(Imported(WithSubject("=?iso-8859-1?Q?Caf=E9_cr=E8me?="), tag::Subject), "Caf\xE9 cr\xE8me");
    EXPECT_EQ(Imported(WithSubject("=?windows-1252?Q?=93quoted=94?="), tag::Subject), "\x93quoted\x94");
    EXPECT_EQ(Imported(WithSubject("=?utf-8?B?4oKsIDEwMA==?="), tag::Subject), "\x80 100");  // the euro sign
}

TEST(ImportSubject, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(Imported(WithSubject("=?gb2312?B?1tDOxA==?= offer"), tag::Subject), "?? offer");
    EXPECT_EQ(Imported(WithSubject("=?koi8-r?B?8NLJ18XU?="), tag::Subject), "??????");
}

TEST(ImportSubject, JoinsAdjacentEncodedWordsAndUnfolds) {
    EXPECT_EQ(Imported(WithCrLf(WithSubject("=?utf-8?Q?Hello_?=\n =?utf-8?Q?world?=")), tag::Subject),
              "Hello world");
    EXPECT_EQ(Imported(WithCrLf(WithSubject("first part\n second part")), tag::Subject), "first part second part");
}

TEST(ImportSubject, KeepsMalformedEncodedWordsAsTheyAre) {
    EXPECT_EQ(Imported(WithSubject("=?utf-8?Q?broken"), tag::Subject), "=?utf-8?Q?broken");
    EXPECT_EQ(Imported(WithSubject("=?utf-8?X?abc?= left"), tag::Subject), "=?utf-8?X?abc?= left");
}

TEST(ImportSubject, ReadsRaw8BitAsUtf8WhenValidElseAsWindows1252) {
    EXPECT_EQ(Imported(WithSubject("Caf\xC3\xA9"), tag::Subject), "Caf\xE9");
    EXPECT_EQ(Imported(WithSubject("Caf\xE9 \x80"), tag::Subject), "Caf\xE9 \x80");
}

TEST(ImportSubject, IsEmptyWhenTheMessageHasNone) {
    EXPECT_EQ(Imported("From: jane@example.com\n\nbody\n", tag::Subject), "");
}

// --- Sender and recipients --------------------------------------------------------------------

TEST(ImportAddresses, SenderIsTheBareFromAddress) {
    EXPECT_EQ(Imported("From: \"Doe, Jane\" <jane@example.com>\n\nx", tag::SenderEmailAddress), "jane@example.com");
    EXPECT_EQ(Imported("From: jane@example.com (Jane Doe)\n\nx", tag::SenderEmailAddress), "jane@example.com");
    EXPECT_EQ(Imported("Subject: no sender\n\nx", tag::SenderEmailAddress), "");
}

TEST(ImportAddresses, DisplayToListsNamesOrAddressesDecoded) {
    const std::string raw =
        "From: jane@example.com\n"
        "To: \"Doe, Jane\" <jane@example.com>, bob@example.org,\n"
        " =?utf-8?Q?Ren=C3=A9e_Dupr=C3=A9?= <renee@example.net>, <carol@example.com>\n"
        "\nx";
    EXPECT_EQ(Imported(raw, tag::DisplayTo), "Doe, Jane; bob@example.org; Ren\xE9" "e Dupr\xE9; carol@example.com");
}

TEST(ImportAddresses, DisplayToTakesTheMembersOfGroups) {
    EXPECT_EQ(Imported("To: Team: a@example.com, \"Bea\" <b@example.com>;, c@example.com\n\nx", tag::DisplayTo),
              "a@example.com; Bea; c@example.com");
    EXPECT_EQ(Imported("To: undisclosed-recipients:;\n\nx", tag::DisplayTo), "");
}

TEST(ImportAddresses, DisplayToIsEmptyWithoutTo) {
    EXPECT_EQ(Imported("From: jane@example.com\nCc: bob@example.org\n\nx", tag::DisplayTo), "");
}

TEST(ImportRecipients, HoldEveryToCcAndBccMailboxWithItsNameAndAddress) {
    using host::RecipientType;
    using host::sim::RecipientEntry;
    const std::string raw =
        "From: me@example.com\n"
        "To: \"IT\" <helpdesk@corp.example>, Team: a@example.com;\n"
        "Cc: =?utf-8?Q?Ren=C3=A9e?= <renee@example.fr>\n"
        "Bcc: hidden@example.net\n\nbody\n";
    EXPECT_EQ(ImportMessage(raw).recipients,
              (std::vector<RecipientEntry>{{u"IT", u"helpdesk@corp.example", RecipientType::To},
                                           {u"", u"a@example.com", RecipientType::To},
                                           {u"Ren\u00e9e", u"renee@example.fr", RecipientType::Cc},
                                           {u"", u"hidden@example.net", RecipientType::Bcc}}));
    EXPECT_TRUE(ImportMessage("From: me@example.com\nTo: undisclosed-recipients:;\n\nx").recipients.empty());
}

TEST(ImportAddresses, Reads8BitNamesAsWindows1252) {
    const std::string raw = "From: \"Jos\xE9 P\xE9rez\" <jose@example.com>\nTo: \"Jos\xE9 P\xE9rez\" <jose@example.com>\n\nx";
    EXPECT_EQ(Imported(raw, tag::DisplayTo), "Jos\xE9 P\xE9rez");
    EXPECT_EQ(Imported(raw, tag::SenderEmailAddress), "jose@example.com");
}

// --- Transport headers ---------------------------------------------------------------------------

const std::string Headers =
    "Return-Path: <jane@example.com>\n"
    "Received: from mail.example.com\n"
    "\tby mx.example.net; Tue, 14 May 2024 09:12:44 +0200\n"
    "Subject: =?utf-8?Q?caf=C3=A9?=\n";

TEST(ImportTransportHeaders, AreTheHeaderBytesAsReceivedWithTheirOwnLineEnds) {
    EXPECT_EQ(Imported(Headers + "\nbody\n", tag::TransportMessageHeaders), Headers);
    EXPECT_EQ(Imported(WithCrLf(Headers + "\nbody\n"), tag::TransportMessageHeaders), WithCrLf(Headers));
}

TEST(ImportTransportHeaders, LeaveOutTheMboxFromLine) {
    const std::string raw = "From jane@example.com  Tue May 14 09:12:44 2024\n" + Headers + "\nbody\n";
    EXPECT_EQ(Imported(raw, tag::TransportMessageHeaders), Headers);
}

TEST(ImportTransportHeaders, AreTheWholeFileWhenItEndsInsideTheHeaders) {
    const std::string truncated = "Return-Path: <jane@example.com>\nSubject: Quarterly fig";
    const auto properties = ImportMessage(truncated).properties;
    EXPECT_EQ(Property(properties, tag::TransportMessageHeaders), truncated);
    EXPECT_EQ(Property(properties, tag::Subject), "Quarterly fig");
    EXPECT_EQ(Property(properties, tag::Body), "");
}

TEST(ImportTransportHeaders, AreEmptyWhenTheMessageStartsWithTheBlankLine) {
    const auto properties = ImportMessage("\nJust a body.\n").properties;
    EXPECT_EQ(Property(properties, tag::TransportMessageHeaders), "");
    EXPECT_EQ(Property(properties, tag::Body), "Just a body.\r\n");
}

// --- Bodies ----------------------------------------------------------------------------------------

TEST(ImportBody, HasCrLfLineEndsWhateverTheFileHas) {
    const std::string raw = "Subject: x\n\nline one\nline two\n";
    EXPECT_EQ(Imported(raw, tag::Body), "line one\r\nline two\r\n");
    EXPECT_EQ(Imported(WithCrLf(raw), tag::Body), "line one\r\nline two\r\n");
}

TEST(ImportBody, UndoesTransferEncodingAndCharset) {
    const std::string latin1_qp =
        "Content-Type: text/plain; charset=iso-8859-1\nContent-Transfer-Encoding: quoted-printable\n\n"
        "caf=E9 cr=\n=E8me\n";
    EXPECT_EQ(Imported(latin1_qp, tag::Body), "caf\xE9 cr\xE8me\r\n");
    const std::string utf8_base64 =
        "Content-Type: text/plain; charset=\"UTF-8\"\nContent-Transfer-Encoding: base64\n\nR3LDvMOfZQ==\n";
    EXPECT_EQ(Imported(utf8_base64, tag::Body), "Gr\xFC\xDF" "e");
    const std::string gb2312_base64 =
        "Content-Type: text/plain; charset=gb2312\nContent-Transfer-Encoding: base64\n\n1tDOxA0K\n";
    EXPECT_EQ(Imported(gb2312_base64, tag::Body), "??\r\n");
}

TEST(ImportBody, ReadsUnlabelledOrAsciiLabelled8BitTextLikeAMailReader) {
    EXPECT_EQ(Imported("Subject: x\n\ncaf\xC3\xA9\n", tag::Body), "caf\xE9\r\n");
    EXPECT_EQ(Imported("Content-Type: text/plain; charset=us-ascii\n\ncaf\xE9\n", tag::Body), "caf\xE9\r\n");
    EXPECT_EQ(Imported("Content-Type: text/plain; charset=x-no-such-charset\n\ncaf\xE9\n", tag::Body),
              "caf\xE9\r\n");
}

TEST(ImportBody, LeavesEncodedWordsInTheTextAlone) {
    const std::string raw = "Content-Type: text/plain; charset=\"iso-8859-1\"\n\nSee =?iso-8859-1?Q?caf=E9?= here\n";
    EXPECT_EQ(Imported(raw, tag::Body), "See =?iso-8859-1?Q?caf=E9?= here\r\n");
}

const std::string Alternative =
    "Subject: news\n"
    "Content-Type: multipart/alternative; boundary=\"ALT\"\n"
    "\n"
    "--ALT\n"
    "Content-Type: text/plain; charset=utf-8\n"
    "\n"
    "Caf\xC3\xA9 news\n"
    "--ALT\n"
    "Content-Type: text/html; charset=utf-8\n"
    "Content-Transfer-Encoding: quoted-printable\n"
    "\n"
    "<p>Caf=C3=A9 <b>news</b></p>\n"
    "--ALT--\n";

TEST(ImportBody, TakesTheTextPartOfAnAlternativeAndKeepsTheHtmlInItsOwnCharset) {
    const auto properties = ImportMessage(Alternative).properties;
    EXPECT_EQ(Property(properties, tag::Body), "Caf\xE9 news");
    // The line end before a boundary belongs to the boundary.
    EXPECT_EQ(Property(properties, tag::BodyHtml), "<p>Caf\xC3\xA9 <b>news</b></p>");
}

TEST(ImportBody, MakesTheTextFromHtmlWhenThereIsNoTextPart) {
    const std::string raw =
        "Content-Type: text/html; charset=iso-8859-1\n\n"
        "<html><head><style>p{color:red}</style><script>track()</script></head>\n"
        "<body><p>Caf\xE9&nbsp;prices</p><p>Order <a href=\"http://shop.example/\">here</a></p></body></html>\n";
    const auto properties = ImportMessage(raw).properties;
    EXPECT_EQ(Property(properties, tag::Body), "Caf\xE9\xA0prices\r\n\r\nOrder here <http://shop.example/>");
    EXPECT_EQ(Property(properties, tag::BodyHtml), raw.substr(raw.find("<html>")));
}

TEST(ImportBody, ReadsAnHtmlPartInTheCharsetItsHeadNames) {
    const std::string raw =
        "Content-Type: text/html\n\n"
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=koi8-r\"></head>"
        "<body>\xF0\xD2\xC9\xD7\xC5\xD4</body></html>";
    EXPECT_EQ(Imported(raw, tag::Body), "??????");
}

TEST(ImportBody, SkipsTextAttachments) {
    const std::string raw =
        "Content-Type: multipart/mixed; boundary=MIX\n\n"
        "--MIX\nContent-Type: text/plain\nContent-Disposition: attachment; filename=\"notes.txt\"\n\nattached notes\n"
        "--MIX\nContent-Type: text/plain\n\nthe message\n"
        "--MIX--\n";
    EXPECT_EQ(Imported(raw, tag::Body), "the message");
}

TEST(ImportBody, IsEmptyAndHtmlAbsentWhenThereIsNoText) {
    const std::string raw =
        "Content-Type: multipart/mixed; boundary=MIX\n\n"
        "--MIX\nContent-Type: image/gif\nContent-Transfer-Encoding: base64\n\nR0lGODlhAQABAAAAACw=\n"
        "--MIX--\n";
    const auto properties = ImportMessage(raw).properties;
    EXPECT_EQ(Property(properties, tag::Body), "");
    EXPECT_EQ(Property(properties, tag::BodyHtml), "<absent>");
}

// --- Malformed mail ----------------------------------------------------------------------------

TEST(ImportMalformed, MultipartWithoutClosingBoundaryKeepsItsParts) {
    const std::string raw = Alternative.substr(0, Alternative.find("--ALT--"));
    const auto properties = ImportMessage(raw).properties;
    EXPECT_EQ(Property(properties, tag::Body), "Caf\xE9 news");
    EXPECT_EQ(Property(properties, tag::BodyHtml), "<p>Caf\xC3\xA9 <b>news</b></p>\n");
}

TEST(ImportMalformed, MultipartWhoseBoundaryNeverAppearsGivesItsTextAsBody) {
    const std::string raw =
        "Subject: x\nContent-Type: multipart/mixed; boundary=\"NEVER-USED\"\n\n"
        "Cheap watches\nvisit us\n";
    EXPECT_EQ(Imported(raw, tag::Body), "Cheap watches\r\nvisit us\r\n");
}

TEST(ImportMalformed, NulBytesNeverReachAProperty) {
    const std::string raw = Bytes("Subject: a\0b\nX-Junk: \0\0\n\nbody\0text\n");
    const auto properties = ImportMessage(raw).properties;
    for (const auto& [property, value] : properties) {
        EXPECT_EQ(value.find('\0'), std::string::npos) << std::hex << property;
    }
    EXPECT_EQ(Property(properties, tag::Body), "bodytext\r\n");
}

TEST(ImportMalformed, EmptyOrHeaderlessInputIsReportedAsUnreadable) {
    EXPECT_THROW(ImportMessage(""), UnreadableMessage);
    EXPECT_THROW(ImportMessage("From jane@example.com Tue May 14 09:12:44 2024\n"), UnreadableMessage);
    EXPECT_THROW(ImportMessage(Bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\x00")), UnreadableMessage);
    EXPECT_THROW(ImportMessage("just some words, no header\nand more\n"), UnreadableMessage);
}

}  // namespace
}  // namespace tarn::tools::import
