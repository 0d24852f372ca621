#pragma once

#include <string>
#include <string_view>

namespace tarn::tools::import {

// The text a reader sees in an HTML document, as Outlook derives a plain body from HTML-only
// mail (UTF-8 in and out, "\n" line ends):
// - tags dropped, with the content of script, style, title and Office's xml blocks;
// - character references decoded;
// - <br> and block elements (paragraphs, divisions, headings, lists, table rows) as line breaks,
//   paragraphs and headings with a blank line around them; table cells apart by a space;
// - runs of white space as one space, except inside <pre>;
// - a web or mail link's address after its text, in angle brackets, as "text <address>",
//   unless the text is the address.
std::string HtmlToText(std::string_view html);

}  // namespace tarn::tools::import
