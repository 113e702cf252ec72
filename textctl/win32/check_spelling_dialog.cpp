#include "check_spelling_dialog.h"

#include <array>
#include <string>

#include "dialog_ids.h"
#include "dialog_support.h"

namespace trov {
namespace {

// With the context box the first stop waits for this timer, so that it is found after the
// dialog is on the screen.
constexpr UINT_PTR kFirstStopTimer = 4321;
constexpr int kMaxSuggestionDepth = 100;

struct PromptRow {
  int16_t flag;
  UINT text;
};

// Tested in this order; the last matching row wins.
constexpr std::array<PromptRow, 6> kPrompts = {{
    {TROV_RESULT_MISSPELLED, IDS_PROMPT_MISSPELLED},
    {TROV_RESULT_COND_CHANGE, IDS_PROMPT_COND_CHANGE},
    {TROV_RESULT_DOUBLED_WORD, IDS_PROMPT_DOUBLED},
    {TROV_RESULT_CAPITALIZATION, IDS_PROMPT_CAPITALIZATION},
    {TROV_RESULT_MIXED_CASE, IDS_PROMPT_MIXED_CASE},
    {TROV_RESULT_MIXED_DIGITS, IDS_PROMPT_DIGITS},
}};

class CheckSpellingDialog {
 public:
  CheckSpellingDialog(CheckDialogHost& host, CheckDialogSettings& settings)
      : host_(host), settings_(settings) {}

  void Initialise(HWND dialog);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  std::string Text(UINT id) const { return ResourceString(host_.Resources(), id); }
  std::string EditText() const {
    return ControlText(Item(IDC_CHECK_WORD), TROV_PROBLEM_BUFFER - 1);
  }
  bool EditCanUndo() const {
    return SendDlgItemMessageA(dialog_, IDC_CHECK_WORD, EM_CANUNDO, 0, 0);
  }
  bool EditModified() const {
    return SendDlgItemMessageA(dialog_, IDC_CHECK_WORD, EM_GETMODIFY, 0, 0) != 0;
  }
  int SelectedSuggestion() const {
    return static_cast<int>(
        SendDlgItemMessageA(dialog_, IDC_CHECK_SUGGESTIONS, LB_GETCURSEL, 0, 0));
  }
  void SetEditWord(const std::string& word);
  // What Change and Change All put in: the typed text, else the chosen suggestion.
  std::string ChosenReplacement() const;

  void OnCommand(int id, int notification);
  void NextStop();
  void UpdateButtons();
  void FillSuggestions();
  void FillAddWordsTo();
  void ReleaseAddWordsTo();
  void IgnoreOrUndoEdit();
  void ChangeOrDelete();
  void ChangeAll();
  void AddToDictionary();
  void EndCheckDialog(int16_t code);

  CheckDialogHost& host_;
  CheckDialogSettings& settings_;
  HWND dialog_ = nullptr;
  bool doubledWordMode_ = false;
};

void CheckSpellingDialog::Initialise(HWND dialog) {
  dialog_ = dialog;
  RECT frame{};
  GetWindowRect(dialog_, &frame);
  HWND context = Item(IDC_CHECK_CONTEXT);
  if (settings_.showContext) {
    EnableWindow(context, TRUE);
    ShowWindow(context, SW_SHOW);
    // Replacements must fit however long the text is; the default limit would cut them.
    SendMessageA(context, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(context, host_.Loop().Text().c_str());
    host_.AttachTextWindow(context);
  } else {
    RECT box{};
    GetWindowRect(context, &box);
    SetWindowPos(dialog_, nullptr, frame.left, frame.top, frame.right - frame.left,
                 box.top - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(Item(IDC_CHECK_DICTIONARIES), settings_.showDictionariesButton ? SW_SHOW : SW_HIDE);
  ShowWindow(Item(IDC_CHECK_OPTIONS), settings_.showOptionsButton ? SW_SHOW : SW_HIDE);
  if (settings_.dialogLeft >= 0 && settings_.dialogTop >= 0) {
    SetWindowPos(dialog_, nullptr, settings_.dialogLeft, settings_.dialogTop, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    CentreDialog(dialog_);
  }
  FillAddWordsTo();
  if (settings_.showContext) {
    SetTimer(dialog_, kFirstStopTimer, 1, nullptr);
  } else {
    NextStop();
  }
}

INT_PTR CheckSpellingDialog::Handle(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_TIMER:
      if (wParam != kFirstStopTimer) return FALSE;
      // Stopped first: a message box during the stop must not let the timer start another.
      KillTimer(dialog_, kFirstStopTimer);
      NextStop();
      return TRUE;
    case WM_DESTROY:
      ReleaseAddWordsTo();
      return FALSE;
    default:
      return FALSE;
  }
}

void CheckSpellingDialog::OnCommand(int id, int notification) {
  if (id == IDC_CHECK_SUGGESTIONS) {
    if (notification == LBN_SELCHANGE) UpdateButtons();
    if (notification == LBN_DBLCLK) {
      const int selected = SelectedSuggestion();
      if (selected == LB_ERR) return;
      SetEditWord(ListBoxItemText(Item(IDC_CHECK_SUGGESTIONS), selected));
      ChangeOrDelete();
    }
    return;
  }
  if (id == IDC_CHECK_WORD) {
    if (notification == EN_CHANGE) UpdateButtons();
    return;
  }
  if (notification != BN_CLICKED) return;
  switch (id) {
    case IDC_CHECK_IGNORE:
      IgnoreOrUndoEdit();
      break;
    case IDC_CHECK_IGNORE_ALL:
      host_.Loop().IgnoreAllWord();
      NextStop();
      break;
    case IDC_CHECK_CHANGE:
      ChangeOrDelete();
      break;
    case IDC_CHECK_CHANGE_ALL:
      ChangeAll();
      break;
    case IDC_CHECK_ADD:
      AddToDictionary();
      break;
    case IDC_CHECK_SUGGEST:
      FillSuggestions();
      UpdateButtons();
      break;
    case IDC_CHECK_DICTIONARIES:
      host_.OpenUserDictionariesDialog(dialog_);
      break;
    case IDC_CHECK_OPTIONS:
      host_.OpenOptionsDialog(dialog_);
      break;
    case IDC_CHECK_UNDO:
      host_.Loop().Undo();
      UpdateButtons();
      NextStop();
      break;
    case IDC_CHECK_HELP:
      host_.ShowHelp(dialog_, HELP_TOPIC_CHECK_SPELLING);
      break;
    case IDCANCEL:
      EndCheckDialog(kCheckDialogCancelled);
      break;
    default:  // IDOK among them: Enter presses the default button instead
      break;
  }
}

void CheckSpellingDialog::SetEditWord(const std::string& word) {
  SetDlgItemTextA(dialog_, IDC_CHECK_WORD, word.c_str());
  SendDlgItemMessageA(dialog_, IDC_CHECK_WORD, EM_SETMODIFY, FALSE, 0);
  SendDlgItemMessageA(dialog_, IDC_CHECK_WORD, EM_EMPTYUNDOBUFFER, 0, 0);
}

std::string CheckSpellingDialog::ChosenReplacement() const {
  const int selected = SelectedSuggestion();
  if (EditModified() || selected == LB_ERR) return EditText();
  return ListBoxItemText(Item(IDC_CHECK_SUGGESTIONS), selected);
}

void CheckSpellingDialog::NextStop() {
  SendDlgItemMessageA(dialog_, IDC_CHECK_SUGGESTIONS, LB_RESETCONTENT, 0, 0);
  CheckLoop& loop = host_.Loop();
  const int16_t flags = loop.Resume();
  if (flags & TROV_RESULT_END_OF_TEXT) {
    EndCheckDialog(kCheckDialogEndOfText);
    return;
  }
  SetEditWord(loop.MisspelledWord());
  for (const PromptRow& row : kPrompts) {
    if (flags & row.flag) SetDlgItemTextA(dialog_, IDC_CHECK_PROMPT, Text(row.text).c_str());
  }
  if (flags & (TROV_RESULT_MISSPELLED | TROV_RESULT_CAPITALIZATION)) {
    FillSuggestions();
  } else if (flags & TROV_RESULT_COND_CHANGE) {
    SendDlgItemMessageA(dialog_, IDC_CHECK_SUGGESTIONS, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(loop.ReplacementWord().c_str()));
    SendDlgItemMessageA(dialog_, IDC_CHECK_SUGGESTIONS, LB_SETCURSEL, 0, 0);
  }
  EnableWindow(Item(IDC_CHECK_IGNORE_ALL), (flags & TROV_RESULT_MISSPELLED) != 0);
  doubledWordMode_ = (flags & TROV_RESULT_DOUBLED_WORD) != 0;
  UpdateButtons();
}

void CheckSpellingDialog::UpdateButtons() {
  const bool edited = EditCanUndo();
  const bool selected = SelectedSuggestion() != LB_ERR;
  const bool textEmpty = GetWindowTextLengthA(Item(IDC_CHECK_WORD)) == 0;
  // A doubled word offers Delete until the user types something else.
  const bool empty = textEmpty || (doubledWordMode_ && !edited);
  SetDlgItemTextA(dialog_, IDC_CHECK_IGNORE, Text(edited ? IDS_UNDO_EDIT : IDS_IGNORE).c_str());
  if (empty) {
    EnableWindow(Item(IDC_CHECK_IGNORE_ALL), FALSE);
    SetDlgItemTextA(dialog_, IDC_CHECK_CHANGE, Text(IDS_DELETE).c_str());
    EnableWindow(Item(IDC_CHECK_CHANGE), TRUE);
  } else {
    SetDlgItemTextA(dialog_, IDC_CHECK_CHANGE, Text(IDS_CHANGE).c_str());
    EnableWindow(Item(IDC_CHECK_CHANGE), edited || selected);
  }
  EnableWindow(Item(IDC_CHECK_CHANGE_ALL), edited || selected);
  const bool haveDictionary =
      SendDlgItemMessageA(dialog_, IDC_CHECK_ADD_WORDS_TO, CB_GETCOUNT, 0, 0) > 0;
  EnableWindow(Item(IDC_CHECK_ADD), !empty && haveDictionary && !textEmpty);
  EnableWindow(Item(IDC_CHECK_SUGGEST),
               !empty && host_.Core().SuggestionDepth() < kMaxSuggestionDepth);
  EnableWindow(Item(IDC_CHECK_UNDO), host_.Loop().CanUndo());
}

void CheckSpellingDialog::FillSuggestions() {
  WaitCursor wait;
  HWND list = Item(IDC_CHECK_SUGGESTIONS);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  const std::string word = ControlText(Item(IDC_CHECK_WORD), TROV_MAX_WORD);
  CheckLoop& loop = host_.Loop();
  loop.SuggestFor(word.c_str());
  for (int16_t i = 0; i < loop.SuggestionCount(); ++i) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(loop.Suggestion(i).c_str()));
  }
  if (loop.SuggestionCount() > 0) SendMessageA(list, LB_SETCURSEL, 0, 0);
}

void CheckSpellingDialog::FillAddWordsTo() {
  HWND list = Item(IDC_CHECK_ADD_WORDS_TO);
  const LRESULT remembered = SendMessageA(list, CB_GETCURSEL, 0, 0);
  ReleaseAddWordsTo();
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (const DictionaryEntry& entry : host_.Core().Dictionaries(DictionaryKind::kUser)) {
    const std::size_t slash = entry.fileName.rfind('\\');
    const std::string shown =
        slash == std::string::npos ? entry.fileName : entry.fileName.substr(slash + 1);
    const LRESULT index =
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    if (index < 0) continue;
    // The list owns a copy of the full path; ReleaseAddWordsTo frees it.
    auto* path = new std::string(entry.fileName);
    SendMessageA(list, CB_SETITEMDATA, index, reinterpret_cast<LPARAM>(path));
  }
  const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
  SendMessageA(list, CB_SETCURSEL, remembered >= 0 && remembered < count ? remembered : 0, 0);
}

void CheckSpellingDialog::ReleaseAddWordsTo() {
  HWND list = Item(IDC_CHECK_ADD_WORDS_TO);
  const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT data = SendMessageA(list, CB_GETITEMDATA, i, 0);
    if (data == 0 || data == CB_ERR) continue;
    delete reinterpret_cast<std::string*>(data);
    SendMessageA(list, CB_SETITEMDATA, i, 0);
  }
}

void CheckSpellingDialog::IgnoreOrUndoEdit() {
  if (EditCanUndo()) {
    SetEditWord(host_.Loop().MisspelledWord());
    UpdateButtons();
    return;
  }
  host_.Loop().IgnoreWord();
  NextStop();
}

void CheckSpellingDialog::ChangeOrDelete() {
  CheckLoop& loop = host_.Loop();
  bool failed = false;
  if ((!doubledWordMode_ || EditCanUndo()) && !EditText().empty()) {
    loop.SetReplacementWord(ChosenReplacement().c_str());
    failed = loop.ReplaceWord() < 0;
  } else {
    failed = loop.DeleteWord() < 0;
  }
  if (failed) {
    ShowResourceMessage(host_.Resources(), dialog_, IDS_REPLACE_NO_SPACE);
    EndCheckDialog(kCheckDialogChangeFailed);
  }
  // The next stop runs even after a failure: reaching the end of the text then ends with 0.
  SetFocus(dialog_);
  NextStop();
}

void CheckSpellingDialog::ChangeAll() {
  CheckLoop& loop = host_.Loop();
  loop.SetReplacementWord(ChosenReplacement().c_str());
  loop.ReplaceAllWord();
  SetFocus(dialog_);
  NextStop();
}

void CheckSpellingDialog::AddToDictionary() {
  CheckLoop& loop = host_.Loop();
  const LRESULT selected = SendDlgItemMessageA(dialog_, IDC_CHECK_ADD_WORDS_TO, CB_GETCURSEL, 0, 0);
  const LRESULT data = selected == CB_ERR ? 0
                                          : SendDlgItemMessageA(dialog_, IDC_CHECK_ADD_WORDS_TO,
                                                                CB_GETITEMDATA, selected, 0);
  if (data != 0 && data != CB_ERR) {
    const auto* path = reinterpret_cast<const std::string*>(data);
    const int16_t added = host_.Dictionaries().AddToUserDictionary(
        path->c_str(), loop.MisspelledWord().c_str(), 'i', "");
    if (added < 0) ShowResourceMessage(host_.Resources(), dialog_, IDS_ADD_WORD_FAILED);
  }
  loop.IgnoreWord();
  NextStop();
}

void CheckSpellingDialog::EndCheckDialog(int16_t code) {
  ReleaseAddWordsTo();
  RECT frame{};
  GetWindowRect(dialog_, &frame);
  settings_.dialogLeft = frame.left;
  settings_.dialogTop = frame.top;
  EndDialog(dialog_, code);
}

}  // namespace

int16_t RunCheckSpellingDialog(CheckDialogHost& host, HWND parent, CheckDialogSettings& settings) {
  CheckSpellingDialog dialog(host, settings);
  return static_cast<int16_t>(RunModalDialog(host.Resources(), IDD_CHECK_SPELLING, parent, dialog));
}

}  // namespace trov
