// What registration leaves in the registry, machine-wide and per user, and what unregistration
// takes away. The ctest fixture has registered the module before this runs.
#include <gtest/gtest.h>
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <array>
#include <string>

#include "vantor_ids.h"

namespace trov {
namespace {

std::wstring GuidText(REFGUID guid) {
  std::array<wchar_t, 40> text{};
  StringFromGUID2(guid, text.data(), static_cast<int>(text.size()));
  return text.data();
}

// The string value, or "<missing>".
std::wstring ReadString(HKEY root, const std::wstring& subkey, const wchar_t* name = nullptr) {
  std::array<wchar_t, 512> value{};
  DWORD size = sizeof(value) - sizeof(wchar_t);
  if (RegGetValueW(root, subkey.c_str(), name, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
      ERROR_SUCCESS) {
    return L"<missing>";
  }
  return value.data();
}

bool KeyExists(HKEY root, const std::wstring& subkey) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

class Module {
 public:
  Module() : module_(LoadLibraryW(L"vantor.dll")) {}
  ~Module() {
    if (module_) FreeLibrary(module_);
  }
  template <typename Function>
  Function Entry(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  HMODULE handle() const { return module_; }

 private:
  HMODULE module_;
};

using ServerEntry = HRESULT(STDAPICALLTYPE*)();
using InstallEntry = HRESULT(STDAPICALLTYPE*)(BOOL, LPCWSTR);

const std::wstring kClassKey = L"CLSID\\" + GuidText(CLSID_Vantor);

struct PageClass {
  const CLSID& clsid;
  const wchar_t* progId;
};

const PageClass kPageClasses[] = {
    {CLSID_VantorGeneralPage, L"VANTOR.VantorPropPage.1"},
    {CLSID_VantorDictionariesPage, L"Vantor.CVantorDictPropPage"},
    {CLSID_VantorSuggestionsPage, L"Vantor.CVantorSuggestionsPropPage"},
};

std::wstring PageKey(const PageClass& page) { return L"CLSID\\" + GuidText(page.clsid); }

// A page is a plain in-process class: its server, threading model and ProgID both ways, and
// none of the control's marks.
void ExpectPageKeys(HKEY classes, const std::wstring& server) {
  for (const PageClass& page : kPageClasses) {
    const std::wstring key = PageKey(page);
    SCOPED_TRACE(std::string(key.begin(), key.end()));
    EXPECT_NE(ReadString(classes, key), L"<missing>");
    EXPECT_EQ(ReadString(classes, key + L"\\InprocServer32"), server);
    EXPECT_EQ(ReadString(classes, key + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(ReadString(classes, key + L"\\ProgID"), page.progId);
    EXPECT_EQ(ReadString(classes, std::wstring(page.progId) + L"\\CLSID"), GuidText(page.clsid));
    EXPECT_FALSE(KeyExists(classes, key + L"\\Control"));
    EXPECT_FALSE(KeyExists(classes, key + L"\\MiscStatus"));
  }
}

void ExpectNoClassKeys(HKEY classes) {
  EXPECT_FALSE(KeyExists(classes, kClassKey));
  EXPECT_FALSE(KeyExists(classes, L"VANTOR.VantorCtrl.3"));
  for (const PageClass& page : kPageClasses) {
    EXPECT_FALSE(KeyExists(classes, PageKey(page)));
    EXPECT_FALSE(KeyExists(classes, page.progId));
  }
}

void ExpectClassKeys(HKEY classes) {
  const std::wstring server = ReadString(classes, kClassKey + L"\\InprocServer32");
  ASSERT_GE(server.size(), 10u);
  EXPECT_EQ(_wcsicmp(server.substr(server.size() - 10).c_str(), L"vantor.dll"), 0);
  EXPECT_EQ(ReadString(classes, kClassKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_EQ(ReadString(classes, kClassKey + L"\\ProgID"), L"VANTOR.VantorCtrl.3");
  EXPECT_EQ(ReadString(classes, kClassKey + L"\\MiscStatus\\1"), L"132497");
  EXPECT_EQ(ReadString(classes, kClassKey + L"\\TypeLib"), GuidText(LIBID_VANTORLib));
  EXPECT_EQ(ReadString(classes, kClassKey + L"\\Version"), L"1.0");
  EXPECT_TRUE(KeyExists(classes, kClassKey + L"\\Control"));
  EXPECT_TRUE(KeyExists(classes, kClassKey + L"\\Insertable"));
  EXPECT_EQ(ReadString(classes, kClassKey + L"\\ToolboxBitmap32"), server + L", 1");
  EXPECT_EQ(ReadString(classes, L"VANTOR.VantorCtrl.3\\CLSID"), GuidText(CLSID_Vantor));
  EXPECT_EQ(ReadString(classes, kClassKey), L"Vantor Spelling Control");
  ExpectPageKeys(classes, server);
}

TEST(Registration, MachineRegistrationRoundTrip) {
  ExpectClassKeys(HKEY_CLASSES_ROOT);
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + GuidText(LIBID_VANTORLib) + L"\\1.0"));

  Module module;
  ASSERT_NE(module.handle(), nullptr);
  ASSERT_EQ(module.Entry<ServerEntry>("DllUnregisterServer")(), S_OK);
  ExpectNoClassKeys(HKEY_CLASSES_ROOT);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + GuidText(LIBID_VANTORLib) + L"\\1.0"));
  // The library is gone: unregistering again reports it, and still succeeds for the classes.
  EXPECT_EQ(module.Entry<ServerEntry>("DllUnregisterServer")(), SELFREG_E_TYPELIB);

  ASSERT_EQ(module.Entry<ServerEntry>("DllRegisterServer")(), S_OK);
  ExpectClassKeys(HKEY_CLASSES_ROOT);
}

TEST(Registration, PerUserRegistrationThroughDllInstall) {
  Module module;
  const auto install = module.Entry<InstallEntry>("DllInstall");
  ASSERT_NE(install, nullptr);
  EXPECT_EQ(install(TRUE, L"somewhere"), E_INVALIDARG);
  ASSERT_EQ(install(TRUE, L"user"), S_OK);
  HKEY classes = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Classes", 0, KEY_READ, &classes),
            ERROR_SUCCESS);
  ExpectClassKeys(classes);
  ASSERT_EQ(install(FALSE, L"USER"), S_OK);
  ExpectNoClassKeys(classes);
  RegCloseKey(classes);
  // The machine's class keys are untouched.
  ExpectClassKeys(HKEY_CLASSES_ROOT);
  // Wine registers and unregisters a per-user type library machine-wide: put the machine's back.
  EXPECT_EQ(module.Entry<ServerEntry>("DllRegisterServer")(), S_OK);
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"TypeLib\\" + GuidText(LIBID_VANTORLib) + L"\\1.0"));
}

TEST(Registration, ClassObjectAndUnloadTest) {
  Module module;
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  const auto get = module.Entry<GetClassObject>("DllGetClassObject");
  IClassFactory* factory = nullptr;
  EXPECT_EQ(get(IID_IDispatch, IID_IClassFactory, reinterpret_cast<void**>(&factory)),
            CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_EQ(get(CLSID_Vantor, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  const auto canUnload = module.Entry<ServerEntry>("DllCanUnloadNow");
  EXPECT_EQ(canUnload(), S_FALSE);
  IUnknown* object = nullptr;
  EXPECT_EQ(factory->CreateInstance(factory, IID_IUnknown, reinterpret_cast<void**>(&object)),
            CLASS_E_NOAGGREGATION);
  factory->Release();
  EXPECT_EQ(canUnload(), S_OK);

  // Each page has a class object of its own that makes pages, and a live page holds the module.
  for (const PageClass& page : kPageClasses) {
    IClassFactory* pageFactory = nullptr;
    ASSERT_EQ(get(page.clsid, IID_IClassFactory, reinterpret_cast<void**>(&pageFactory)), S_OK);
    EXPECT_NE(pageFactory, factory);
    IPropertyPage* created = nullptr;
    ASSERT_EQ(
        pageFactory->CreateInstance(nullptr, IID_IPropertyPage, reinterpret_cast<void**>(&created)),
        S_OK);
    pageFactory->Release();
    EXPECT_EQ(canUnload(), S_FALSE);
    created->Release();
    EXPECT_EQ(canUnload(), S_OK);
  }
}

}  // namespace
}  // namespace trov
