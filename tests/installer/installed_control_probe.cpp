// The installed control reached the way Windows reaches it for a host: the ProgID's class looked
// up in the current user's classes first, then the machine's, and the registered module loaded.
// Wine's COM reads only the machine's classes, so a per-user installation is checked through this
// program. The checks are those of installed_control.vbs: a sentence checked, a suggestion, and a
// word in the default user dictionary ("add" adds it, "keeps" expects it).
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kProgId[] = L"VANTOR.VantorCtrl.3";
constexpr wchar_t kWord[] = L"Fernhollowish";
int failures = 0;

void Check(bool condition, const char* what) {
  if (condition) return;
  std::printf("FAIL: %s\n", what);
  ++failures;
}

// The default value of classes\subkey under the user's classes, else the machine's.
std::wstring ClassesValue(const std::wstring& subkey) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    wchar_t value[MAX_PATH] = {};
    LONG size = sizeof value;
    if (RegQueryValueW(root, (L"Software\\Classes\\" + subkey).c_str(), value, &size) ==
        ERROR_SUCCESS) {
      return value;
    }
  }
  return {};
}

class Control {
 public:
  explicit Control(IDispatch* dispatch) : dispatch_(dispatch) {}
  ~Control() { dispatch_->Release(); }

  VARIANT Invoke(const wchar_t* name, WORD flags, std::vector<VARIANT> arguments) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    dispatch_->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPID put = DISPID_PROPERTYPUT;
    const bool isPut = flags == DISPATCH_PROPERTYPUT;
    DISPPARAMS parameters{reversed.data(), isPut ? &put : nullptr,
                          static_cast<UINT>(reversed.size()), isPut ? 1u : 0u};
    VARIANT result;
    VariantInit(&result);
    dispatch_->Invoke(id, IID_NULL, 0, flags, &parameters, &result, nullptr, nullptr);
    for (VARIANT& argument : arguments) VariantClear(&argument);
    return result;
  }
  long Number(const wchar_t* name, std::vector<VARIANT> arguments = {}) {
    VARIANT result = Invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(arguments));
    VariantChangeType(&result, &result, 0, VT_I4);
    return V_VT(&result) == VT_I4 ? V_I4(&result) : -999999;
  }
  std::wstring Text(const wchar_t* name, std::vector<VARIANT> arguments = {}) {
    VARIANT result = Invoke(name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, std::move(arguments));
    std::wstring text = V_VT(&result) == VT_BSTR ? V_BSTR(&result) : L"";
    VariantClear(&result);
    return text;
  }
  void Put(const wchar_t* name, VARIANT value) { Invoke(name, DISPATCH_PROPERTYPUT, {value}); }

 private:
  IDispatch* dispatch_;
};

VARIANT Text(const wchar_t* text) {
  VARIANT value;
  V_VT(&value) = VT_BSTR;
  V_BSTR(&value) = SysAllocString(text);
  return value;
}

VARIANT Number(short number) {
  VARIANT value;
  V_VT(&value) = VT_I2;
  V_I2(&value) = number;
  return value;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::printf("usage: installed_control_probe add|keeps\n");
    return 2;
  }
  const bool add = std::wstring(argv[1]) == L"add";
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring clsidText = ClassesValue(std::wstring(kProgId) + L"\\CLSID");
  const std::wstring module = ClassesValue(L"CLSID\\" + clsidText + L"\\InprocServer32");
  CLSID clsid{};
  Check(!clsidText.empty() && SUCCEEDED(CLSIDFromString(clsidText.c_str(), &clsid)),
        "the ProgID names a class");
  HMODULE library = module.empty() ? nullptr : LoadLibraryW(module.c_str());
  Check(library != nullptr, "the registered module loads");
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  auto get = library == nullptr ? nullptr
                                : reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(
                                      GetProcAddress(library, "DllGetClassObject")));
  IClassFactory* factory = nullptr;
  IDispatch* dispatch = nullptr;
  if (get != nullptr &&
      SUCCEEDED(get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
    factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    factory->Release();
  }
  Check(dispatch != nullptr, "the control is created");
  if (dispatch != nullptr) {
    Control control(dispatch);
    VARIANT off;
    V_VT(&off) = VT_BOOL;
    V_BOOL(&off) = VARIANT_FALSE;
    control.Put(L"ShowDialog", off);
    control.Put(L"Text", Text(L"This sentense is checked by the installed control."));
    Check((control.Number(L"Start") & 1) == 1, "a misspelling stops the check");
    Check(control.Text(L"MisspelledWord") == L"sentense", "the stop is at the misspelling");
    control.Invoke(L"Suggest", DISPATCH_METHOD, {});
    Check(control.Text(L"Suggestion", {Number(0)}) == L"sentence", "the first suggestion");
    const auto action = [&] {
      return control.Number(L"UserDictionaryWordAction", {Text(L"userdic.tlx"), Text(kWord)});
    };
    if (add) {
      Check(action() == -3, "a new word is new");
      Check(control.Number(L"AddToUserDictionary",
                           {Text(L"userdic.tlx"), Text(kWord), Number(105), Text(L"")}) == 0,
            "the word is added");
    }
    Check(action() == 105, "the word is kept");
  }
  CoUninitialize();
  if (failures == 0) std::printf("ALL PASS\n");
  return failures;
}
