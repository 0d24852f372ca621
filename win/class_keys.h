#pragma once

#include <string>
#include <string_view>

namespace tarn::win {

// Keys and string values under the current user's root, through the wide registry functions
// (paths of the library may hold any character). Each failure raises std::runtime_error
// naming the key.
void WriteRegistryString(const std::u16string& key, std::u16string_view name, std::u16string_view value);
// Deletes a key that has no subkeys left; a missing key is no failure.
void DeleteRegistryKey(const std::u16string& key);

}  // namespace tarn::win
