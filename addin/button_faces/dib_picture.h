#pragma once

#include <stdexcept>
#include <string_view>

#include "host/picture.h"

namespace tarn::addin {

// A bitmap whose bytes do not make a picture; what() says what is wrong with them.
class BitmapError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The picture of a device-independent bitmap as a bitmap resource holds it (BITMAPINFOHEADER,
// palette, pixels): 8 bits per pixel with a palette, or 24 bits, uncompressed, rows bottom-up
// or top-down. Raises BitmapError for anything else, and for bytes that are cut short or do
// not agree with the header.
host::Picture DecodeDib(std::string_view bytes);

}  // namespace tarn::addin
