#include "tools/import/source_label.h"

namespace tarn::tools::import {

std::string SourceLabel::ToString() const {
    std::string text = file.string();
    if (position) text += "#" + std::to_string(*position);
    return text;
}

}  // namespace tarn::tools::import
