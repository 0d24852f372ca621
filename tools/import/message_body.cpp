#include "tools/import/message_body.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "tools/import/charset_decoder.h"
#include "tools/import/gmime_support.h"
#include "tools/import/html_text.h"

namespace tarn::tools::import {

namespace {

// The parts of a message's MIME tree that its bodies come from.
struct BodyParts {
    GMimePart* plain = nullptr;
    GMimePart* html = nullptr;
    // The text before the first boundary of a multipart in which no boundary occurs: a
    // mailer's broken multipart whose whole body ends up there.
    const char* orphan_text = nullptr;
};

GMimeObject* AsObject(GMimePart* part) { return reinterpret_cast<GMimeObject*>(part); }

bool IsText(GMimeObject* object, const char* subtype) {
    return g_mime_content_type_is_type(g_mime_object_get_content_type(object), "text", subtype) != FALSE;
}

// Depth first, in the order the parts stand in the message. An attached message is an
// attachment, so the search does not enter it.
void FindBodyParts(GMimeObject* object, BodyParts& found) {
    if (auto* multipart = As<GMimeMultipart>(object, g_mime_multipart_get_type())) {
        const int count = g_mime_multipart_get_count(multipart);
        if (count == 0 && found.orphan_text == nullptr) found.orphan_text = g_mime_multipart_get_prologue(multipart);
        for (int i = 0; i < count; ++i) FindBodyParts(g_mime_multipart_get_part(multipart, i), found);
        return;
    }
    auto* part = As<GMimePart>(object, g_mime_part_get_type());
    if (part == nullptr || g_mime_part_is_attachment(part)) return;
    if (found.plain == nullptr && IsText(object, "plain")) found.plain = part;
    if (found.html == nullptr && IsText(object, "html")) found.html = part;
}

// The part's content with its transfer encoding (base64, quoted-printable, uuencode) undone.
std::string TransferDecodedContent(GMimePart& part) {
    GMimeDataWrapper* content = g_mime_part_get_content(&part);
    if (content == nullptr) return {};
    const GObjectPtr<GMimeStream> stream{g_mime_stream_mem_new()};
    g_mime_data_wrapper_write_to_stream(content, stream.get());
    const GByteArray* bytes = g_mime_stream_mem_get_byte_array(reinterpret_cast<GMimeStreamMem*>(stream.get()));
    return std::string(reinterpret_cast<const char*>(bytes->data), bytes->len);
}

std::string_view CharsetOf(GMimePart& part) {
    const char* charset = g_mime_object_get_content_type_parameter(AsObject(&part), "charset");
    return charset == nullptr ? std::string_view{} : charset;
}

// The charset an HTML document names in its own head (<meta charset=...> or the http-equiv
// form), for HTML parts whose Content-Type does not name one.
std::string HtmlDeclaredCharset(std::string_view html) {
    std::string head(html.substr(0, 4096));
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    auto at = head.find("charset=");
    if (at == std::string::npos) return {};
    at += 8;
    while (at < head.size() && (head[at] == '"' || head[at] == '\'' || head[at] == ' ')) ++at;
    const auto end = head.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-_.:", at);
    return head.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

std::string HtmlAsText(GMimePart& part, std::string_view html) {
    const std::string_view declared = CharsetOf(part);
    const std::string charset = declared.empty() ? HtmlDeclaredCharset(html) : std::string(declared);
    return HtmlToText(DecodeToUtf8(html, charset));
}

}  // namespace

MessageBody ReadMessageBody(GMimeMessage& message) {
    BodyParts found;
    if (GMimeObject* top = g_mime_message_get_mime_part(&message)) FindBodyParts(top, found);

    MessageBody body;
    if (found.html != nullptr) body.html = TransferDecodedContent(*found.html);
    if (found.plain != nullptr) {
        body.text = DecodeToUtf8(TransferDecodedContent(*found.plain), CharsetOf(*found.plain));
    } else if (body.html) {
        body.text = HtmlAsText(*found.html, *body.html);
    } else if (found.orphan_text != nullptr) {
        body.text = DecodeToUtf8(found.orphan_text, {});
    }
    return body;
}

}  // namespace tarn::tools::import
