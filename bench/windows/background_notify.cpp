// Cost of checking as the user types: types 1,000 characters into the middle of rich-edit
// documents of 2 KB, 200 KB and 2 MB, forwarding every change to CheckBackgroundNotify as a host
// does, and prints the time per notification for each size. A notification touches only the
// words around the caret, so the number of window messages it sends does not grow with the
// document. Wine's rich edit finds a position by walking its paragraphs from the start, so each
// of those messages costs more in a longer document: the program prints the cost of one selection
// at the caret beside it, and the notification's cost in selections, which must stay flat.
//
// A Windows program: run it under Wine from the build's bin folder (bench/background_notify.sh),
// where vantor.dll and the default dictionaries are.
#include <windows.h>
#include <objbase.h>
#include <ocidl.h>
#include <oleauto.h>
#include <richedit.h>

#include <cstdio>
#include <string>
#include <vector>

#include "vantor_ids.h"

namespace {

constexpr int kTypedCharacters = 1000;
constexpr COLORREF kMarkColour = RGB(255, 0, 0);

// Prose made of common words with a misspelling every fifty words.
std::string Document(std::size_t bytes) {
  static const char* const kWords[] = {
      "the",   "spelling", "checker",    "marks",   "words", "that",  "are",   "not",
      "in",    "its",      "dictionary", "while",   "you",   "type",  "a",     "letter",
      "and",   "suggests", "better",     "ones",    "when",  "asked", "for",   "them",
      "every", "change",   "is",         "checked", "near",  "the",   "caret", "only"};
  std::string text;
  std::size_t word = 0;
  while (text.size() < bytes) {
    text += ++word % 50 == 0 ? "mispeled" : kWords[word % std::size(kWords)];
    text += word % 12 == 0 ? ".\r\n" : " ";
  }
  return text;
}

IDispatch* CreateControl() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  folder.resize(folder.rfind(L'\\'));
  HMODULE module = LoadLibraryW((folder + L"\\vantor.dll").c_str());
  if (module == nullptr) return nullptr;
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  auto get = reinterpret_cast<GetClassObject>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  IClassFactory* factory = nullptr;
  if (get == nullptr ||
      FAILED(get(CLSID_Vantor, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
    return nullptr;
  }
  IDispatch* control = nullptr;
  factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&control));
  factory->Release();
  IPersistStreamInit* persist = nullptr;
  if (control != nullptr && SUCCEEDED(control->QueryInterface(
                                IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
    persist->InitNew();
    persist->Release();
  }
  return control;
}

// CheckBackgroundNotify(window, colour on, no effects, red) through automation.
long Notify(IDispatch* control, DISPID id, HWND window) {
  VARIANT arguments[6];
  for (VARIANT& argument : arguments) VariantInit(&argument);
  // Last argument first, as automation passes them.
  V_VT(&arguments[0]) = VT_I4;
  V_I4(&arguments[0]) = static_cast<LONG>(kMarkColour);
  for (int i = 1; i <= 3; ++i) {
    V_VT(&arguments[i]) = VT_BOOL;
    V_BOOL(&arguments[i]) = VARIANT_FALSE;
  }
  V_VT(&arguments[4]) = VT_BOOL;
  V_BOOL(&arguments[4]) = VARIANT_TRUE;
  V_VT(&arguments[5]) = VT_I4;
  V_I4(&arguments[5]) = HandleToLong(window);
  DISPPARAMS parameters{arguments, nullptr, 6, 0};
  VARIANT result;
  VariantInit(&result);
  control->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &parameters, &result, nullptr, nullptr);
  return V_I4(&result);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  LoadLibraryA("riched20.dll");
  IDispatch* control = CreateControl();
  if (control == nullptr) {
    std::fprintf(stderr, "background_notify_bench: vantor.dll is not beside this program\n");
    return 1;
  }
  DISPID notify = DISPID_UNKNOWN;
  LPOLESTR name[] = {const_cast<LPOLESTR>(L"CheckBackgroundNotify")};
  control->GetIDsOfNames(IID_NULL, name, 1, 0, &notify);

  const std::string typed = "and the checker marks a wrnog word at once ";
  std::printf("%-10s %12s %14s %16s %16s %14s\n", "document", "characters", "notifications",
              "us/notification", "us/selection", "selections");
  for (std::size_t bytes : {std::size_t{2} << 10, std::size_t{200} << 10, std::size_t{2} << 20}) {
    HWND window = CreateWindowExA(0, "RichEdit20A", "", WS_POPUP | ES_MULTILINE, 0, 0, 600, 400,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(window, EM_EXLIMITTEXT, 0, 64 << 20);
    const std::string document = Document(bytes);
    SetWindowTextA(window, document.c_str());
    const LONG middle = GetWindowTextLengthA(window) / 2;
    const CHARRANGE caret{middle, middle};
    SendMessageA(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    Notify(control, notify, window);  // registers the window
    // A first word checked and marked, so that the dictionaries are warm before the clock runs.
    SendMessageA(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("wrnog "));
    Notify(control, notify, window);
    Notify(control, notify, window);

    int notifications = 0;
    double spent = 0;
    for (int i = 0; i < kTypedCharacters; ++i) {
      const char one[2] = {typed[static_cast<std::size_t>(i) % typed.size()], '\0'};
      SendMessageA(window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(one));
      // The host forwards the change and the selection change that comes with it.
      for (int forwarded = 0; forwarded < 2; ++forwarded) {
        LARGE_INTEGER from;
        LARGE_INTEGER to;
        QueryPerformanceCounter(&from);
        Notify(control, notify, window);
        QueryPerformanceCounter(&to);
        spent += Seconds(from, to);
        ++notifications;
      }
    }
    // The window's own price of one selection at the caret.
    CHARRANGE at{};
    SendMessageA(window, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&at));
    constexpr int kSelections = 200;
    LARGE_INTEGER from;
    LARGE_INTEGER to;
    QueryPerformanceCounter(&from);
    for (int i = 0; i < kSelections; ++i) {
      const CHARRANGE one{at.cpMin - 1, at.cpMin};
      SendMessageA(window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
    }
    QueryPerformanceCounter(&to);
    const double perNotification = spent * 1e6 / notifications;
    const double perSelection = Seconds(from, to) * 1e6 / kSelections;
    const std::string size = bytes < (1u << 20) ? std::to_string(bytes >> 10) + " KB"
                                                : std::to_string(bytes >> 20) + " MB";
    std::printf("%-10s %12ld %14d %16.1f %16.1f %14.1f\n", size.c_str(),
                static_cast<long>(GetWindowTextLengthA(window)), notifications, perNotification,
                perSelection, perNotification / perSelection);
    DestroyWindow(window);
  }
  control->Release();
  CoUninitialize();
  return 0;
}
