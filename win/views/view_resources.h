// The identifiers of the add-in's dialog templates and their controls, shared by the resource
// script and the views.
#pragma once

#define IDD_PROGRESS 200
#define IDC_PBNBMSGS 201
#define IDC_LBLSPAM 202
#define IDC_LBLLEGIT 203
#define IDC_ST 204
#define IDC_BTNCANCEL 205

#define IDD_ABOUT 300
#define IDC_BTNGOTOWEB 301
#define IDB_ABOUT 302
