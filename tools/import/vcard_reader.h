#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarn::tools::import {

// One card of an address book export: the name shown and its e-mail addresses, in order.
struct VCardContact {
    std::string name;
    std::vector<std::string> emails;
};

// A vCard file that is not one: what() names the line and what is wrong with it.
class VCardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The cards of a vCard text (versions 2.1, 3.0 and 4.0, as address books export them): folded
// lines are unfolded, property groups ("item1.EMAIL") and parameters are understood, FN gives
// the name and every EMAIL an address. Raises VCardError for text outside a card, a card that
// never ends or one that ends twice.
std::vector<VCardContact> ParseVCards(std::string_view text);

// The cards of a file; VCardError also when the file cannot be read.
std::vector<VCardContact> ReadVCardFile(const std::filesystem::path& path);

}  // namespace tarn::tools::import
