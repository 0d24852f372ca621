#include "rules/tokenizer.h"

#include "rules/body_tokens.h"
#include "rules/header_fields.h"
#include "rules/header_tokens.h"
#include "rules/list_footer.h"

namespace tarn::rules {

void Tokenize(std::string_view text, TokenSink& sink) {
    TokenWriter out(sink);
    const std::size_t headers = ReadHeaderFields(
        text, [&](std::string_view name, std::string_view value) { EmitHeaderFieldTokens(out, name, value); });
    const std::string_view body = text.substr(headers);
    const std::size_t footer = ListFooterStart(body);
    if (footer != std::string_view::npos) out.Emit("body:listfooter");
    EmitBodyTokens(out, body.substr(0, footer));
}

}  // namespace tarn::rules
