#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tarn::platform {

// The current user's registry kept in a file in the Windows ".reg" text format, so that a user
// can read it and Windows can import it. Every change rewrites the file at once, atomically.
//
// A file that is not a registry file, or holds lines this registry cannot keep (deleted keys or
// values), is never written: its keys cannot be opened and LoadError() says why.
class RegFileRegistry final : public Registry {
public:
    explicit RegFileRegistry(std::filesystem::path file);

    // Empty when the file was read (or does not exist yet).
    const std::string& LoadError() const noexcept { return load_error_; }

    std::unique_ptr<RegistryKey> OpenKey(std::string_view path, bool create) override;
    void DeleteKey(std::string_view path) override;

    struct NamedValue {
        std::string name;  // empty for the key's default value ("@")
        RegistryValue value;
        std::string raw;   // the data as written in the file, for values of other types
    };
    struct Key {
        std::string path;  // with its root: HKEY_CURRENT_USER\Software\...
        std::vector<NamedValue> values;
    };

private:
    friend class RegFileKey;

    Key* Find(std::string_view full_path);
    // Applies a change and writes the file; when the file cannot be written the change is
    // undone and RegistryError raised.
    template <class Change>
    void Commit(Change&& change);

    std::filesystem::path file_;
    std::vector<Key> keys_;
    std::string load_error_;
};

// Parsing and writing of the ".reg" text, exposed for tests. Parse raises RegistryError with
// the line number for text it cannot keep.
std::vector<RegFileRegistry::Key> ParseRegFile(std::string_view bytes);
std::string FormatRegFile(const std::vector<RegFileRegistry::Key>& keys);

}  // namespace tarn::platform
