#include "user_dictionaries_dialog.h"

#include <array>
#include <string>

#include "context_help.h"
#include "dialog_ids.h"
#include "dialog_support.h"
#include "module.h"
#include "vantor_control.h"

namespace trov {
namespace {

struct ActionRow {
  char code;
  UINT text;
};

constexpr std::array<ActionRow, 6> kActions = {{
    {'a', IDS_ACTION_AUTO_OTHER_CASE},
    {'A', IDS_ACTION_AUTO_OWN_CASE},
    {'c', IDS_ACTION_COND_OTHER_CASE},
    {'C', IDS_ACTION_COND_OWN_CASE},
    {'i', IDS_ACTION_IGNORE},
    {'e', IDS_ACTION_EXCLUDE},
}};

constexpr char kDefaultAction = 'i';

class UserDictionariesDialog {
 public:
  explicit UserDictionariesDialog(VantorControl& control) : control_(control) {}

  void Initialise(HWND dialog);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendDlgItemMessageA(dialog_, id, message, wParam, lParam);
  }
  // The selected dictionary's short name, which the members expand again; empty with none.
  std::string SelectedDictionary() const;
  void SelectAction(char code);
  void SelectWordAt(LRESULT position);

  void OnCommand(int id, int notification);
  void FillDictionaries();
  void FillWords();
  void ShowWordDetails();
  void UpdateButtons();
  void AddWord();
  void DeleteWord();

  VantorControl& control_;
  HWND dialog_ = nullptr;
};

INT_PTR UserDictionariesDialog::Handle(UINT message, WPARAM wParam, LPARAM) {
  if (message != WM_COMMAND) return FALSE;
  OnCommand(LOWORD(wParam), HIWORD(wParam));
  return TRUE;
}

std::string UserDictionariesDialog::SelectedDictionary() const {
  const LRESULT selected = Send(IDC_DICT_LIST, CB_GETCURSEL);
  return selected == CB_ERR ? std::string()
                            : ComboBoxItemText(Item(IDC_DICT_LIST), static_cast<int>(selected));
}

void UserDictionariesDialog::SelectAction(char code) {
  const LRESULT count = Send(IDC_DICT_ACTION, CB_GETCOUNT);
  for (LRESULT row = 0; row < count; ++row) {
    if (Send(IDC_DICT_ACTION, CB_GETITEMDATA, row) == code) {
      Send(IDC_DICT_ACTION, CB_SETCURSEL, row);
      return;
    }
  }
}

void UserDictionariesDialog::SelectWordAt(LRESULT position) {
  // A position past the end of a shorter list leaves no word selected.
  Send(IDC_DICT_WORDS, CB_SETCURSEL, position);
}

void UserDictionariesDialog::Initialise(HWND dialog) {
  dialog_ = dialog;
  const HINSTANCE resources = ModuleInstance();
  for (const ActionRow& row : kActions) {
    const std::string text = ResourceString(resources, row.text);
    const LRESULT index =
        Send(IDC_DICT_ACTION, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    Send(IDC_DICT_ACTION, CB_SETITEMDATA, index, row.code);
  }
  SelectAction(kDefaultAction);
  FillDictionaries();
  FillWords();
  UpdateButtons();
  CentreDialog(dialog_);
}

void UserDictionariesDialog::OnCommand(int id, int notification) {
  switch (id) {
    case IDC_DICT_WORDS:
      if (notification == CBN_SELCHANGE) ShowWordDetails();
      if (notification == CBN_EDITCHANGE) UpdateButtons();
      break;
    case IDC_DICT_LIST:
      if (notification == CBN_SELCHANGE) FillWords();
      break;
    case IDC_DICT_ACTION:
      if (notification == CBN_SELCHANGE) UpdateButtons();
      break;
    case IDC_DICT_OTHER_WORD:
      if (notification == EN_CHANGE) UpdateButtons();
      break;
    case IDC_DICT_ADD:
      if (notification == BN_CLICKED) AddWord();
      break;
    case IDC_DICT_DELETE:
      if (notification == BN_CLICKED) DeleteWord();
      break;
    case IDC_DICT_HELP:
      if (notification == BN_CLICKED) ShowContextHelp(dialog_, HELP_TOPIC_USER_DICTIONARIES);
      break;
    case IDOK:
    case IDCANCEL:
      if (notification == BN_CLICKED) EndDialog(dialog_, id);
      break;
    default:
      break;
  }
}

void UserDictionariesDialog::FillDictionaries() {
  Send(IDC_DICT_LIST, CB_RESETCONTENT);
  DictionaryMembers& dictionaries = control_.Dictionaries();
  for (int16_t i = 0; i < dictionaries.UserDictionaryCount(); ++i) {
    const std::string name = dictionaries.UserDictionary(i);
    Send(IDC_DICT_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  Send(IDC_DICT_LIST, CB_SETCURSEL, 0);
  UpdateButtons();
}

void UserDictionariesDialog::FillWords() {
  Send(IDC_DICT_WORDS, CB_RESETCONTENT);
  const std::string dictionary = SelectedDictionary();
  if (dictionary.empty()) return;
  WaitCursor wait;
  // One listing for the whole dictionary, and one repaint after the last word.
  const std::vector<std::string> words =
      control_.Dictionaries().UserDictionaryWords(dictionary.c_str());
  SendMessageA(Item(IDC_DICT_WORDS), WM_SETREDRAW, FALSE, 0);
  Send(IDC_DICT_WORDS, CB_INITSTORAGE, words.size(), words.size() * 16);
  for (const std::string& word : words) {
    Send(IDC_DICT_WORDS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
  }
  SendMessageA(Item(IDC_DICT_WORDS), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(Item(IDC_DICT_WORDS), nullptr, TRUE);
  SelectWordAt(0);
  ShowWordDetails();
  UpdateButtons();
}

void UserDictionariesDialog::ShowWordDetails() {
  const LRESULT selected = Send(IDC_DICT_WORDS, CB_GETCURSEL);
  if (selected == CB_ERR) {
    SetDlgItemTextA(dialog_, IDC_DICT_OTHER_WORD, "");
    SelectAction(kDefaultAction);
    return;
  }
  const std::string word = ComboBoxItemText(Item(IDC_DICT_WORDS), static_cast<int>(selected));
  std::array<char, TROV_WORD_BUFFER> otherWord{};
  const int16_t action = control_.Dictionaries().LookUpUserDictionaryWord(
      SelectedDictionary().c_str(), word.c_str(), otherWord);
  // A code no row has leaves the action as it was.
  if (action >= 0) SelectAction(static_cast<char>(action));
  SetDlgItemTextA(dialog_, IDC_DICT_OTHER_WORD, action >= 0 ? otherWord.data() : "");
}

void UserDictionariesDialog::UpdateButtons() {
  const bool haveDictionary = Send(IDC_DICT_LIST, CB_GETCURSEL) != CB_ERR;
  const bool haveWord = GetWindowTextLengthA(Item(IDC_DICT_WORDS)) > 0 ||
                        Send(IDC_DICT_WORDS, CB_GETCURSEL) != CB_ERR;
  const BOOL enabled = haveDictionary && haveWord;
  EnableWindow(Item(IDC_DICT_ADD), enabled);
  EnableWindow(Item(IDC_DICT_DELETE), enabled);
}

void UserDictionariesDialog::AddWord() {
  const std::string word = ControlText(Item(IDC_DICT_WORDS), TROV_MAX_WORD);
  const LRESULT row = Send(IDC_DICT_ACTION, CB_GETCURSEL);
  const char action = row == CB_ERR ? kDefaultAction
                                    : static_cast<char>(Send(IDC_DICT_ACTION, CB_GETITEMDATA, row));
  const std::string otherWord = ControlText(Item(IDC_DICT_OTHER_WORD), TROV_MAX_WORD);
  const int16_t result = control_.Dictionaries().AddToUserDictionary(
      SelectedDictionary().c_str(), word.c_str(), action, otherWord.c_str());
  if (result == TROV_ERR_NO_MEMORY) {
    ShowResourceMessage(ModuleInstance(), dialog_, IDS_DICTIONARY_FULL);
    return;
  }
  if (result < 0) {
    ShowResourceMessage(ModuleInstance(), dialog_, IDS_ADD_WORD_FAILED);
    return;
  }
  const LRESULT position = Send(IDC_DICT_WORDS, CB_GETCURSEL);
  FillWords();
  SelectWordAt(position);
  ShowWordDetails();
  UpdateButtons();
}

void UserDictionariesDialog::DeleteWord() {
  const std::string word = ControlText(Item(IDC_DICT_WORDS), TROV_MAX_WORD);
  // A failed deletion is only logged.
  control_.Dictionaries().DeleteFromUserDictionary(SelectedDictionary().c_str(), word.c_str());
  const LRESULT position = Send(IDC_DICT_WORDS, CB_GETCURSEL);
  FillWords();
  SelectWordAt(position);
  ShowWordDetails();
  UpdateButtons();
}

}  // namespace

void RunUserDictionariesDialog(VantorControl& control, HWND owner) {
  UserDictionariesDialog dialog(control);
  RunModalDialog(ModuleInstance(), IDD_USER_DICTIONARIES, owner, dialog);
}

}  // namespace trov
