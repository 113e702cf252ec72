#include "control_extent.h"

namespace trov {

SIZEL PixelsToHimetric(SIZE pixels) {
  constexpr int kHimetricPerInch = 2540;
  constexpr int kDefaultDpi = 96;
  HDC screen = GetDC(nullptr);
  const int dpiX = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kDefaultDpi;
  const int dpiY = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDefaultDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return {MulDiv(pixels.cx, kHimetricPerInch, dpiX > 0 ? dpiX : kDefaultDpi),
          MulDiv(pixels.cy, kHimetricPerInch, dpiY > 0 ? dpiY : kDefaultDpi)};
}

}  // namespace trov
