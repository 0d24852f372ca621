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

#define IDD_BANALLOW 400
#define IDC_LBLSELECT 401
#define IDC_EAE 402
#define IDC_BTNBAN 403
#define IDC_BTNALLOW 404
#define IDC_BTNMORE 405
#define IDC_BTNCLOSE 406
#define IDC_LABEL2 407
#define IDC_MEMO1 408
