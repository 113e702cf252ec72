// The one place that decides which path rules a build uses: the Windows module resolves names
// with backslashes and drive letters, every other build with '/'.
#ifndef VANTOR_NATIVE_PATH_STYLE_H
#define VANTOR_NATIVE_PATH_STYLE_H

#include "path_conversion.h"

namespace trov {

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::kWindows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::kPosix;
#endif

}  // namespace trov

#endif  // VANTOR_NATIVE_PATH_STYLE_H
