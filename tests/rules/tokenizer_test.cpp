// The tokens of screening texts as the add-in builds them: the transport headers, then the body
// directly after them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/rules/token_list.h"

namespace tarn::rules {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::IsSupersetOf;
using ::testing::Not;

TEST(HeaderBlock, EndsAtTheFirstLineThatIsNoFieldAndNoContinuation) {
    EXPECT_THAT(TokensOf("Subject: hi\r\nTo: a@example.com\r\nHello there,\r\n"),
                IsSupersetOf({"subject:hi", "to:count:1", "hello", "there"}));
    const auto folded = TokensOf("Subject: hi\n\tfolded\nBody: text\n\nrest");
    EXPECT_THAT(folded, IsSupersetOf({"subject:folded", "header:body", "body:text", "rest"}));
    EXPECT_THAT(folded, Not(Contains("header:rest")));
    EXPECT_THAT(TokensOf("Subject: hi\nhttp://example.com/offer\n"),
                AllOf(Contains("url:example.com"), Not(Contains("header:http"))));
    EXPECT_THAT(TokensOf("Dear friend: hello\nSubject: x\n"),
                AllOf(IsSupersetOf({"dear", "friend", "hello", "subject"}), Not(Contains("subject:x"))));
    EXPECT_THAT(TokensOf("  indented\nSubject: x\n"), Not(Contains("subject:x")));
    EXPECT_THAT(TokensOf(""), Contains("body:noletters"));
}

TEST(HeaderTokens, FieldsOfTheRecipientsOwnSystemGiveNothingAtAll) {
    const auto tokens = TokensOf(
        "Received: from mail.example.com (relay.example.net [192.168.10.20])\n"
        "\tby mx.example.org (8.11.6/8.11.6) with ESMTP id g7MFYOZ12548\n"
        "\tfor <user@example.org>; Thu, 22 Aug 2002 16:34:25 +0100\n"
        "Delivered-To: user@example.org\nX-Virus-Scanned: by amavisd-new\nX-Status: RO\n"
        "X-Spam-Status: No, hits=0\nX-MailScanner-Information: clean\nX-Odd: 1\n"
        "X-Authentication-Warning: lists.example.org: mailman set sender to dev-admin@example.org\n\nbody");
    for (const auto& token : tokens) {
        EXPECT_THAT(token, AllOf(Not(::testing::StartsWith("received")), Not(::testing::HasSubstr("example")),
                                 Not(::testing::HasSubstr("virus")), Not(::testing::HasSubstr("status")),
                                 Not(::testing::HasSubstr("scanner"))));
    }
    EXPECT_THAT(tokens, IsSupersetOf({"header:x-odd", "body"}));
}

TEST(HeaderTokens, SubjectGivesWordsPunctuationRunsEncodedCharsetsAndCapitals) {
    const auto tokens = TokensOf("Subject: FREE MONEY!!! =?gb2312?B?xOO6ww==?= $$$ NOW\n\n");
    EXPECT_THAT(tokens, IsSupersetOf({"subject:^free", "subject:^money", "subject:!!!", "subject:$$$",
                                      "subject:encoded:gb2312", "subject:now", "subject:capitals"}));
    EXPECT_THAT(tokens, Not(Contains("subject:xoo6ww")));  // the encoded text itself says nothing
    EXPECT_THAT(TokensOf("Subject: Lunch on Friday?\n\n"), Not(Contains("subject:capitals")));
    EXPECT_THAT(TokensOf("Subject: \n\n"), Contains("subject:none"));
}

TEST(HeaderTokens, AMailingListsTagInTheSubjectGivesNoWords) {
    const auto tokens = TokensOf("Subject: Re: [ILUG] modem [OT] problems [not a tag]\n\n");
    EXPECT_THAT(tokens, IsSupersetOf({"subject:tag", "subject:re", "subject:modem", "subject:problems",
                                      "subject:not"}));
    EXPECT_THAT(tokens,
                AllOf(Not(Contains("subject:^ilug")), Not(Contains("subject:ilug")), Not(Contains("subject:ot"))));
    // An unclosed bracket, or one closed too far away, tags nothing.
    EXPECT_THAT(TokensOf("Subject: [save 50% on everything you want today, friend\n\n"), Contains("subject:save"));
    EXPECT_THAT(TokensOf("Subject: Fwd: [x]\n\n"), AllOf(Contains("subject:tag"), Not(Contains("subject:none"))));
}

TEST(HeaderTokens, AuthorFieldsGiveLocalPartsHostsAndNames) {
    const auto tokens = TokensOf(
        "From: \"Ann Lee\" <Ann.Lee@Mail.Example.co.uk>\n"
        "Reply-To: deals@offers.example.biz\n\nx");
    EXPECT_THAT(tokens, IsSupersetOf({"from:user:ann.lee", "from:mail.example.co.uk", "from:example.co.uk",
                                      "from:co.uk", "from:name:ann", "from:name:lee", "reply-to:user:deals",
                                      "reply-to:offers.example.biz", "reply-to:example.biz", "reply-to:noname"}));
    EXPECT_THAT(tokens, Not(Contains("from:name:mail")));
}

TEST(HeaderTokens, RecipientFieldsGiveOnlyHowTheSenderAddressedThem) {
    const auto tokens = TokensOf("To: bob@example.org, \"Carol\" <carol@example.org>\nCc: dave@example.net\n\nx");
    EXPECT_THAT(tokens, IsSupersetOf({"to:count:2", "to:named", "cc:count:1", "cc:noname"}));
    for (const auto& token : tokens) {
        EXPECT_THAT(token, AllOf(Not(::testing::HasSubstr("example")), Not(::testing::HasSubstr("bob")),
                                 Not(::testing::HasSubstr("carol"))));
    }
    EXPECT_THAT(TokensOf("To: undisclosed-recipients:;\n\n"),
                IsSupersetOf({"to:noaddress", "to:count:0", "to:noname"}));
}

TEST(HeaderTokens, SendingSystemFieldsGiveTheirHostsButNotTheListsTheyName) {
    const auto tokens = TokensOf(
        "Sender: social-admin@linux.example.ie\nErrors-To: social-admin@linux.example.ie\n"
        "Return-Path: <bounce-7@mailer.example.com>\n\nx");
    EXPECT_THAT(tokens, IsSupersetOf({"sender:linux.example.ie", "errors-to:example.ie", "return-path:example.com"}));
    EXPECT_THAT(tokens, AllOf(Not(Contains("sender:user:social-admin")), Not(Contains("return-path:user:bounce-7"))));
}

TEST(HeaderTokens, MessageIdGivesTheShapeOfItsLocalPartOnly) {
    const auto tokens = TokensOf("Message-ID: <0103c1042001882DD_IT7@mail.example.com>\n\n");
    EXPECT_THAT(tokens, Contains("message-id:shape:9a9^_^9"));
    EXPECT_THAT(tokens, Not(Contains("message-id:example.com")));  // often the receiving server's, added on arrival
    EXPECT_THAT(TokensOf("Message-ID: <nothing-here>\n\n"), Contains("message-id:noat"));
}

TEST(HeaderTokens, TypeMailerAndDateGiveWhatTellsOfTheSender) {
    const auto tokens = TokensOf(
        "Content-Type: text/html; charset=\"ISO-8859-1\"\n"
        "X-Mailer: Microsoft Outlook Express 6.00.2600.0000\n"
        "Date: Wed, 21 Aug 2002 20:31:57 -1600\n\n");
    EXPECT_THAT(tokens, IsSupersetOf({"content-type:text/html", "charset:iso-8859-1",
                                      "x-mailer:microsoft outlook express 6.00.2600.0000", "x-mailer:outlook",
                                      "date:zone:-1600"}));
    EXPECT_THAT(tokens, Not(Contains("date:21")));
}

TEST(HeaderTokens, ReferencesAndMailingListFieldsGiveTheirNamesOnly) {
    const auto tokens = TokensOf(
        "References: <a@b.example>\nX-BeenThere: dev@lists.example.org\nX-Mailman-Version: 2.0.13\n"
        "List-Unsubscribe: <http://lists.example.org/listinfo/dev>\nList-Id: Developers <dev.lists.example.org>\n"
        "Precedence: bulk\n\n");
    EXPECT_THAT(tokens, IsSupersetOf({"header:references", "header:x-beenthere", "header:list-unsubscribe",
                                      "header:list-id", "precedence:bulk"}));
    EXPECT_THAT(tokens, AllOf(Not(Contains("list-id:developers")), Not(Contains("list-unsubscribe:listinfo")),
                              Not(Contains("x-beenthere:dev")), Not(Contains("references:b.example")),
                              Not(Contains("x-mailman-version:2.0.13"))));
}

TEST(BodyTokens, AMailingListsFooterGivesOneTokenAndNoWords) {
    const std::string message = "Subject: modems\n\nMy modem hangs up.\n\n";
    const auto mailman = TokensOf(message +
                                  "_______________________________________________\n"
                                  "Dev mailing list\nDev@lists.example.org\n"
                                  "http://lists.example.org/mailman/listinfo/dev\n");
    EXPECT_THAT(mailman, IsSupersetOf({"modem", "hangs", "body:listfooter"}));
    EXPECT_THAT(mailman,
                AllOf(Not(Contains("mailing")), Not(Contains("email:user:dev")), Not(Contains("url:path:listinfo"))));
    // A signature line starts the footer too; without any separator the footer is the link's line.
    const auto signature =
        TokensOf(message + "-- \nIrish Linux Users' Group\nhttp://www.example.ie/mailman/listinfo/ilug\n");
    EXPECT_THAT(signature, AllOf(Contains("modem"), Not(Contains("irish")), Not(Contains("url:example.ie"))));
    const auto bare = TokensOf(message + "Tea lovers\nSee http://example.org/listinfo/tea for help\n");
    EXPECT_THAT(bare, AllOf(Contains("lovers"), Not(Contains("help")), Contains("body:listfooter")));
    EXPECT_THAT(TokensOf(message + "Nothing of a list here.\n"), Not(Contains("body:listfooter")));
}

TEST(BodyTokens, WordsAreLoweredAndLimitedInLength) {
    const auto tokens = TokensOf("Subject: x\n\nClick HERE, it's an e-mail to 'you' -- Aaaaaaaaaaaaaaaaaaaaaaaaa");
    EXPECT_THAT(tokens, IsSupersetOf({"click", "^here", "it's", "e-mail", "you", "skip:a:20"}));
    EXPECT_THAT(tokens, AllOf(Not(Contains("an")), Not(Contains("to")), Not(Contains("'you'"))));
}

TEST(BodyTokens, WordsInCapitalsOfFourLettersOrMoreAreShouting) {
    const auto tokens = TokensOf("FREE offer, ACT NOW: 100% CASH-BACK");
    EXPECT_THAT(tokens, IsSupersetOf({"^free", "offer", "act", "now", "^cash-back"}));
    EXPECT_THAT(tokens, AllOf(Not(Contains("free")), Not(Contains("^act")), Not(Contains("^now"))));
}

TEST(BodyTokens, FarEasternTextGivesPairsOfCharacters) {
    // Eleven GB2312 characters without a blank, then a long run of Latin letters and 8-bit ones.
    const std::string chinese =
        "\xc4\xfa\xba\xc3\xa3\xac\xbb\xb6\xd3\xad\xc4\xfa\xca\xb9\xd3\xc3\xce\xd2\xc3\xc7\xb5\xc4";
    const auto tokens = TokensOf(chinese + " caf" + std::string(20, '\xe9'));
    EXPECT_THAT(tokens, IsSupersetOf({"cjk:\xc4\xfa\xba\xc3", "cjk:\xba\xc3\xa3\xac", "cjk:\xc3\xc7\xb5\xc4"}));
    EXPECT_EQ(std::count_if(tokens.begin(), tokens.end(), [](const std::string& t) { return t.starts_with("cjk:"); }),
              10);
    EXPECT_THAT(tokens, Contains("skip:c:20"));
}

TEST(BodyTokens, EightBitTextStaysInWordsAndIsCounted) {
    const auto tokens = TokensOf("Caf\xe9 cr\xe8me br\xfbl\xe9\x65 pour vous");
    EXPECT_THAT(tokens, IsSupersetOf({"caf\xe9", "cr\xe8me", "body:8bit:1"}));
}

TEST(BodyTokens, HtmlCommentsAndInlineTagsDoNotBreakWordsAndEntitiesAreDecoded) {
    const auto tokens = TokensOf("<p>vi<!-- x -->agra and ca<b></b>sino &#86;&#x49;P caf&eacute;&nbsp;now</p>");
    EXPECT_THAT(tokens, IsSupersetOf({"viagra", "casino", "vip", "html:comment", "html:entity:numeric",
                                      "html:entity:letter", "html:entity:eacute", "caf\xbf", "now", "body:html"}));
}

TEST(BodyTokens, OnlyTellingTagsAndAttributeValuesCount) {
    const auto tokens = TokensOf(
        "<table width=\"100%\"><tr><td><font color=\"#FF0000\" face=\"Arial, Helvetica\" size=\"1\">Win</font>"
        "<img src=\"http://203.0.113.5/p.gif\" width=1 height=1><div style=\"display: none; color:white\">hidden</div>"
        "<script>var looksLikeWords = 1;</script><style>p { color: red }</style></td></tr></table>");
    EXPECT_THAT(tokens, IsSupersetOf({"html:<img", "html:color:#ff0000", "html:face:arial", "html:font.size=1",
                                      "html:img.width=1", "html:table.width=100%", "css:display:none",
                                      "css:color:white", "url:ip", "url:ip:203.0.113", "win", "hidden"}));
    EXPECT_THAT(tokens,
                AllOf(Not(Contains("html:<table")), Not(Contains("html:<font")), Not(Contains("html:font.color")),
                      Not(Contains("var")), Not(Contains("lookslikewords")), Not(Contains("red"))));
}

TEST(BodyTokens, UrlsGiveSchemeHostDomainsPathWordsAndTricks) {
    const auto tokens = TokensOf(
        "Visit http://user@www.Shop.example.biz:8080/cheap/Pills.html?id=7%41 now, or "
        "<a href=\"https://example.net/a&amp;b\">here</a> www.example.info.");
    EXPECT_THAT(tokens, IsSupersetOf({"visit", "url:http", "url:userinfo", "url:port", "url:www.shop.example.biz",
                                      "url:shop.example.biz", "url:example.biz", "url:path:cheap", "url:path:pills",
                                      "url:path:html", "url:path:id", "url:escaped", "url:https", "url:example.net",
                                      "url:www.example.info", "url:example.info", "now", "here"}));
    EXPECT_THAT(tokens, Not(Contains("url:path:amp")));
}

TEST(BodyTokens, AddressesInTheTextAndMailtoLinksGiveTheirParts) {
    const auto tokens =
        TokensOf("Write to <sales@deals.example.com> or <a href=\"mailto:remove@example.net?subject=x\">us</a>");
    EXPECT_THAT(tokens, IsSupersetOf({"write", "email:user:sales", "email:deals.example.com", "email:example.com",
                                      "url:mailto", "mailto:user:remove", "mailto:example.net"}));
    EXPECT_THAT(tokens, Not(Contains("html:<sales")));  // an address in brackets is no tag
}

TEST(BodyTokens, TheWholeBodyGivesItsShares) {
    EXPECT_THAT(TokensOf("THIS IS ALL IN CAPITALS AND SHOUTS AT THE READER VERY LOUDLY INDEED"),
                Contains("body:capitals:10"));
    EXPECT_THAT(TokensOf("this is all in small letters and whispers to the reader quite softly"),
                Contains("body:capitals:0"));
    EXPECT_THAT(TokensOf("12345 !!!"), Contains("body:noletters"));
    EXPECT_THAT(TokensOf("plain"), Not(Contains("body:html")));
}

TEST(Tokens, AreCutToTheLongestTokenAndAnyBytesAreSafe) {
    const std::string long_host = "http://" + std::string(200, 'a') + ".example.com/";
    for (const auto& token : TokensOf(long_host)) EXPECT_LE(token.size(), MaxTokenLength) << token;
    static constexpr char Noise[] = "Subject: \x01\xff<\n\n<a href='<!--&#999999999;&#x;<b<<\x00\x80=?=?";
    EXPECT_FALSE(TokensOf(std::string_view(Noise, sizeof Noise - 1)).empty());
}

}  // namespace
}  // namespace tarn::rules
