// The plain text that HTML-only mail gives: what a reader sees, laid out in lines.
#include "tools/import/html_text.h"

#include <gtest/gtest.h>

namespace tarn::tools::import {
namespace {

TEST(HtmlText, DecodesCharacterReferencesAsBrowsersDo) {
    EXPECT_EQ(HtmlToText("AT&amp;T &lt;b&gt; caf&eacute; caf&#233; caf&#xE9; &euro;5 &mdash;"),
              "AT&T <b> caf\xC3\xA9 caf\xC3\xA9 caf\xC3\xA9 \xE2\x82\xAC" "5 \xE2\x80\x94");
    EXPECT_EQ(HtmlToText("&copy 2024 &nbsp;x"), "\xC2\xA9 2024 \xC2\xA0x");                  // legacy, no ';'
    EXPECT_EQ(HtmlToText("&#150; &#0; &#x110000;"), "\xE2\x80\x93 \xEF\xBF\xBD \xEF\xBF\xBD");  // 150 is cp1252's dash
    EXPECT_EQ(HtmlToText("&bogus; AT&T R&D &#; &"), "&bogus; AT&T R&D &#; &");
}

TEST(HtmlText, DropsWhatIsNeverShown) {
    EXPECT_EQ(HtmlToText("<html><head><title>Offer</title><style>p {color: red}</style>"
                         "<script>var a = '<p>no</p>';</script></head>"
                         "<body><!-- hidden <p>comment</p> -->Shown<?xml x?><!DOCTYPE html></body></html>"),
              "Shown");
    EXPECT_EQ(HtmlToText("<xml><o:DocumentProperties>Normal 0 false</o:DocumentProperties></xml>Text"), "Text");
    EXPECT_EQ(HtmlToText("Before<script>never closed <p>at all"), "Before");
}

TEST(HtmlText, LaysBlocksOutAsLines) {
    EXPECT_EQ(HtmlToText("<div>one</div><div>two</div>"), "one\ntwo");
    EXPECT_EQ(HtmlToText("<p>one</p><p>two</p><h1>Head</h1>three"), "one\n\ntwo\n\nHead\n\nthree");
    EXPECT_EQ(HtmlToText("a<br>b<br/><br >c"), "a\nb\n\nc");
    EXPECT_EQ(HtmlToText("<ul><li>first</li><li>second</li></ul>"), "first\nsecond");
    EXPECT_EQ(HtmlToText("<table><tr><td>Rolex</td><td>&pound;49</td></tr><tr><td>Omega</td></tr></table>"),
              "Rolex \xC2\xA3" "49\nOmega");
}

TEST(HtmlText, CollapsesWhiteSpaceExceptInPre) {
    EXPECT_EQ(HtmlToText("  lots \n\t of\r\n   space  "), "lots of space");
    EXPECT_EQ(HtmlToText("<b>bold</b><i>italic</i> <u>u</u>"), "bolditalic u");
    EXPECT_EQ(HtmlToText("<pre>a   b\r\n  c</pre>after"), "a   b\n  c\nafter");
}

TEST(HtmlText, ShowsLinkAddressesAfterTheirText) {
    EXPECT_EQ(HtmlToText("<a href=\"http://shop.example/?a=1&amp;b=2&copy=3\">Buy now</a>!"),
              "Buy now <http://shop.example/?a=1&b=2&copy=3>!");
    EXPECT_EQ(HtmlToText("<a href='mailto:sales@example.com'>Write</a>"), "Write <mailto:sales@example.com>");
    EXPECT_EQ(HtmlToText("<a href=HTTP://x.example/><img src=banner.gif></a>"), "<HTTP://x.example/>");
    EXPECT_EQ(HtmlToText("<a href=\"http://x.example/\">http://x.example/</a>"), "http://x.example/");
    EXPECT_EQ(HtmlToText("<a href=\"javascript:go()\">Go</a> <a href=\"#top\">Top</a>"), "Go Top");
    EXPECT_EQ(HtmlToText("<a href=\"http://a.example/\">A<a href=\"http://b.example/\">B"),
              "A <http://a.example/>B <http://b.example/>");
}

TEST(HtmlText, SurvivesBrokenMarkup) {
    EXPECT_EQ(HtmlToText("<img alt=\"a > b\" src=x>text"), "text");
    EXPECT_EQ(HtmlToText("1 < 2 and 3 <> 4"), "1 < 2 and 3 <> 4");
    EXPECT_EQ(HtmlToText("text <a href=\"never closed"), "text");
    EXPECT_EQ(HtmlToText("text <!-- never closed"), "text");
    EXPECT_EQ(HtmlToText(""), "");
}

}  // namespace
}  // namespace tarn::tools::import
