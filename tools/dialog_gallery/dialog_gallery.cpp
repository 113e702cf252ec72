// Shows each of the control's dialogs with sample content, as a user would meet it, and saves a
// picture of each: the screenshots of the documentation. The control is loaded from vantor.dll
// beside this program, so nothing needs to be registered.
//
// Usage: dialog_gallery <folder>   (writes check_spelling.bmp, check_spelling_context.bmp,
//                                    options.bmp, user_dictionaries.bmp, about.bmp and
//                                    page_general.bmp, page_dictionaries.bmp,
//                                    page_suggestions.bmp there)
#include <windows.h>
#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>
#include <oleauto.h>
#include <prsht.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "vantor_ids.h"

namespace {

// The caption the platform's property frame composes from the name it is given.
constexpr char kFrameCaption[] = "Properties for Vantor";

constexpr wchar_t kSampleText[] =
    L"Please chekc the spelling of this sentense before you send it to the the printer.";

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.rfind(L'\\'));
}

// ---- Driving the control through automation ----

class Control {
 public:
  explicit Control(IDispatch* dispatch) : dispatch_(dispatch) {}
  ~Control() { dispatch_->Release(); }

  void Put(const wchar_t* name, VARIANT value) {
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{&value, &put, 1, 1};
    dispatch_->Invoke(Id(name), IID_NULL, 0, DISPATCH_PROPERTYPUT, &parameters, nullptr, nullptr,
                      nullptr);
    VariantClear(&value);
  }
  IDispatch* dispatch() const { return dispatch_; }
  void Call(const wchar_t* name) {
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    VARIANT result;
    VariantInit(&result);
    dispatch_->Invoke(Id(name), IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr);
    VariantClear(&result);
  }

 private:
  DISPID Id(const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    dispatch_->GetIDsOfNames(IID_NULL, names, 1, 0, &id);
    return id;
  }
  IDispatch* dispatch_;
};

VARIANT Text(const wchar_t* text) {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_BSTR;
  V_BSTR(&value) = SysAllocString(text);
  return value;
}

VARIANT Bool(bool on) {
  VARIANT value;
  VariantInit(&value);
  V_VT(&value) = VT_BOOL;
  V_BOOL(&value) = on ? VARIANT_TRUE : VARIANT_FALSE;
  return value;
}

IClassFactory* ClassObject(REFCLSID clsid) {
  HMODULE module = LoadLibraryW((ProgramFolder() + L"\\vantor.dll").c_str());
  if (module == nullptr) return nullptr;
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  auto get = reinterpret_cast<GetClassObject>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
  IClassFactory* factory = nullptr;
  if (get == nullptr || FAILED(get(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
    return nullptr;
  }
  return factory;
}

// The property frame creates the pages by class: their class objects stand in for registration.
bool OfferPageClasses() {
  for (const CLSID& page :
       {CLSID_VantorGeneralPage, CLSID_VantorDictionariesPage, CLSID_VantorSuggestionsPage}) {
    IClassFactory* factory = ClassObject(page);
    DWORD cookie = 0;
    if (factory == nullptr || FAILED(CoRegisterClassObject(page, factory, CLSCTX_INPROC_SERVER,
                                                           REGCLS_MULTIPLEUSE, &cookie))) {
      return false;
    }
    factory->Release();
  }
  return true;
}

IDispatch* CreateControl() {
  IClassFactory* factory = ClassObject(CLSID_Vantor);
  if (factory == nullptr) return nullptr;
  IDispatch* dispatch = nullptr;
  factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  factory->Release();
  if (dispatch == nullptr) return nullptr;
  IPersistStreamInit* persist = nullptr;
  if (SUCCEEDED(
          dispatch->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)))) {
    persist->InitNew();
    persist->Release();
  }
  return dispatch;
}

// ---- Pictures ----

bool SaveBitmap(const std::string& file, HBITMAP bitmap, int width, int height) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom-up rows, as BMP files hold them
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = 0x4D42;  // "BM"
  fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
  fileHeader.bfSize = fileHeader.bfOffBits + static_cast<DWORD>(pixels.size());
  FILE* out = std::fopen(file.c_str(), "wb");
  if (out == nullptr) return false;
  std::fwrite(&fileHeader, sizeof fileHeader, 1, out);
  std::fwrite(&header, sizeof header, 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  return std::fclose(out) == 0;
}

// The window as it is on the screen, frame and caption included.
bool Capture(HWND window, const std::string& file) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, old);
  const bool saved = SaveBitmap(file, bitmap, width, height);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

struct Search {
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  char caption[128] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (!IsWindowVisible(window) || std::string(caption) != search.caption) return TRUE;
  search.found = window;
  return FALSE;
}

HWND WaitForWindow(DWORD thread, const char* caption) {
  for (int tries = 0; tries < 3000;
       ++tries) {  // a minute: a new prefix first builds its font cache
    Search search{caption, nullptr};
    EnumThreadWindows(thread, MatchCaption, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(20);
  }
  return nullptr;
}

// Runs show on this thread; another waits for its window, lets it settle on the screen,
// captures it and closes it with closeId.
bool Photograph(const std::function<void()>& show, const char* caption, const std::string& file,
                const std::function<void(HWND)>& arrange, int closeId) {
  const DWORD thread = GetCurrentThreadId();
  bool saved = false;
  std::thread photographer([&] {
    HWND window = WaitForWindow(thread, caption);
    if (window == nullptr) return;
    if (arrange) arrange(window);
    Sleep(700);  // the first stop, the suggestions and the painting
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    saved = Capture(window, file);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(closeId, BN_CLICKED), 0);
  });
  show();
  photographer.join();
  if (!saved) std::fprintf(stderr, "dialog_gallery: no picture of \"%s\"\n", caption);
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dialog_gallery <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IDispatch* dispatch = CreateControl();
  if (dispatch == nullptr) {
    std::fprintf(stderr, "dialog_gallery: the control cannot be created from vantor.dll\n");
    return 1;
  }
  bool all = true;
  {
    Control control(dispatch);
    control.Put(L"Text", Text(kSampleText));
    all &= Photograph([&] { control.Call(L"Start"); }, "Check Spelling",
                      folder + "\\check_spelling.bmp", nullptr, IDCANCEL);
    control.Put(L"ShowContext", Bool(true));
    all &= Photograph([&] { control.Call(L"Start"); }, "Check Spelling",
                      folder + "\\check_spelling_context.bmp", nullptr, IDCANCEL);
    all &= Photograph([&] { control.Call(L"ShowOptionsDialog"); }, "Spelling-checker options",
                      folder + "\\options.bmp", nullptr, IDCANCEL);
    const auto pickWord = [](HWND dialog) {
      // A correction pair shows every field of the dialog filled in.
      HWND words = GetDlgItem(dialog, 228);
      Sleep(300);
      SendMessageA(words, CB_SETCURSEL, 7, 0);
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(228, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(words));
    };
    all &= Photograph([&] { control.Call(L"ShowUserDictionaryDialog"); }, "User Dictionaries",
                      folder + "\\user_dictionaries.bmp", pickWord, IDOK);
    all &= Photograph([&] { control.Call(L"AboutBox"); }, "About Vantor", folder + "\\about.bmp",
                      nullptr, IDOK);
    all &= OfferPageClasses();
    const CLSID pages[] = {CLSID_VantorGeneralPage, CLSID_VantorDictionariesPage,
                           CLSID_VantorSuggestionsPage};
    const char* const pictures[] = {"page_general", "page_dictionaries", "page_suggestions"};
    for (int page = 0; page < 3; ++page) {
      IUnknown* objects[] = {control.dispatch()};
      const auto showPage = [page](HWND frame) { SendMessageA(frame, PSM_SETCURSEL, page, 0); };
      all &= Photograph(
          [&] {
            OleCreatePropertyFrame(nullptr, 0, 0, L"Vantor", 1, objects, 3,
                                   const_cast<CLSID*>(pages), LOCALE_USER_DEFAULT, 0, nullptr);
          },
          kFrameCaption, folder + "\\" + pictures[page] + ".bmp", showPage, IDCANCEL);
    }
  }
  CoUninitialize();
  return all ? 0 : 1;
}
