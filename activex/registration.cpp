// Self-registration: the type library, the control class and its property pages, per machine (the
// classes root) or, through DllInstall with "user", per user (HKCU\Software\Classes).
#include <windows.h>
#include <oleauto.h>
#include <olectl.h>

#include <array>
#include <cwchar>
#include <string>

#include "com_ref.h"
#include "module.h"
#include "resource.h"
#include "server_classes.h"
#include "type_library.h"
#include "vantor_ids.h"

// The per-user type-library registration functions are exported by oleaut32 but not declared
// by every SDK's headers.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path,
                                                 OLECHAR* helpDirectory);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID libraryId, WORD major, WORD minor,
                                                   LCID lcid, SYSKIND sysKind);

namespace trov {
namespace {

constexpr DWORD kMiscStatus = 0x20591;  // set client site first, invisible at run time, ...

enum class Scope { kMachine, kUser };

std::wstring GuidText(REFGUID guid) {
  std::array<wchar_t, 40> text{};
  StringFromGUID2(guid, text.data(), static_cast<int>(text.size()));
  return text.data();
}

std::wstring ClassKey(const ServerClass& serverClass) {
  return L"CLSID\\" + GuidText(serverClass.clsid);
}

// The root under which class keys go; the caller closes it unless it is the predefined root.
HKEY OpenClassesRoot(Scope scope) {
  if (scope == Scope::kMachine) return HKEY_CLASSES_ROOT;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}

void CloseClassesRoot(Scope scope, HKEY root) {
  if (scope == Scope::kUser && root != nullptr) RegCloseKey(root);
}

// Creates root\subkey and sets its value name (null: the default value) to value.
bool SetString(HKEY root, const std::wstring& subkey, const wchar_t* name,
               const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  const LONG status =
      RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

bool CreateEmptyKey(HKEY root, const std::wstring& subkey) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}

bool DeleteTree(HKEY root, const std::wstring& subkey) {
  const LONG status = RegDeleteTreeW(root, subkey.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// What only the control carries: the marks of an insertable control, its flags, its toolbox
// picture and its type library.
bool WriteControlKeys(HKEY root, const std::wstring& clsid, const std::wstring& progId,
                      const std::wstring& path) {
  return CreateEmptyKey(root, clsid + L"\\Control") &&
         CreateEmptyKey(root, clsid + L"\\Insertable") &&
         SetString(root, clsid + L"\\ToolboxBitmap32", nullptr,
                   path + L", " + std::to_wstring(IDB_CONTROL)) &&
         SetString(root, clsid + L"\\MiscStatus", nullptr, L"0") &&
         SetString(root, clsid + L"\\MiscStatus\\1", nullptr, std::to_wstring(kMiscStatus)) &&
         SetString(root, clsid + L"\\TypeLib", nullptr, GuidText(LIBID_VANTORLib)) &&
         SetString(root, clsid + L"\\Version", nullptr, L"1.0") &&
         CreateEmptyKey(root, progId + L"\\Insertable");
}

bool WriteClassKeys(HKEY root, const ServerClass& serverClass) {
  const std::wstring clsid = ClassKey(serverClass);
  const std::wstring name =
      serverClass.name != nullptr ? serverClass.name : ModuleString(IDS_CONTROL_NAME);
  const std::wstring path = ModuleFilePath();
  const std::wstring progId = serverClass.progId;
  return SetString(root, clsid, nullptr, name) &&
         SetString(root, clsid + L"\\InprocServer32", nullptr, path) &&
         SetString(root, clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
         SetString(root, clsid + L"\\ProgID", nullptr, progId) &&
         SetString(root, progId, nullptr, name) &&
         SetString(root, progId + L"\\CLSID", nullptr, GuidText(serverClass.clsid)) &&
         (!serverClass.isControl || WriteControlKeys(root, clsid, progId, path));
}

bool RemoveClassKeys(HKEY root, const ServerClass& serverClass) {
  const bool classRemoved = DeleteTree(root, ClassKey(serverClass));
  const bool progIdRemoved = DeleteTree(root, serverClass.progId);
  return classRemoved && progIdRemoved;
}

// Every class is tried, so one that fails does not keep the others out (or in).
bool ForEveryClass(HKEY root, bool (*step)(HKEY root, const ServerClass& serverClass)) {
  bool all = true;
  for (const ServerClass& serverClass : ServerClasses()) all = step(root, serverClass) && all;
  return all;
}

HRESULT RegisterLibrary(Scope scope) {
  ComRef<ITypeLib> library;
  if (FAILED(LoadModuleTypeLib(library.Put()))) return SELFREG_E_TYPELIB;
  std::wstring path = ModuleFilePath();
  const HRESULT result = scope == Scope::kUser
                             ? RegisterTypeLibForUser(library.Get(), path.data(), nullptr)
                             : RegisterTypeLib(library.Get(), path.data(), nullptr);
  return SUCCEEDED(result) ? S_OK : SELFREG_E_TYPELIB;
}

HRESULT UnregisterLibrary(Scope scope) {
  constexpr SYSKIND kSysKind = sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32;
  const HRESULT result =
      scope == Scope::kUser
          ? UnRegisterTypeLibForUser(LIBID_VANTORLib, 1, 0, LOCALE_NEUTRAL, kSysKind)
          : UnRegisterTypeLib(LIBID_VANTORLib, 1, 0, LOCALE_NEUTRAL, kSysKind);
  return SUCCEEDED(result) ? S_OK : SELFREG_E_TYPELIB;
}

HRESULT Register(Scope scope) {
  if (FAILED(RegisterLibrary(scope))) return SELFREG_E_TYPELIB;
  HKEY root = OpenClassesRoot(scope);
  const bool written = root != nullptr && ForEveryClass(root, &WriteClassKeys);
  CloseClassesRoot(scope, root);
  return written ? S_OK : SELFREG_E_CLASS;
}

// The class keys go even when the library was not registered, so a half-registered module
// can always be cleaned up; the library's failure is still reported first.
HRESULT Unregister(Scope scope) {
  const HRESULT library = UnregisterLibrary(scope);
  HKEY root = OpenClassesRoot(scope);
  const bool removed = root != nullptr && ForEveryClass(root, &RemoveClassKeys);
  CloseClassesRoot(scope, root);
  if (FAILED(library)) return library;
  return removed ? S_OK : SELFREG_E_CLASS;
}

}  // namespace
}  // namespace trov

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  return trov::Register(trov::Scope::kMachine);
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return trov::Unregister(trov::Scope::kMachine);
}

// regsvr32 /i:user registers for the current user only; no argument (or "machine") for the
// machine.
extern "C" HRESULT STDAPICALLTYPE DllInstall(BOOL install, LPCWSTR commandLine) {
  trov::Scope scope = trov::Scope::kMachine;
  if (commandLine != nullptr && _wcsicmp(commandLine, L"user") == 0) {
    scope = trov::Scope::kUser;
  } else if (commandLine != nullptr && *commandLine != L'\0' &&
             _wcsicmp(commandLine, L"machine") != 0) {
    return E_INVALIDARG;
  }
  return install ? trov::Register(scope) : trov::Unregister(scope);
}
