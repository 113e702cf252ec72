#include "options_dialog.h"

#include <array>

#include "context_help.h"
#include "dialog_ids.h"
#include "dialog_support.h"
#include "module.h"
#include "vantor_control.h"

namespace trov {
namespace {

struct OptionBox {
  int id;
  bool autoCorrect;  // AutoCorrect belongs to the check loop, not to the session's option word
  OptionProperty option;
};

// In the order the settings are written back.
constexpr std::array<OptionBox, 11> kBoxes = {{
    {IDC_OPT_AUTO_CORRECT, true, {}},
    // Also sets CatchCapitalizationErrors.
    {IDC_OPT_CASE_SENSITIVE, false, OptionProperty::kCaseSensitive},
    {IDC_OPT_DOUBLED_WORDS, false, OptionProperty::kCatchDoubledWords},
    {IDC_OPT_ALL_CAPS, false, OptionProperty::kIgnoreAllCapsWords},
    {IDC_OPT_CAPITALIZED, false, OptionProperty::kIgnoreCapitalizedWords},
    {IDC_OPT_DOMAIN_NAMES, false, OptionProperty::kIgnoreDomainNames},
    {IDC_OPT_MIXED_CASE, false, OptionProperty::kIgnoreMixedCaseWords},
    {IDC_OPT_DIGITS, false, OptionProperty::kIgnoreWordsWithDigits},
    {IDC_OPT_PHONETIC, false, OptionProperty::kPhoneticSuggestions},
    {IDC_OPT_SPLIT_WORDS, false, OptionProperty::kSuggestSplitWords},
    {IDC_OPT_TYPOGRAPHICAL, false, OptionProperty::kTypographicalSuggestions},
}};

class OptionsDialog {
 public:
  explicit OptionsDialog(VantorControl& control) : control_(control) {}

  void Initialise(HWND dialog) {
    dialog_ = dialog;
    for (const OptionBox& box : kBoxes) {
      CheckDlgButton(dialog_, box.id, Read(box) != 0 ? BST_CHECKED : BST_UNCHECKED);
    }
    CentreDialog(dialog_);
  }

  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    switch (LOWORD(wParam)) {
      case IDOK:
        for (std::size_t i = 0; i < kBoxes.size(); ++i) {
          values_[i] = IsDlgButtonChecked(dialog_, kBoxes[i].id) == BST_CHECKED ? 1 : 0;
        }
        EndDialog(dialog_, IDOK);
        return TRUE;
      case IDCANCEL:
        EndDialog(dialog_, IDCANCEL);
        return TRUE;
      case IDC_OPT_HELP:
        ShowContextHelp(dialog_, HELP_TOPIC_OPTIONS);
        return TRUE;
      default:
        return FALSE;
    }
  }

  // Every setting as the boxes were left, in the order the settings are written back.
  void WriteBack() {
    ControlCore& core = control_.Core();
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
      if (kBoxes[i].autoCorrect) {
        core.SetAutoCorrect(values_[i]);
      } else {
        core.SetOption(kBoxes[i].option, values_[i]);
      }
    }
    control_.MarkModified();
  }

 private:
  int Read(const OptionBox& box) const {
    const ControlCore& core = control_.Core();
    return box.autoCorrect ? core.AutoCorrect() : core.Option(box.option);
  }

  VantorControl& control_;
  HWND dialog_ = nullptr;
  std::array<int, kBoxes.size()> values_{};  // the boxes as the user left them: 0 or 1
};

}  // namespace

void RunOptionsDialog(VantorControl& control, HWND owner) {
  OptionsDialog dialog(control);
  // Only OK ends the dialog with values to write; Cancel, Esc and the close box change nothing.
  if (RunModalDialog(ModuleInstance(), IDD_OPTIONS, owner, dialog) == IDOK) dialog.WriteBack();
}

}  // namespace trov
