// Tarn4OL.dll as Windows loads it: its entry points, its factory, its type library, its
// registration for the current user, and the add-in object's failures told through COM.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/win32/com_ptr.h"
#include "win/extensibility.h"
#include "win/server_identity.h"

namespace tarn::win {
namespace {

using platform::ComPtr;

using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using EntryFn = HRESULT(STDAPICALLTYPE*)();

std::wstring RegistryString(HKEY root, const std::wstring& key, const wchar_t* name = nullptr) {
    wchar_t value[1024];
    DWORD size = sizeof value;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return L"<none>";
    return value;
}

std::wstring LastErrorDescription() {
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info) return L"<no error info>";
    BSTR description = nullptr;
    info->GetDescription(&description);
    std::wstring text = description != nullptr ? description : L"";
    SysFreeString(description);
    return text;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

constexpr const wchar_t* ClassKey = L"Software\\Classes\\CLSID\\{0C9D35CE-0E58-4DE5-87CB-93FBDE52C1C5}";
constexpr const wchar_t* AddInKey = L"Software\\Microsoft\\Office\\Outlook\\AddIns\\Tarn4OL.TarnAddin";
constexpr const wchar_t* OutlookProgId = L"Software\\Classes\\Outlook.Application";

// The library loaded as COM loads an in-process server, with COM on this thread.
class Server : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        library_ = LoadLibraryW(L"" TARN_ADDIN_DLL);
        ASSERT_NE(library_, nullptr) << "cannot load " << TARN_ADDIN_DLL;
        get_class_object = reinterpret_cast<GetClassObjectFn>(reinterpret_cast<void*>(GetProcAddress(library_, "DllGetClassObject")));
        can_unload = Entry("DllCanUnloadNow");
        register_server = Entry("DllRegisterServer");
        unregister_server = Entry("DllUnregisterServer");
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, OutlookProgId);
        if (library_ != nullptr) FreeLibrary(library_);
        CoUninitialize();
    }
    EntryFn Entry(const char* name) {
        return reinterpret_cast<EntryFn>(reinterpret_cast<void*>(GetProcAddress(library_, name)));
    }
    ComPtr<IClassFactory> Factory() {
        ComPtr<IClassFactory> factory;
        EXPECT_EQ(get_class_object(CLSID_TarnAddin, IID_IClassFactory, reinterpret_cast<void**>(factory.Put())), S_OK);
        return factory;
    }
    // Outlook as this machine knows it: a class registered for its ProgID (nothing behind it).
    static void PretendOutlookIsInstalled() {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(OutlookProgId) + L"\\CLSID").c_str(), 0, nullptr, 0,
                                  KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const wchar_t clsid[] = L"{0006F03A-0000-0000-C000-000000000046}";
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid), sizeof clsid);
        RegCloseKey(key);
    }

    HMODULE library_ = nullptr;
    GetClassObjectFn get_class_object = nullptr;
    EntryFn can_unload = nullptr;
    EntryFn register_server = nullptr;
    EntryFn unregister_server = nullptr;
};

TEST_F(Server, ExportsTheFourEntryPointsAndNothingElse) {
    const auto* base = reinterpret_cast<const BYTE*>(library_);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    std::set<std::string> exported;
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) exported.insert(reinterpret_cast<const char*>(base + names[i]));
    EXPECT_EQ(exported, (std::set<std::string>{"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                                               "DllUnregisterServer"}));
    EXPECT_EQ(exports->NumberOfFunctions, 4u);
}

TEST_F(Server, NeedsNoRuntimeLibraryBesideIt) {
    const auto* base = reinterpret_cast<const BYTE*>(library_);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const std::set<std::string> windows = {"ADVAPI32.DLL", "COMCTL32.DLL", "GDI32.DLL", "KERNEL32.DLL", "MSVCRT.DLL", "OLE32.DLL",
                                           "OLEAUT32.DLL", "SHELL32.DLL", "USER32.DLL"};
    for (const auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         import->Name != 0; ++import) {
        std::string name = reinterpret_cast<const char*>(base + import->Name);
        for (char& ch : name) ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
        EXPECT_TRUE(windows.contains(name)) << name << " is not part of Windows";
    }
}

TEST_F(Server, AnotherClassIsNotAvailable) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(get_class_object(IID_IDispatch, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
}

TEST_F(Server, StaysLoadedWhileAFactoryLockOrAnObjectLives) {
    EXPECT_EQ(can_unload(), S_OK);
    auto factory = Factory();
    ASSERT_TRUE(factory);
    EXPECT_EQ(can_unload(), S_FALSE);
    ComPtr<IDispatch> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(object.Put())), S_OK);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory.Reset();
    EXPECT_EQ(can_unload(), S_FALSE);  // the lock and the object
    Factory()->LockServer(FALSE);
    EXPECT_EQ(can_unload(), S_FALSE);  // the object
    object.Reset();
    EXPECT_EQ(can_unload(), S_OK);
}

TEST_F(Server, TheObjectAnswersItsInterfacesAndDescribesItselfByTheTypeLibrary) {
    ComPtr<IUnknown> object;
    ASSERT_EQ(Factory()->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(object.Put())), S_OK);
    EXPECT_TRUE(object.As<IDispatch>(IID_ITarnAddin));
    EXPECT_TRUE(object.As<IDispatch>(IID_IDTExtensibility2));
    EXPECT_FALSE(object.As<IDispatch>(IID_IClassFactory));
    ComPtr<IUnknown> aggregated;
    EXPECT_EQ(Factory()->CreateInstance(object.Get(), IID_IUnknown, reinterpret_cast<void**>(aggregated.Put())),
              CLASS_E_NOAGGREGATION);
    const auto dispatch = object.As<IDispatch>(IID_IDispatch);
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, info.Put()), S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, IID_ITarnAddin));
    info->ReleaseTypeAttr(attributes);
    ComPtr<ITypeLib> library;
    UINT index = 0;
    ASSERT_EQ(info->GetContainingTypeLib(library.Put(), &index), S_OK);
    TLIBATTR* library_attributes = nullptr;
    ASSERT_EQ(library->GetLibAttr(&library_attributes), S_OK);
    EXPECT_TRUE(IsEqualGUID(library_attributes->guid, LIBID_Tarn4OL));
    EXPECT_EQ(library_attributes->wMajorVerNum, 1);
    EXPECT_EQ(library_attributes->wMinorVerNum, 0);
#ifdef _WIN64
    EXPECT_EQ(library_attributes->syskind, SYS_WIN64);
#endif
    library->ReleaseTLibAttr(library_attributes);
}

// A host other than Outlook: an automation object that is nothing else.
class OtherHost final : public IDispatch {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
            *out = this;
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override { *count = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }
};

TEST_F(Server, AHostThatIsNotOutlookIsRefusedThroughErrorInfo) {
    ComPtr<IDTExtensibility2> addin;
    ASSERT_EQ(Factory()->CreateInstance(nullptr, IID_IDTExtensibility2, reinterpret_cast<void**>(addin.Put())), S_OK);
    OtherHost excel;
    // Connected while the host runs: the start-up runs within OnConnection, and fails.
    EXPECT_EQ(addin->OnConnection(&excel, 0, &excel, nullptr), E_FAIL);
    ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, info.Put()), S_OK);
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_EQ(std::wstring(description),
              L"Add-in Orvik' Tarn! initialization is failed. This Add-in doesn't support this application.");
    SysFreeString(description);
    DWORD help_context = 0;
    info->GetHelpContext(&help_context);
    EXPECT_EQ(help_context, 31101u);
    EXPECT_EQ(addin->OnDisconnection(0, nullptr), S_OK);
}

TEST_F(Server, RegistersForTheCurrentUserAndUnregistersEverything) {
    ASSERT_EQ(register_server(), S_OK);
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, ClassKey), L"Orvik' Spam Filter for MS Outlook");
    const std::wstring server = RegistryString(HKEY_CURRENT_USER, std::wstring(ClassKey) + L"\\InprocServer32");
    EXPECT_NE(server.find(L"Tarn4OL.dll"), std::wstring::npos) << server;
    EXPECT_EQ(server.find(L' '), std::wstring::npos);  // the short form when the path holds a blank
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, std::wstring(ClassKey) + L"\\InprocServer32", L"ThreadingModel"),
              L"Apartment");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, L"Software\\Classes\\Tarn4OL.TarnAddin\\Clsid"),
              L"{0C9D35CE-0E58-4DE5-87CB-93FBDE52C1C5}");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, std::wstring(ClassKey) + L"\\TypeLib"),
              L"{892B3A2B-0B06-417D-ABEB-D379F5144E4E}");
    BSTR type_library = nullptr;
    ASSERT_EQ(QueryPathOfRegTypeLib(LIBID_Tarn4OL, 1, 0, 0x0409, &type_library), S_OK);
    EXPECT_NE(std::wstring(type_library).find(L"Tarn4OL.dll"), std::wstring::npos);
    SysFreeString(type_library);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AddInKey));  // this machine has no Outlook
    ASSERT_EQ(unregister_server(), S_OK) << LastErrorDescription();
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, ClassKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"Software\\Classes\\Tarn4OL.TarnAddin"));
    EXPECT_NE(QueryPathOfRegTypeLib(LIBID_Tarn4OL, 1, 0, 0x0409, &type_library), S_OK);
    EXPECT_EQ(unregister_server(), S_OK) << LastErrorDescription();  // nothing left to take away
}

TEST_F(Server, WithOutlookInstalledTheAddInKeyIsWrittenAndRegisteringAgainResetsIt) {
    PretendOutlookIsInstalled();
    ASSERT_EQ(register_server(), S_OK);
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, AddInKey, L"AxpStartMode"), L"FIRSTSTART");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, AddInKey, L"FriendlyName"), L"Orvik' Tarn!");
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, AddInKey, 0, KEY_WRITE, &key), ERROR_SUCCESS);
    const wchar_t listed[] = L"Tarn-General\\";
    RegSetValueExW(key, L"CmdBars", 0, REG_SZ, reinterpret_cast<const BYTE*>(listed), sizeof listed);
    const wchar_t normal[] = L"NORMAL";
    RegSetValueExW(key, L"AxpStartMode", 0, REG_SZ, reinterpret_cast<const BYTE*>(normal), sizeof normal);
    RegCloseKey(key);
    ASSERT_EQ(register_server(), S_OK);
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, AddInKey, L"CmdBars"), L"");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, AddInKey, L"AxpStartMode"), L"FIRSTSTART");
    // Outlook cannot be reached here to take the controls away: unregistration stops there,
    // with the key marked for it.
    EXPECT_EQ(unregister_server(), E_FAIL);
    EXPECT_EQ(LastErrorDescription(), L"DllUnregisterServer: Can't unregister add-in controls.");
    EXPECT_EQ(RegistryString(HKEY_CURRENT_USER, AddInKey, L"AxpStartMode"), L"UNINSTALL");
    RegDeleteTreeW(HKEY_CURRENT_USER, AddInKey);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, OutlookProgId);
    EXPECT_EQ(unregister_server(), S_OK) << LastErrorDescription();
}

}  // namespace
}  // namespace tarn::win
