#include "text_ctl_kind.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace trov {
namespace {

constexpr int kClassNameLimit = 127;
constexpr DWORD kMappingLimit = 128;  // bytes of the registry value, terminator included

char LowerAscii(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

// The names every installation knows; -1 when name is none of them.
int KindOfKnownName(std::string_view name) {
  if (SameName(name, "RICHEDIT")) return TEXTCTL_RICHEDIT1;
  if (SameName(name, "RichEdit20A")) return TEXTCTL_RICHEDIT2A;
  if (SameName(name, "RichEdit20W") || SameName(name, "RICHEDIT50W")) return TEXTCTL_RICHEDITW;
  if (TextCtl_IsTxClass(name)) return TEXTCTL_TX;
  if (SameName(name, "Edit")) return TEXTCTL_EDIT;
  return -1;
}

// Class names that merely contain a known name, as wrappers of the common controls do.
int KindOfContainedName(std::string_view className) {
  std::string lower(className);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
  const auto contains = [&lower](std::string_view part) {
    return lower.find(part) != std::string::npos;
  };
  if (contains("richedit20a")) return TEXTCTL_RICHEDIT2A;
  if (contains("richedit20w") || contains("richedit50w")) return TEXTCTL_RICHEDITW;
  if (contains("richedit")) return TEXTCTL_RICHEDIT1;
  constexpr std::array<std::string_view, 10> kTxVersions = {"tx11", "tx12", "tx13", "tx14", "tx15",
                                                            "tx16", "tx17", "tx18", "tx19", "tx32"};
  for (std::string_view version : kTxVersions) {
    if (contains(version)) return TEXTCTL_TX;
  }
  return -1;
}

}  // namespace

bool TextCtl_IsTxClass(std::string_view name) {
  if (name.size() < 4 || name.size() > 5) return false;
  if (LowerAscii(name[0]) != 't' || LowerAscii(name[1]) != 'x') return false;
  int value = 0;
  for (char c : name.substr(2)) {
    if (!IsDigitChar(c)) return false;
    value = value * 10 + (c - '0');
  }
  return value >= 10;
}

std::string TextCtl_ClassMapping(std::string_view className) {
  const std::string name(className);
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVantorRegistryKey, 0, KEY_READ, &key) == ERROR_SUCCESS) {
    std::array<char, kMappingLimit + 1> value{};
    DWORD type = 0;
    DWORD size = kMappingLimit;
    const LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(value.data()), &size);
    RegCloseKey(key);
    // The extra byte keeps a value stored without its terminator terminated.
    if (status == ERROR_SUCCESS && type == REG_SZ) return value.data();
  }
  if (SameName(name, "TRichEdit") || SameName(name, "RichTextWndClass")) return "RICHEDIT";
  return {};
}

TextCtlKind TextCtl_KindOfClass(std::string_view className, std::string_view mapping) {
  if (const int known = KindOfKnownName(className); known >= 0) {
    return static_cast<TextCtlKind>(known);
  }
  // A mapping that names no known kind falls through to the substring rules.
  if (const int mapped = KindOfKnownName(mapping); mapped >= 0) {
    return static_cast<TextCtlKind>(mapped);
  }
  if (const int contained = KindOfContainedName(className); contained >= 0) {
    return static_cast<TextCtlKind>(contained);
  }
  return TEXTCTL_EDIT;
}

TextCtlKind TextCtl_GetKind(HWND window) {
  std::array<char, kClassNameLimit + 1> className{};
  const int length = GetClassNameA(window, className.data(), static_cast<int>(className.size()));
  const std::string_view name(className.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
  // Known names decide without the registry read.
  if (const int known = KindOfKnownName(name); known >= 0) return static_cast<TextCtlKind>(known);
  return TextCtl_KindOfClass(name, TextCtl_ClassMapping(name));
}

}  // namespace trov
