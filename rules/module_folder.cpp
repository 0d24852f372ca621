// The one place where the engine asks the system about itself: which file holds its code.
#include "rules/module_folder.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#else
#include <dlfcn.h>
#endif

namespace tarn::rules {

#ifdef _WIN32

std::filesystem::path EngineLibraryFolder() {
    HMODULE module = nullptr;
    const auto flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (!GetModuleHandleExW(flags, reinterpret_cast<LPCWSTR>(&EngineLibraryFolder), &module)) return {};
    // Long paths: the buffer grows until the name fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            return std::filesystem::path(name).parent_path();
        }
        if (name.size() >= 32768) return {};
        name.resize(name.size() * 2);
    }
}

#else

std::filesystem::path EngineLibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&EngineLibraryFolder), &info) == 0 || info.dli_fname == nullptr) return {};
    std::error_code error;
    const auto file = std::filesystem::absolute(info.dli_fname, error);
    return error ? std::filesystem::path() : file.parent_path();
}

#endif

}  // namespace tarn::rules
