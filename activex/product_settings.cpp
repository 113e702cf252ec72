#include "product_settings.h"

#include <windows.h>

#include <vector>

#include "text_ctl_kind.h"

namespace trov {

std::string ProductSetting(const char* name, std::size_t limit) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kVantorRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return {};
  }
  std::vector<char> value(limit + 1, '\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(limit);
  const LONG status =
      RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  return value.data();
}

}  // namespace trov
