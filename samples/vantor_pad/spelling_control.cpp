#include "spelling_control.h"

#include <ocidl.h>

#include <algorithm>

namespace pad {
namespace {

constexpr wchar_t kProgId[] = L"VANTOR.VantorCtrl.3";

// Zero-filled, as VariantInit leaves a variant, then typed.
VARIANT Long(long value) {
  VARIANT v{};
  V_VT(&v) = VT_I4;
  V_I4(&v) = value;
  return v;
}

VARIANT Bool(bool value) {
  VARIANT v{};
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT Window(HWND window) { return Long(HandleToLong(window)); }

// The marking arguments every background-checking member ends with.
std::vector<VARIANT> WithMarking(std::vector<VARIANT> args, const Marking& marking) {
  for (VARIANT v : {Bool(marking.changeColour), Bool(marking.bold), Bool(marking.italics),
                    Bool(marking.underline), Long(static_cast<long>(marking.colour))}) {
    args.push_back(v);
  }
  return args;
}

}  // namespace

bool SpellingControl::Create() {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(kProgId, &clsid))) return false;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dispatch_)))) {
    return false;
  }
  // A control created outside a form is initialised as a new one, as a container would.
  Microsoft::WRL::ComPtr<IPersistStreamInit> persist;
  if (SUCCEEDED(dispatch_.As(&persist))) persist->InitNew();
  return true;
}

DISPID SpellingControl::IdOf(const wchar_t* name) {
  const auto known = ids_.find(name);
  if (known != ids_.end()) return known->second;
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  ids_.emplace(name, id);
  return id;
}

HRESULT SpellingControl::Invoke(const wchar_t* name, WORD flags, std::vector<VARIANT> args,
                                VARIANT* result) {
  // Automation passes positional arguments last first; a property's new value is named.
  std::reverse(args.begin(), args.end());
  DISPID put = DISPID_PROPERTYPUT;
  const bool isPut = flags == DISPATCH_PROPERTYPUT;
  DISPPARAMS parameters{args.data(), isPut ? &put : nullptr, static_cast<UINT>(args.size()),
                        isPut ? 1u : 0u};
  const HRESULT hr = dispatch_->Invoke(IdOf(name), IID_NULL, LOCALE_USER_DEFAULT, flags,
                                       &parameters, result, nullptr, nullptr);
  for (VARIANT& arg : args) VariantClear(&arg);
  return hr;
}

long SpellingControl::CallForLong(const wchar_t* name, WORD flags, std::vector<VARIANT> args) {
  VARIANT result;
  VariantInit(&result);
  long value = 0;
  if (SUCCEEDED(Invoke(name, flags, std::move(args), &result)) &&
      SUCCEEDED(VariantChangeType(&result, &result, 0, VT_I4))) {
    value = V_I4(&result);
  }
  VariantClear(&result);
  return value;
}

void SpellingControl::AttachTextWindow(HWND window) {
  Invoke(L"TextControlHWnd", DISPATCH_PROPERTYPUT, {Window(window)}, nullptr);
}

long SpellingControl::WordCount() { return CallForLong(L"WordCount", DISPATCH_PROPERTYGET, {}); }

long SpellingControl::Start() { return CallForLong(L"Start", DISPATCH_METHOD, {}); }

void SpellingControl::ShowOptionsDialog() {
  Invoke(L"ShowOptionsDialog", DISPATCH_METHOD, {}, nullptr);
}

void SpellingControl::ShowUserDictionaryDialog() {
  Invoke(L"ShowUserDictionaryDialog", DISPATCH_METHOD, {}, nullptr);
}

HRESULT SpellingControl::AboutBox() { return Invoke(L"AboutBox", DISPATCH_METHOD, {}, nullptr); }

long SpellingControl::CheckBackgroundNotify(HWND window, const Marking& marking) {
  return CallForLong(L"CheckBackgroundNotify", DISPATCH_METHOD,
                     WithMarking({Window(window)}, marking));
}

long SpellingControl::CheckBackgroundRecheck(HWND window, const Marking& marking) {
  return CallForLong(L"CheckBackgroundRecheck", DISPATCH_METHOD,
                     WithMarking({Window(window)}, marking));
}

long SpellingControl::CheckBackgroundMenu(HWND window, long x, long y, const Marking& marking) {
  constexpr long kNoOptions = 0;
  return CallForLong(L"CheckBackgroundMenu", DISPATCH_METHOD,
                     WithMarking({Window(window), Long(x), Long(y), Long(kNoOptions)}, marking));
}

}  // namespace pad
