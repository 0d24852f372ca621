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

// The options dialog: the frame, and its pages made from child templates placed over the page
// area. The two list pages (senders, words) share one template, as do the two check box pages
// (special filters, miscellaneous); controls are told apart by the page that holds them.
#define IDD_OPTIONS 500
#define IDC_LBLTITLE 501
#define IDC_LBLHINT 502
#define IDC_PNLGENSET 503
#define IDC_LISTVIEW1 504
#define IDC_PAGEAREA 505
#define IDC_BTNHELP 506
#define IDC_BTNCLOSEOPTIONS 507
#define IDB_TOPICS16 510
#define IDB_TOPICS32 511
#define IDB_BANNER 512

#define IDD_PAGE_LISTS 520
#define IDC_INNERTABS 521
#define IDC_COUNT_FIRST 522
#define IDC_LIST_FIRST 523
#define IDC_ENTRY_FIRST 524
#define IDC_ADD_FIRST 525
#define IDC_COUNT_SECOND 526
#define IDC_LIST_SECOND 527
#define IDC_ENTRY_SECOND 528
#define IDC_ADD_SECOND 529

#define IDD_PAGE_LANGUAGES 540
#define IDC_LBLALPHABETS 541
#define IDC_ALPHABETS 542

#define IDD_PAGE_QUARANTINE 550
#define IDD_PAGE_LOGBOOKS 551
#define IDC_GROUP_FIRST 552
#define IDC_GROUP_SECOND 553
// The radio buttons of a page's first and second group: item i is the base plus i.
#define IDC_RADIO_FIRST 560
#define IDC_RADIO_SECOND 570

#define IDD_PAGE_ADDRESSBOOK 580
#define IDC_BTNSCANADDRESSBOOK 581

#define IDD_PAGE_CHECKS 590
#define IDC_CHECK_FIRST 591
#define IDC_CHECK_SECOND 592
#define IDC_CHECK_THIRD 593

// The manifest the views activate around their windows (the resource number Windows keeps for
// a library's own manifest).
#define IDR_VIEWS_MANIFEST 2

// The button glyphs, one strip at 16 and one at 32 pixels a side, and the progress picture.
#define IDB_GLYPHS16 513
#define IDB_GLYPHS32 514
#define IDB_PROGRESS 515
#define GLYPH_BAN 0
#define GLYPH_ALLOW 1
#define GLYPH_RESCAN 2
#define GLYPH_COUNT 3
