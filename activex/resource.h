// Resource identifiers shared by the resource script and the code. The dialogs' own ids are in
// dialog_ids.h, beside the dialogs.
#ifndef VANTOR_RESOURCE_H
#define VANTOR_RESOURCE_H

#include "dialog_ids.h"

#define IDB_CONTROL 1  // design-time and toolbox bitmap
#define IDI_CONTROL 1  // the control's icon, in the About box

// ---- About box ----
#define IDD_ABOUT_BOX 1
#define IDC_ABOUT_LINK 250
#define IDC_ABOUT_VERSION 251

// ---- Property pages: the templates, their titles and the fields ----
#define IDD_PAGE_GENERAL 200
#define IDD_PAGE_DICTIONARIES 105
#define IDD_PAGE_SUGGESTIONS 201
#define IDS_PAGE_GENERAL 200
#define IDS_PAGE_DICTIONARIES 201
#define IDS_PAGE_SUGGESTIONS 202

#define IDC_PAGE_CASE_SENSITIVE 201
#define IDC_PAGE_DOUBLED_WORDS 202
#define IDC_PAGE_CATCH_MIXED_CASE 203
#define IDC_PAGE_CATCH_DIGITS 204
#define IDC_PAGE_IGNORE_ALL_CAPS 205
#define IDC_PAGE_IGNORE_CAPITALIZED 206
#define IDC_PAGE_IGNORE_MIXED_CASE 207
#define IDC_PAGE_IGNORE_DIGITS 208

#define IDC_PAGE_MAIN_DICTIONARIES 221
#define IDC_PAGE_USER_DICTIONARIES 222

#define IDC_PAGE_MAX_SUGGESTIONS 222
#define IDC_PAGE_INITIAL_DEPTH 223
#define IDC_PAGE_DEPTH_INCREMENT 224
#define IDC_PAGE_SPLIT_WORDS 225
#define IDC_PAGE_PHONETIC 226
#define IDC_PAGE_TYPOGRAPHICAL 227
#define IDC_PAGE_MIN_SCORE 228
#define IDC_PAGE_SCORE_RANGE 229

#endif  // VANTOR_RESOURCE_H
