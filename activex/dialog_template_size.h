// The size a dialog template will have on the screen, known before the dialog exists: property
// frames ask each page for its size before they make room for it.
#ifndef VANTOR_DIALOG_TEMPLATE_SIZE_H
#define VANTOR_DIALOG_TEMPLATE_SIZE_H

#include <windows.h>

namespace trov {

// The template's width and height in pixels at the screen's resolution, measured in the
// template's own font as the dialog manager measures it; {0, 0} when the template is missing or
// is not a plain DIALOG template with a font.
SIZE DialogTemplatePixels(HINSTANCE module, int dialogId);

}  // namespace trov

#endif  // VANTOR_DIALOG_TEMPLATE_SIZE_H
