// A static text control turned into a web link: underlined, coloured by its state, with a
// tooltip that shows its target and a hand cursor, opened by the shell when clicked. The link
// lives as long as its window.
#ifndef VANTOR_HYPERLINK_H
#define VANTOR_HYPERLINK_H

#include <windows.h>

#include <string>

namespace trov {

struct HyperlinkStyle {
  COLORREF unvisited = RGB(0, 0, 204);
  COLORREF visited = RGB(102, 0, 153);
  COLORREF hover = RGB(204, 0, 0);
  bool underline = true;
};

// Makes the static control a link to target; an empty target takes the control's text, and an
// empty text shows the target.
void AttachHyperlink(HWND control, std::string target, const HyperlinkStyle& style = {});

// What a click on the link does (its parent calls it on STN_CLICKED): opens the target with the
// shell, else with the program of the ".htm" association; when both fail, beeps and says why.
void FollowHyperlink(HWND control);

}  // namespace trov

#endif  // VANTOR_HYPERLINK_H
