// The pad's commands: the ids its menus, keys and WM_COMMAND messages carry.
#ifndef VANTOR_PAD_PAD_COMMANDS_H
#define VANTOR_PAD_PAD_COMMANDS_H

namespace pad {

enum Command : int {
  kFileNew = 100,
  kFileOpen,
  kFileSave,
  kFileSaveAs,
  kFileExit,
  kEditUndo = 200,
  kEditCut,
  kEditCopy,
  kEditPaste,
  kEditSelectAll,
  kToolsCheckSpelling = 300,
  kToolsCheckAsYouType,
  kToolsOptions,
  kToolsUserDictionaries,
  kHelpAbout = 400,
};

}  // namespace pad

#endif  // VANTOR_PAD_PAD_COMMANDS_H
