#include <windows.h>

#include <vector>

#include "platform/codepage.h"
#include "platform/dynamic_library.h"
#include "platform/win32/own_module.h"

namespace tarn::platform {

namespace {

class Win32Library final : public DynamicLibrary {
public:
    explicit Win32Library(HMODULE module) : module_(module) {}
    ~Win32Library() override { FreeLibrary(module_); }
    Win32Library(const Win32Library&) = delete;
    Win32Library& operator=(const Win32Library&) = delete;

    void* Symbol(const char* name) const override {
        return reinterpret_cast<void*>(GetProcAddress(module_, name));
    }

private:
    HMODULE module_;
};

}  // namespace

std::unique_ptr<DynamicLibrary> LoadDynamicLibrary(const std::filesystem::path& path, std::string& error) {
    // Resolve the library's own dependencies from its folder, not the host program's.
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) {
        error = "cannot load " + Narrow(path.u16string()) + " (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    return std::make_unique<Win32Library>(module);
}

std::string LibraryFileName(const std::string& name) {
    return name + ".dll";
}

std::filesystem::path OwnModuleFolder() {
    const HMODULE module = OwnModule();
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(module, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) return std::filesystem::path(std::wstring(name.data(), length)).parent_path();
        name.resize(name.size() * 2);
    }
}

}  // namespace tarn::platform
