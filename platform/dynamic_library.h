#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace tarn::platform {

// A library loaded at run time (LoadLibrary on Windows, dlopen on Linux), released with the
// object.
class DynamicLibrary {
public:
    virtual ~DynamicLibrary() = default;
    // The address of an exported function, or null when the library has none of that name.
    virtual void* Symbol(const char* name) const = 0;
};

// Loads a library by its full path; null, with the system's reason in `error`, when it
// cannot be loaded.
std::unique_ptr<DynamicLibrary> LoadDynamicLibrary(const std::filesystem::path& path, std::string& error);

// The file name of a library of the product on this system: "name.dll" or "libname.so".
std::string LibraryFileName(const std::string& name);

// The folder of the module that holds the add-in's code: the add-in library on Windows, the
// program on Linux.
std::filesystem::path OwnModuleFolder();

}  // namespace tarn::platform
