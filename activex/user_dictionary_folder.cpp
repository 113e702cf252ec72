#include "user_dictionary_folder.h"

#include <windows.h>

#include <array>
#include <string_view>

#include "persisted_properties.h"
#include "product_settings.h"

namespace trov {
namespace {

std::string ConfiguredFolder() {
  const std::string value = ProductSetting("UserDictionaryFolder", MAX_PATH);
  if (value.empty()) return {};
  std::array<char, MAX_PATH + 1> expanded{};
  const DWORD length = ExpandEnvironmentStringsA(value.c_str(), expanded.data(), MAX_PATH);
  if (length == 0 || length > MAX_PATH) return {};
  std::string folder = expanded.data();
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

// Creates the folder and the folders above it.
bool MakeFolder(const std::string& folder) {
  if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  const std::size_t slash = folder.rfind('\\');
  if (slash != std::string::npos && slash > 2 && !MakeFolder(folder.substr(0, slash))) {
    return false;
  }
  return CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// The default user dictionaries, copied from beside the module unless the user has them already:
// a user's words are never overwritten.
void SeedDefaultDictionaries(const std::string& moduleDirectory, const std::string& folder) {
  for (const PersistedProperty& property : PersistedProperties()) {
    if (property.id != kUserDictionaryFilesId) continue;
    std::wstring_view list = property.defaultText;
    while (!list.empty()) {
      const std::size_t comma = list.find(L',');
      const std::wstring_view name = list.substr(0, comma);
      const std::string narrow(name.begin(), name.end());
      CopyFileA((moduleDirectory + "\\" + narrow).c_str(), (folder + "\\" + narrow).c_str(), TRUE);
      list = comma == std::wstring_view::npos ? std::wstring_view() : list.substr(comma + 1);
    }
  }
}

}  // namespace

std::string PrepareUserDictionaryFolder(const std::string& moduleDirectory) {
  const std::string folder = ConfiguredFolder();
  if (folder.empty() || !MakeFolder(folder)) return {};
  SeedDefaultDictionaries(moduleDirectory, folder);
  return folder;
}

}  // namespace trov
