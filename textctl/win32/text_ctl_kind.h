// Which kind of text control a host window is, decided afresh from its class name on every call:
// the adapter keeps no table of windows.
#ifndef VANTOR_TEXT_CTL_KIND_H
#define VANTOR_TEXT_CTL_KIND_H

#include <windows.h>

#include <string>
#include <string_view>

namespace trov {

enum TextCtlKind : int {
  TEXTCTL_EDIT = 0,        // "Edit", and every class that is not recognised
  TEXTCTL_RICHEDIT1 = 1,   // rich edit 1.0
  TEXTCTL_RICHEDIT2A = 2,  // rich edit 2.0, ANSI window
  TEXTCTL_RICHEDITW = 3,   // rich edit, Unicode window
  TEXTCTL_TX = 4,          // "TX"/"tx" followed by a version number
};

// Installations map a host's own window class to a known kind with a string value named after
// the class under this key.
inline constexpr char kVantorRegistryKey[] = "Software\\Fernhollow\\Vantor";

// "tx" in either case followed by two or three digits worth at least 10, and nothing else.
bool TextCtl_IsTxClass(std::string_view name);
// The class mapping that applies to className: the registry value under kVantorRegistryKey, or
// the built-in default when the key or the value is missing ("RICHEDIT" for the two classes of
// well-known rich-edit wrappers, else empty).
std::string TextCtl_ClassMapping(std::string_view className);
// The kind for a class name given its mapping (see TextCtl_ClassMapping).
TextCtlKind TextCtl_KindOfClass(std::string_view className, std::string_view mapping);
TextCtlKind TextCtl_GetKind(HWND window);

}  // namespace trov

#endif  // VANTOR_TEXT_CTL_KIND_H
