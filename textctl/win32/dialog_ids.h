// Resource ids of the control's dialogs and menu: templates, controls, strings and help topics. The
// module's resource script builds the dialogs from the same names the code uses, so each id is
// written once. Plain macros: the resource compiler reads this file too.
#ifndef VANTOR_DIALOG_IDS_H
#define VANTOR_DIALOG_IDS_H

#define IDS_CONTROL_NAME 1  // the control's display name, also the caption of its message boxes

// ---- Check Spelling dialog ----
#define IDD_CHECK_SPELLING 203
#define IDC_CHECK_PROMPT 213
#define IDC_CHECK_WORD 214
#define IDC_CHECK_SUGGESTIONS 216
#define IDC_CHECK_IGNORE 3  // Ignore, or Undo edit after typing
#define IDC_CHECK_IGNORE_ALL 4
#define IDC_CHECK_CHANGE 5  // Change, or Delete
#define IDC_CHECK_CHANGE_ALL 6
#define IDC_CHECK_ADD 7
#define IDC_CHECK_SUGGEST 8
#define IDC_CHECK_DICTIONARIES 9
#define IDC_CHECK_OPTIONS 10
#define IDC_CHECK_UNDO 11
#define IDC_CHECK_HELP 12
#define IDC_CHECK_CONTEXT 219
#define IDC_CHECK_ADD_WORDS_TO 217

#define IDS_REPLACE_NO_SPACE 203
#define IDS_ADD_WORD_FAILED 204
#define IDS_PROMPT_MISSPELLED 205
#define IDS_PROMPT_COND_CHANGE 206
#define IDS_PROMPT_DOUBLED 207
#define IDS_PROMPT_CAPITALIZATION 208
#define IDS_PROMPT_MIXED_CASE 209
#define IDS_PROMPT_DIGITS 210
#define IDS_UNDO_EDIT 211
#define IDS_IGNORE 212
#define IDS_DELETE 213
#define IDS_CHANGE 214

// ---- User Dictionaries dialog ----
#define IDD_USER_DICTIONARIES 204
#define IDC_DICT_WORDS 228
#define IDC_DICT_ACTION 229
#define IDC_DICT_OTHER_WORD 230
#define IDC_DICT_LIST 231
#define IDC_DICT_ADD 232
#define IDC_DICT_DELETE 233
#define IDC_DICT_HELP 12

#define IDS_ACTION_AUTO_OTHER_CASE 215
#define IDS_ACTION_AUTO_OWN_CASE 216
#define IDS_ACTION_COND_OTHER_CASE 217
#define IDS_ACTION_COND_OWN_CASE 218
#define IDS_ACTION_IGNORE 219
#define IDS_ACTION_EXCLUDE 220
#define IDS_DICTIONARY_FULL 221

// ---- Options dialog ----
#define IDD_OPTIONS 205
#define IDC_OPT_CASE_SENSITIVE 201
#define IDC_OPT_DOUBLED_WORDS 202
#define IDC_OPT_ALL_CAPS 205
#define IDC_OPT_CAPITALIZED 206
#define IDC_OPT_MIXED_CASE 207
#define IDC_OPT_DIGITS 208
#define IDC_OPT_SPLIT_WORDS 225
#define IDC_OPT_PHONETIC 226
#define IDC_OPT_TYPOGRAPHICAL 227
#define IDC_OPT_AUTO_CORRECT 239
#define IDC_OPT_DOMAIN_NAMES 249
#define IDC_OPT_HELP 12

// ---- Background checking's pop-up menu ----
#define IDM_SUGGESTIONS 101
#define IDM_FIRST_SUGGESTION 40013  // 16 slots, to 40028
#define IDM_LAST_SUGGESTION 40028
#define IDM_IGNORE_ALL 40030
#define IDM_ADD 40031

// ---- Help topics (context ids of the help file) ----
#define HELP_TOPIC_CHECK_SPELLING 100
#define HELP_TOPIC_OPTIONS 200
#define HELP_TOPIC_USER_DICTIONARIES 300

#endif  // VANTOR_DIALOG_IDS_H
