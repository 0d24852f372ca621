#include "tools/import/message_importer.h"

#include <algorithm>
#include <string>

#include "platform/codepage.h"
#include "tools/import/gmime_support.h"
#include "tools/import/mbox_from_line.h"
#include "tools/import/message_addresses.h"
#include "tools/import/message_body.h"
#include "tools/import/stored_text.h"

namespace tarn::tools::import {

namespace {

struct ParsedMessage {
    GObjectPtr<GMimeMessage> message;
    std::string_view header_block;
};

ParsedMessage Parse(std::string_view bytes) {
    const GObjectPtr<GMimeStream> stream{g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size())};
    const GObjectPtr<GMimeParser> parser{g_mime_parser_new_with_stream(stream.get())};
    g_mime_parser_set_format(parser.get(), GMIME_FORMAT_MESSAGE);
    GObjectPtr<GMimeMessage> message{g_mime_parser_construct_message(parser.get(), InboxParserOptions())};
    if (!message) throw UnreadableMessage("not a mail message: it does not start with a header");
    // The parser reports where the blank line after the headers starts; it reports none when
    // the message ends inside its headers.
    const gint64 headers_end = g_mime_parser_get_headers_end(parser.get());
    const std::size_t header_size =
        headers_end < 0 ? bytes.size() : std::min(static_cast<std::size_t>(headers_end), bytes.size());
    return {std::move(message), bytes.substr(0, header_size)};
}

std::string SubjectOf(GMimeMessage& message) {
    const char* subject = g_mime_message_get_subject(&message);
    return subject == nullptr ? std::string{} : std::string(subject);
}

}  // namespace

host::sim::ItemContent ImportMessage(std::string_view raw) {
    const std::string_view bytes = WithoutMboxFromLine(raw);
    if (bytes.empty()) throw UnreadableMessage("empty: there is no message");
    const ParsedMessage parsed = Parse(bytes);
    GMimeMessage& message = *parsed.message;
    MessageBody body = ReadMessageBody(message);

    namespace tag = platform::prop_tag;
    host::sim::PropertyMap properties{
        {tag::Subject, platform::Utf8ToAnsi(SubjectOf(message))},
        {tag::SenderEmailAddress, platform::Utf8ToAnsi(SenderAddress(message))},
        {tag::DisplayTo, platform::Utf8ToAnsi(DisplayTo(message))},
        {tag::TransportMessageHeaders, std::string(parsed.header_block)},
        {tag::Body, WithCrLfLineEnds(platform::Utf8ToAnsi(body.text))},
    };
    if (body.html) properties.emplace(tag::BodyHtml, std::move(*body.html));
    for (auto& [property, value] : properties) RemoveNulBytes(value);
    return {std::move(properties), Recipients(message)};
}

}  // namespace tarn::tools::import
