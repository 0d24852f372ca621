#include "win/server_registration.h"

#include <oleauto.h>

#include <string>

#include "addin/addin_error.h"
#include "addin/addin_identity.h"
#include "addin/addin_registration.h"
#include "host/com/com_host.h"
#include "platform/codepage.h"
#include "platform/diagnostics_log.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/own_module.h"
#include "platform/win32/win32_class_registry.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_debug_output.h"
#include "platform/win32/win32_registry.h"
#include "win/class_keys.h"
#include "win/error_info.h"
#include "win/server_identity.h"

// In oleaut32 since Windows Vista; the MinGW-w64 headers do not declare them.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path, OLECHAR* help_directory);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID library, WORD major, WORD minor, LCID locale, SYSKIND kind);

namespace tarn::win {

namespace {

constexpr LCID TypeLibraryLocale = 0x0409;
#ifdef _WIN64
constexpr SYSKIND TypeLibraryKind = SYS_WIN64;
#else
constexpr SYSKIND TypeLibraryKind = SYS_WIN32;
#endif

std::u16string GuidText(const GUID& guid) {
    wchar_t text[40];
    StringFromGUID2(guid, text, 40);
    return reinterpret_cast<const char16_t*>(text);
}

std::u16string LibraryPath() {
    std::u16string path(MAX_PATH, u'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(platform::OwnModule(), reinterpret_cast<wchar_t*>(path.data()),
                                                static_cast<DWORD>(path.size()));
        if (length == 0) throw std::runtime_error("the library cannot tell its own path");
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The path COM is to load: its short form when it holds a blank (as older hosts need).
std::u16string ServerPath() {
    const std::u16string path = LibraryPath();
    if (path.find(u' ') == std::u16string::npos) return path;
    std::u16string short_path(path.size() + 1, u'\0');
    const DWORD length = GetShortPathNameW(reinterpret_cast<const wchar_t*>(path.c_str()),
                                           reinterpret_cast<wchar_t*>(short_path.data()),
                                           static_cast<DWORD>(short_path.size()));
    if (length == 0 || length >= short_path.size()) return path;  // no short names on this volume
    short_path.resize(length);
    return short_path;
}

std::u16string ClassKey() { return u"Software\\Classes\\CLSID\\" + GuidText(CLSID_TarnAddin); }
std::u16string ProgIdKey() { return u"Software\\Classes\\" + std::u16string(addin::ProgId); }

void RegisterTypeLibrary() {
    std::u16string path = LibraryPath();
    platform::ComPtr<ITypeLib> library;
    HRESULT result = LoadTypeLibEx(reinterpret_cast<LPCOLESTR>(path.c_str()), REGKIND_NONE, library.Put());
    if (FAILED(result)) throw std::runtime_error("the library's type library cannot be loaded");
    result = RegisterTypeLibForUser(library.Get(), reinterpret_cast<OLECHAR*>(path.data()), nullptr);
    if (FAILED(result)) throw std::runtime_error("the type library cannot be registered");
}

void RegisterClassKeys() {
    const std::u16string description(addin::Description);
    const std::u16string prog_id(addin::ProgId);
    WriteRegistryString(ClassKey(), u"", description);
    WriteRegistryString(ClassKey() + u"\\InprocServer32", u"", ServerPath());
    WriteRegistryString(ClassKey() + u"\\InprocServer32", u"ThreadingModel", u"Apartment");
    WriteRegistryString(ProgIdKey(), u"", description);
    WriteRegistryString(ProgIdKey() + u"\\Clsid", u"", GuidText(CLSID_TarnAddin));
    WriteRegistryString(ClassKey() + u"\\ProgID", u"", prog_id);
    WriteRegistryString(ClassKey() + u"\\Version", u"", u"1.0");
    WriteRegistryString(ClassKey() + u"\\TypeLib", u"", GuidText(LIBID_Tarn4OL));
}

void UnregisterClassKeys() {
    DeleteRegistryKey(ClassKey() + u"\\TypeLib");
    DeleteRegistryKey(ClassKey() + u"\\Version");
    DeleteRegistryKey(ClassKey() + u"\\ProgID");
    DeleteRegistryKey(ProgIdKey() + u"\\Clsid");
    DeleteRegistryKey(ProgIdKey());
    DeleteRegistryKey(ClassKey() + u"\\InprocServer32");
    DeleteRegistryKey(ClassKey());
}

// What registration needs of the system: the registry, the installed classes, and a log for
// what it contains (the debugger's output only: the installation may be read-only).
struct RegistrationServices {
    platform::Win32Registry registry;
    platform::Win32ClassRegistry classes;
    platform::Win32Clock clock;
    platform::Win32DebugOutput debug_output;
    platform::DiagnosticsLog diagnostics{debug_output, clock};
    addin::AddInRegistration registration{registry, classes};
};

template <class Steps>
HRESULT Run(const char* entry, Steps&& steps) noexcept {
    try {
        steps();
        return S_OK;
    } catch (const addin::AddinError& error) {
        SetErrorInfoFor(u"Tarn4OL.dll", std::string(entry) + ": " + error.what(), static_cast<DWORD>(error.HelpContext()));
    } catch (const std::exception& error) {
        SetErrorInfoFor(u"Tarn4OL.dll", std::string(entry) + ": " + error.what(), 0);
    } catch (...) {
        SetErrorInfoFor(u"Tarn4OL.dll", std::string(entry) + ": an unknown failure", 0);
    }
    return E_FAIL;
}

// COM for the calling thread, as long as the object lives, when the caller had none.
class ComForThisThread {
public:
    ComForThisThread() noexcept : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComForThisThread() {
        if (initialized_) CoUninitialize();
    }
    ComForThisThread(const ComForThisThread&) = delete;
    ComForThisThread& operator=(const ComForThisThread&) = delete;

private:
    bool initialized_;
};

}  // namespace

HRESULT RegisterServer() noexcept {
    return Run("DllRegisterServer", [] {
        const ComForThisThread com;
        RegistrationServices services;
        RegisterTypeLibrary();
        RegisterClassKeys();
        services.registration.WriteAddInKeys();
    });
}

HRESULT UnregisterServer() noexcept {
    return Run("DllUnregisterServer", [] {
        const ComForThisThread com;
        RegistrationServices services;
        BSTR registered_path = nullptr;
        if (SUCCEEDED(QueryPathOfRegTypeLib(LIBID_Tarn4OL, TypeLibraryMajor, TypeLibraryMinor, TypeLibraryLocale,
                                            &registered_path))) {
            SysFreeString(registered_path);
            const HRESULT result = UnRegisterTypeLibForUser(LIBID_Tarn4OL, TypeLibraryMajor, TypeLibraryMinor,
                                                            TypeLibraryLocale, TypeLibraryKind);
            if (FAILED(result)) throw std::runtime_error("the type library cannot be unregistered");
        }
        const auto session = std::make_shared<host::com::ComSession>(services.diagnostics);
        const auto launcher = host::com::MakeComHostLauncher(session);
        services.registration.RemoveAddInControls(*launcher);
        services.registration.DeleteAddInKeys();
        UnregisterClassKeys();
    });
}

}  // namespace tarn::win
