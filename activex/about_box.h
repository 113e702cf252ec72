// The About box: the control's icon, name, version and notice, and a link to its help.
#ifndef VANTOR_ABOUT_BOX_H
#define VANTOR_ABOUT_BOX_H

#include <windows.h>

namespace trov {

void RunAboutBox(HWND owner);

}  // namespace trov

#endif  // VANTOR_ABOUT_BOX_H
