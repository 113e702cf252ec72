// The Help buttons of the three dialogs: which help file, which topic, and which help engine
// shows it. Each case loads its own copy of the control from a folder of its own, because the
// module chooses its help file when it loads and looks the HTML Help entry up once.
#include <objbase.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "event_recorder.h"

namespace trov::test {
namespace {

namespace fs = std::filesystem;

constexpr char kHtmlHelpServerKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr UINT kDisplayTopic = 0;

fs::path ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return fs::path(path).parent_path();
}

std::string Narrow(const fs::path& path) {
  const std::wstring wide = path.wstring();
  return std::string(wide.begin(), wide.end());
}

// vantor.dll copied into folder with the given files beside it, loaded as a module of its own.
class ModuleCopy {
 public:
  ModuleCopy(const fs::path& folder, const std::vector<std::string>& besideIt) : folder_(folder) {
    fs::copy_file(ProgramFolder() / "vantor.dll", folder / "vantor.dll");
    for (const std::string& name : besideIt) std::ofstream(folder / name) << "help";
    module_ = LoadLibraryW((folder / "vantor.dll").c_str());
  }
  ModuleCopy(const ModuleCopy&) = delete;
  ModuleCopy& operator=(const ModuleCopy&) = delete;
  ~ModuleCopy() {
    if (module_ != nullptr) FreeLibrary(module_);
  }

  AutomationClient NewControl() {
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto get = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module_, "DllGetClassObject")));
    ComRef<IClassFactory> factory;
    ComRef<IDispatch> dispatch;
    EXPECT_NE(get, nullptr);
    if (get != nullptr &&
        SUCCEEDED(get(CLSID_Vantor, IID_IClassFactory, reinterpret_cast<void**>(factory.Put())))) {
      factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(dispatch.Put()));
    }
    EXPECT_TRUE(dispatch);
    if (dispatch) Query<IPersistStreamInit>(dispatch.Get(), IID_IPersistStreamInit)->InitNew();
    return AutomationClient(dispatch);
  }
  const fs::path& folder() const { return folder_; }

 private:
  fs::path folder_;
  HMODULE module_ = nullptr;
};

// Points the registered location of the HTML Help control elsewhere for one test.
class RegisteredHtmlHelp {
 public:
  explicit RegisteredHtmlHelp(const std::string& path) {
    char old[MAX_PATH + 1] = {};
    LONG size = sizeof old;
    hadValue_ = RegQueryValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, old, &size) == ERROR_SUCCESS;
    old_ = old;
    Set(path);
  }
  RegisteredHtmlHelp(const RegisteredHtmlHelp&) = delete;
  RegisteredHtmlHelp& operator=(const RegisteredHtmlHelp&) = delete;
  ~RegisteredHtmlHelp() {
    if (hadValue_) Set(old_);
  }

 private:
  static void Set(const std::string& path) {
    EXPECT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, REG_SZ, path.c_str(),
                           static_cast<DWORD>(path.size())),
              ERROR_SUCCESS);
  }
  bool hadValue_ = false;
  std::string old_;
};

struct HelpRequest {
  HWND caller;
  std::string file;
  UINT command;
  unsigned long data;
};

// What a fake HTML Help module was asked, read through that very module.
std::vector<HelpRequest> HtmlHelpRequests(const fs::path& fake) {
  HMODULE module = GetModuleHandleW(fake.c_str());
  std::vector<HelpRequest> requests;
  if (module == nullptr) return requests;  // never loaded: never asked
  using Count = int(WINAPI*)();
  using Call = int(WINAPI*)(int, char*, int, HWND*);
  auto count =
      reinterpret_cast<Count>(reinterpret_cast<void*>(GetProcAddress(module, "FakeHelpCallCount")));
  auto call =
      reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, "FakeHelpCall")));
  EXPECT_TRUE(count != nullptr && call != nullptr) << "another module took the fake's place";
  if (count == nullptr || call == nullptr) return requests;
  for (int i = 0; i < count(); ++i) {
    char file[1024] = {};
    HWND caller = nullptr;
    const int command = call(i, file, sizeof file, &caller);
    requests.push_back({caller, file, static_cast<UINT>(command), 0});
  }
  return requests;
}

// The classic help engine's window: help requests arrive as copied data.
std::vector<HelpRequest> classicRequests;

LRESULT CALLBACK ClassicHelpWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
  struct Request {  // the layout the help engine receives
    WORD size;
    WORD command;
    LONG data;
    LONG reserved;
    WORD fileOffset;
    WORD dataOffset;
  };
  const auto* copied = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  const auto* request = static_cast<const Request*>(copied->lpData);
  const char* file = request->fileOffset != 0
                         ? static_cast<const char*>(copied->lpData) + request->fileOffset
                         : "";
  classicRequests.push_back({reinterpret_cast<HWND>(wParam), file, request->command,
                             static_cast<unsigned long>(request->data)});
  return TRUE;
}

class ContextHelpTest : public ControlTest {
 protected:
  // Presses each dialog's Help button once: Options, User Dictionaries, then Check Spelling.
  void PressEveryHelpButton(AutomationClient& control, std::vector<HWND>& dialogs,
                            const std::function<std::size_t()>& requestsSoFar) {
    UsePrivateDictionary(control, {L"the", L"cat"});
    control.Put(L"Text", Var::Text(L"the cta"));
    DialogDriver::Run([&] { control.Call(L"ShowOptionsDialog"); },
                      [&](DialogDriver& d) {
                        HWND dialog = d.WaitForDialog("Spelling-checker options");
                        if (dialog == nullptr) return;
                        dialogs.push_back(dialog);
                        d.Click(dialog, IDC_OPT_HELP);
                        d.Click(dialog, IDCANCEL);
                      });
    DialogDriver::Run([&] { control.Call(L"ShowUserDictionaryDialog"); },
                      [&](DialogDriver& d) {
                        HWND dialog = d.WaitForDialog("User Dictionaries");
                        if (dialog == nullptr) return;
                        dialogs.push_back(dialog);
                        d.Click(dialog, IDC_DICT_HELP);
                        d.Click(dialog, IDOK);
                      });
    DialogDriver::Run([&] { control.Call(L"Start"); },
                      [&](DialogDriver& d) {
                        HWND dialog = d.WaitForDialog("Check Spelling");
                        if (dialog == nullptr) return;
                        dialogs.push_back(dialog);
                        const std::size_t before = requestsSoFar();
                        d.PressAccessKey(dialog,
                                         'H');  // the button lies below the dialog's visible part
                        for (int wait = 0; wait < 500 && requestsSoFar() == before; ++wait)
                          Sleep(10);
                        d.Click(dialog, IDCANCEL);
                      });
  }
};

TEST_F(ContextHelpTest, TheCompiledHelpFileOpensEachDialogsTopicThroughHtmlHelp) {
  const fs::path fake = ProgramFolder() / "fake_hhctrl.dll";
  RegisteredHtmlHelp registered(Narrow(fake));
  ModuleCopy copy(directory_, {"vantordlg.chm", "vantordlg.hlp"});
  AutomationClient control = copy.NewControl();
  std::vector<HWND> dialogs;
  PressEveryHelpButton(control, dialogs, [&] { return HtmlHelpRequests(fake).size(); });

  const std::vector<HelpRequest> requests = HtmlHelpRequests(fake);
  ASSERT_EQ(requests.size(), 3u);
  ASSERT_EQ(dialogs.size(), 3u);
  const std::string file = Narrow(directory_ / "vantordlg.chm");
  const char* topics[] = {"OptionsDlg.html", "UserDictionariesDlg.html", "CheckSpellingDlg.html"};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(requests[i].file, file + "::" + topics[i]);
    EXPECT_EQ(requests[i].command, kDisplayTopic);
    EXPECT_EQ(requests[i].caller, dialogs[i]);
  }
}

TEST_F(ContextHelpTest, HtmlHelpIsLoadedByNameWhenItsRegisteredLocationFails) {
  const fs::path folder = directory_ / "by_name";
  fs::create_directories(folder);
  const fs::path fake = folder / "hhctrl.ocx";
  fs::copy_file(ProgramFolder() / "fake_hhctrl.dll", fake);
  RegisteredHtmlHelp registered(Narrow(directory_ / "missing" / "hhctrl.ocx"));
  // A module loaded by name is searched for in this folder before the system's, and Wine is told
  // to prefer a module found on disk to its own.
  SetDllDirectoryW(folder.c_str());
  HKEY overrides = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, nullptr, 0, KEY_ALL_ACCESS,
                  nullptr, &overrides, nullptr);
  RegSetValueExA(overrides, "hhctrl.ocx", 0, REG_SZ, reinterpret_cast<const BYTE*>("native"), 7);
  ModuleCopy copy(folder, {"vantordlg.chm"});
  AutomationClient control = copy.NewControl();
  std::vector<HWND> dialogs;
  PressEveryHelpButton(control, dialogs, [&] { return HtmlHelpRequests(fake).size(); });
  SetDllDirectoryW(nullptr);
  RegDeleteValueA(overrides, "hhctrl.ocx");
  RegCloseKey(overrides);

  const std::vector<HelpRequest> requests = HtmlHelpRequests(fake);
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].file, Narrow(folder / "vantordlg.chm") + "::OptionsDlg.html");
}

TEST_F(ContextHelpTest, WithOnlyTheClassicHelpFileEachDialogAsksForItsContext) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ClassicHelpWindow;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "MS_WINHELP";
  RegisterClassA(&windowClass);
  HWND helpWindow = CreateWindowA("MS_WINHELP", "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(helpWindow, nullptr);
  classicRequests.clear();
  ModuleCopy copy(directory_, {"vantordlg.hlp"});
  AutomationClient control = copy.NewControl();
  std::vector<HWND> dialogs;
  PressEveryHelpButton(control, dialogs, [] { return classicRequests.size(); });
  DestroyWindow(helpWindow);

  ASSERT_EQ(classicRequests.size(), 3u);
  ASSERT_EQ(dialogs.size(), 3u);
  const std::string file = Narrow(directory_ / "vantordlg.hlp");
  const unsigned long contexts[] = {200, 300, 100};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(classicRequests[i].file, file);
    EXPECT_EQ(classicRequests[i].command, static_cast<UINT>(HELP_CONTEXT));
    EXPECT_EQ(classicRequests[i].data, contexts[i]);
    EXPECT_EQ(classicRequests[i].caller, dialogs[i]);
  }
}

}  // namespace
}  // namespace trov::test
