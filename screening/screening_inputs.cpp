#include "screening/screening_inputs.h"

#include "host/constants.h"
#include "screening/charset.h"

namespace tarn::screening {

namespace {

constexpr std::size_t BodyLimit = 5000;

}  // namespace

ScreeningInputs ReadScreeningInputs(host::Item& item, const MailItemView& view,
                                    platform::Diagnostics& diagnostics) {
    ScreeningInputs inputs;
    if (item.Class() != host::item_class::Mail) return inputs;
    std::string headers;
    if (view.AnswersMessage(item)) {
        headers = view.ReadTransportHeaders(item);
        // A charset that cannot be extracted is none: the message is screened without it.
        platform::Contain(diagnostics, "ExtractCharset", [&] { inputs.charset = ExtractCharset(headers); });
    }
    // No more of a body is read than the text takes.
    std::string body = view.ReadHtmlBody(item, BodyLimit);
    if (body.empty()) body = view.ReadBody(item, BodyLimit);
    inputs.screening_text = std::move(headers);
    inputs.screening_text += body;
    return inputs;
}

}  // namespace tarn::screening
