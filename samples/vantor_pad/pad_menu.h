// The pad's menu bar, its Edit menu as a pop-up for the document, and its shortcut keys.
#ifndef VANTOR_PAD_PAD_MENU_H
#define VANTOR_PAD_PAD_MENU_H

#include <windows.h>

namespace pad {

HMENU CreateMenuBar();
// The Edit menu's commands, for a right click on a word that is not marked.
HMENU CreateEditPopup();
HACCEL CreateShortcutKeys();

}  // namespace pad

#endif  // VANTOR_PAD_PAD_MENU_H
