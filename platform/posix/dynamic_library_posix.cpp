#include <dlfcn.h>

#include "platform/dynamic_library.h"

namespace tarn::platform {

namespace {

class PosixLibrary final : public DynamicLibrary {
public:
    explicit PosixLibrary(void* handle) : handle_(handle) {}
    ~PosixLibrary() override { ::dlclose(handle_); }
    PosixLibrary(const PosixLibrary&) = delete;
    PosixLibrary& operator=(const PosixLibrary&) = delete;

    void* Symbol(const char* name) const override { return ::dlsym(handle_, name); }

private:
    void* handle_;
};

}  // namespace

std::unique_ptr<DynamicLibrary> LoadDynamicLibrary(const std::filesystem::path& path, std::string& error) {
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        error = reason != nullptr ? reason : "cannot load " + path.string();
        return nullptr;
    }
    return std::make_unique<PosixLibrary>(handle);
}

std::string LibraryFileName(const std::string& name) {
    return "lib" + name + ".so";
}

std::filesystem::path OwnModuleFolder() {
    Dl_info info{};
    std::filesystem::path module;
    if (::dladdr(reinterpret_cast<void*>(&OwnModuleFolder), &info) != 0 && info.dli_fname != nullptr) {
        module = info.dli_fname;
    }
    // The program itself may be named relative to where it was started.
    if (!module.is_absolute()) module = std::filesystem::read_symlink("/proc/self/exe");
    return module.parent_path();
}

}  // namespace tarn::platform
