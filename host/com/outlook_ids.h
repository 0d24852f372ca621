#pragma once

#include <windows.h>
#include <oaidl.h>

namespace tarn::host::com {

// Identifiers of Outlook's and Office's interfaces and events that the add-in relies on. Each
// was checked against two public sources: wrappers generated from Outlook 2000's and Office's
// type libraries (JNA "COMTypelibraries" outlook9/office2), and the NetOffice event contracts
// and other add-ins' declarations.

// Outlook's _Application: answering it tells Outlook apart from the other Office hosts.
inline constexpr IID IID_OutlookApplication = {0x00063001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
// Office's COMAddIn: the add-in's own entry in the COM add-in list.
inline constexpr IID IID_ComAddIn = {0x000C033A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Event dispinterfaces and the DISPIDs of the events the add-in handles.
// The application's events of Outlook 2003 and later (Quit is 0xF007 in every version's).
inline constexpr IID DIID_ApplicationEvents_11 = {0x0006302C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID DISPID_Quit = 0xF007;
inline constexpr IID DIID_ItemsEvents = {0x00063077, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID DISPID_ItemAdd = 0xF001;
inline constexpr IID DIID_ExplorersEvents = {0x00063078, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID DISPID_NewExplorer = 0xF001;
inline constexpr IID DIID_ExplorerEvents_10 = {0x0006300F, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID DISPID_SelectionChange = 0xF007;
inline constexpr DISPID DISPID_Close = 0xF008;
inline constexpr IID DIID_InspectorsEvents = {0x00063079, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID DISPID_NewInspector = 0xF001;
// Office command bar controls: a button's Click(Ctrl, CancelDefault), a combo box's Change(Ctrl).
inline constexpr IID DIID_CommandBarButtonEvents = {0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID DIID_CommandBarComboBoxEvents = {0x000C0354, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID DISPID_Click = 1;
inline constexpr DISPID DISPID_Change = 1;

}  // namespace tarn::host::com
