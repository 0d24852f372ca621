#include "addin/tarn_addin.h"
#include "host/constants.h"
#include "screening/charset.h"

namespace tarn::addin {

namespace {

constexpr std::size_t BodyLimit = 5000;

}  // namespace

ScreeningInputs TTarnAddin::ReadScreeningInputs(host::Item& item) const {
    ScreeningInputs inputs;
    if (item.Class() != host::item_class::Mail) return inputs;
    std::string headers;
    if (view_.AnswersMessage(item)) {
        headers = view_.ReadTransportHeaders(item);
        // A charset that cannot be extracted is none: the message is screened without it.
        platform::Contain(services_.diagnostics, "ExtractCharset",
                          [&] { inputs.charset = screening::ExtractCharset(headers); });
    }
    std::string body = view_.ReadHtmlBody(item);
    if (body.empty()) body = view_.ReadBody(item);
    if (body.size() > BodyLimit) body.resize(BodyLimit);
    inputs.screening_text = std::move(headers);
    inputs.screening_text += body;
    return inputs;
}

}  // namespace tarn::addin
