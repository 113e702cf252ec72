// The control's size on a container's form: it starts at 18 x 23 pixels and, once a container
// proposes any extent, stays at 17 x 22 (the size of its bitmap). Containers speak HIMETRIC.
#ifndef VANTOR_CONTROL_EXTENT_H
#define VANTOR_CONTROL_EXTENT_H

#include <windows.h>

namespace trov {

inline constexpr SIZE kInitialExtentPixels{18, 23};
inline constexpr SIZE kFixedExtentPixels{17, 22};

// At the screen's resolution.
SIZEL PixelsToHimetric(SIZE pixels);

}  // namespace trov

#endif  // VANTOR_CONTROL_EXTENT_H
