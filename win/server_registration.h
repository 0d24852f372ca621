#pragma once

#include <windows.h>

namespace tarn::win {

// DllRegisterServer: for the current user only, so that no administrator rights are needed.
// In order: the type library (RegisterTypeLibForUser); the COM class under
// HKEY_CURRENT_USER\Software\Classes (its key, InprocServer32 with the library's path, in its
// short form when it holds a blank, the ProgID and its Clsid, ProgID, Version and TypeLib);
// the add-in key of every installed host. Any failure: E_FAIL, the rest not done.
HRESULT RegisterServer() noexcept;

// DllUnregisterServer, in order: the type library; the add-in's controls in a running (or
// started) Outlook and its add-in keys; the COM class's keys. Any failure: E_FAIL, the rest
// not done.
HRESULT UnregisterServer() noexcept;

}  // namespace tarn::win
