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

struct OptionsDialog {
  VantorControl& control;
  std::array<int, kBoxes.size()> values{};  // the boxes as the user left them: 0 or 1

  int Read(const OptionBox& box) const {
    ControlCore& core = control.Core();
    return box.autoCorrect ? core.AutoCorrect() : core.Option(box.option);
  }

  void Write(const OptionBox& box, int value) {
    ControlCore& core = control.Core();
    if (box.autoCorrect) {
      core.SetAutoCorrect(value);
    } else {
      core.SetOption(box.option, value);
    }
  }

  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      const auto* self = reinterpret_cast<const OptionsDialog*>(lParam);
      for (const OptionBox& box : kBoxes) {
        CheckDlgButton(dialog, box.id, self->Read(box) != 0 ? BST_CHECKED : BST_UNCHECKED);
      }
      CentreDialog(dialog);
      return TRUE;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
    auto* self = reinterpret_cast<OptionsDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (LOWORD(wParam)) {
      case IDOK:
        for (std::size_t i = 0; i < kBoxes.size(); ++i) {
          self->values[i] = IsDlgButtonChecked(dialog, kBoxes[i].id) == BST_CHECKED ? 1 : 0;
        }
        EndDialog(dialog, IDOK);
        return TRUE;
      case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
      case IDC_OPT_HELP:
        ShowContextHelp(dialog, HELP_TOPIC_OPTIONS);
        return TRUE;
      default:
        return FALSE;
    }
  }
};

}  // namespace

void RunOptionsDialog(VantorControl& control, HWND owner) {
  OptionsDialog dialog{control};
  const INT_PTR result =
      DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_OPTIONS), owner,
                      &OptionsDialog::Procedure, reinterpret_cast<LPARAM>(&dialog));
  // Only OK ends the dialog with values to write; Cancel, Esc and the close box change nothing.
  if (result != IDOK) return;
  for (std::size_t i = 0; i < kBoxes.size(); ++i) dialog.Write(kBoxes[i], dialog.values[i]);
  control.MarkModified();
}

}  // namespace trov
