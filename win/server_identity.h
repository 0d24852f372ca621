#pragma once

#include <windows.h>

namespace tarn::win {

// The identifiers the type library (tarn4ol.idl) declares; a test reads them back from the
// library's embedded type library.
inline constexpr GUID LIBID_Tarn4OL = {0x892B3A2B, 0x0B06, 0x417D, {0xAB, 0xEB, 0xD3, 0x79, 0xF5, 0x14, 0x4E, 0x4E}};
inline constexpr IID IID_ITarnAddin = {0x44A2E1AA, 0x479F, 0x4F9D, {0xB5, 0xF4, 0x20, 0x63, 0x3E, 0xCE, 0x1E, 0x70}};
inline constexpr CLSID CLSID_TarnAddin = {0x0C9D35CE, 0x0E58, 0x4DE5, {0x87, 0xCB, 0x93, 0xFB, 0xDE, 0x52, 0xC1, 0xC5}};
inline constexpr WORD TypeLibraryMajor = 1;
inline constexpr WORD TypeLibraryMinor = 0;

// IDTExtensibility2, the add-in connection interface of Office (msaddndr.dll), as its public
// documentation declares it: dual, members with DISPIDs 1 to 5.
inline constexpr IID IID_IDTExtensibility2 = {0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};

}  // namespace tarn::win
