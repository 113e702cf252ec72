// Vantor Pad driven as a user drives it. The pad's window runs on the test's thread, as the
// program runs it; a second thread picks its menu commands, types, right-clicks, reads the marks
// in its document and works the dialogs. The last test starts the real program.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>
#include <richedit.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "pad_commands.h"
#include "pad_window.h"
#include "spelling_control.h"
#include "text_file.h"

namespace trov::test {
namespace {

using namespace std::chrono_literals;

constexpr auto kPatience = 10s;
constexpr auto kPadLifetime = 90s;  // how long one test may keep a pad open
constexpr char kMessageBoxCaption[] = "Vantor Pad";

bool WaitUntil(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(20ms);
  }
  return condition();
}

// The pad's windows, as the driving thread sees and works them.
class Pad {
 public:
  explicit Pad(HWND window)
      : window_(window),
        editor_(FindWindowExW(window, nullptr, L"RichEdit20W", nullptr)),
        status_(FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr)) {}

  HWND window() const { return window_; }

  // A menu command that opens a dialog or a message box: the call returns at once.
  void Choose(int command) const { PostMessageW(window_, WM_COMMAND, command, 0); }
  // A menu command that is done when the call returns.
  void Run(int command) const { Send(window_, WM_COMMAND, command, 0); }

  std::wstring Title() const {
    wchar_t title[256] = {};
    GetWindowTextW(window_, title, 256);
    return title;
  }
  std::wstring Status(int part) const {
    wchar_t text[256] = {};
    Send(status_, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(text));
    return text;
  }
  // The status bar is brought up to date once the user pauses.
  bool ShowsStatus(int part, const std::wstring& text) const {
    return WaitUntil([&] { return Status(part) == text; });
  }

  // The document as the editor holds it: a line end is one character, "\r".
  std::wstring Text() const {
    std::wstring text(static_cast<std::size_t>(Length()) + 1, L'\0');
    GETTEXTEX how{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr,
                  nullptr};
    text.resize(static_cast<std::size_t>(Send(editor_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&how),
                                              reinterpret_cast<LPARAM>(text.data()))));
    return text;
  }
  // 'x' for each character of [from, to) in the marking colour, '.' for the others; to -1: the
  // end of the text. The pad is not told of the selection changes this takes.
  std::string Marks(long from = 0, long to = -1) const {
    const LRESULT events = Send(editor_, EM_SETEVENTMASK, 0, 0);
    const CHARRANGE kept = Selection();
    std::string marks;
    for (long i = from; i < (to < 0 ? Length() : to); ++i) {
      Select(i, i + 1);
      CHARFORMAT2W format{};
      format.cbSize = sizeof format;
      Send(editor_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
      const bool marked =
          !(format.dwEffects & CFE_AUTOCOLOR) && format.crTextColor == pad::Marking{}.colour;
      marks.push_back(marked ? 'x' : '.');
    }
    Select(kept.cpMin, kept.cpMax);
    Send(editor_, EM_SETEVENTMASK, 0, events);
    return marks;
  }

  // As a click or a drag in the text: the pad hears of the new selection.
  void Select(long start, long end) const {
    const CHARRANGE range{start, end};
    Send(editor_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }
  void PlaceCaret(long position) const { Select(position, position); }
  // Each character as the keyboard gives it.
  void Type(const std::wstring& text) const {
    for (wchar_t c : text) Send(editor_, WM_CHAR, c, 1);
  }
  // A right click at the character's place, or the context-menu key with the caret there.
  void RightClick(long position) const {
    POINTL corner{};
    Send(editor_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&corner), position);
    POINT at{corner.x + 2, corner.y + 4};
    ClientToScreen(editor_, &at);
    PostMessageW(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor_),
                 MAKELPARAM(at.x, at.y));
  }
  void ContextMenuKey(long position) const {
    PlaceCaret(position);
    PostMessageW(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(editor_), MAKELPARAM(-1, -1));
  }
  void Close() const { PostMessageW(window_, WM_CLOSE, 0, 0); }

  // The pop-up menu the pad is tracking; null when none is open.
  HWND OpenMenu() const {
    const DWORD thread = GetWindowThreadProcessId(window_, nullptr);
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
      if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == thread) return menu;
    }
    return nullptr;
  }
  bool NoMenuOpen() const {
    return WaitUntil([&] {
      if (HWND menu = OpenMenu()) {
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
        return false;
      }
      return true;
    });
  }

 private:
  static LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 15000, &result)) {
      ADD_FAILURE() << "the pad did not answer message " << message;
    }
    return static_cast<LRESULT>(result);
  }
  long Length() const {
    GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return static_cast<long>(Send(editor_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
  }
  CHARRANGE Selection() const {
    CHARRANGE range{};
    Send(editor_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
  }

  HWND window_;
  HWND editor_;
  HWND status_;
};

class VantorPadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    static std::atomic<int> counter{0};
    directory_ =
        std::filesystem::temp_directory_path() /
        ("vantor_pad_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
    OleUninitialize();
  }

  std::wstring WriteFile(const char* name, const std::string& bytes) {
    const std::filesystem::path path = directory_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.wstring();
  }
  static std::string ReadFile(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // Opens a pad on file and runs it on this thread while script works it from another. The
  // script ends by closing the pad; a pad still open after kPadLifetime fails the test and is
  // destroyed, and a dialog left open is cancelled by the driver.
  void Drive(const std::wstring& file,
             const std::function<void(DialogDriver&, const Pad&)>& script) {
    HWND window = pad::PadWindow::Open(file);
    ASSERT_NE(window, nullptr) << "the pad did not open (is the control registered?)";
    const Pad pad(window);
    std::atomic<bool> abandoned{false};
    DialogDriver::Run([&] { RunUntilClosed(window, abandoned); },
                      [&](DialogDriver& d) {
                        script(d, pad);
                        if (WaitUntil([&] { return !IsWindow(window); })) return;
                        // A script that stopped early: the pad goes without questions, and a
                        // menu it left open must not keep it.
                        ADD_FAILURE() << "the test left the pad open";
                        abandoned = true;
                        pad.NoMenuOpen();
                      });
  }

  // Answers the pad's question about unsaved changes with the button given.
  static void Answer(DialogDriver& d, int button) {
    if (HWND box = d.WaitForDialog(kMessageBoxCaption)) d.Click(box, button);
  }

  std::filesystem::path directory_;

 private:
  static void RunUntilClosed(HWND window, const std::atomic<bool>& abandoned) {
    const auto deadline = std::chrono::steady_clock::now() + kPadLifetime;
    while (IsWindow(window)) {
      if (abandoned || std::chrono::steady_clock::now() > deadline) {
        if (!abandoned)
          ADD_FAILURE() << "the pad was still open after " << kPadLifetime.count() << " s";
        DestroyWindow(window);
        break;
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
};

TEST(VantorPadFiles, EncodingsAreRecognisedAndLineEndsBecomeCrLf) {
  pad::DecodedText ascii = pad::DecodeText("plain\nASCII");
  EXPECT_EQ(ascii.encoding, pad::Encoding::kUtf8);
  EXPECT_EQ(ascii.text, L"plain\nASCII");
  pad::DecodedText bom = pad::DecodeText(
      "\xEF\xBB\xBF"
      "caf\xC3\xA9");
  EXPECT_EQ(bom.encoding, pad::Encoding::kUtf8WithBom);
  EXPECT_EQ(bom.text, L"caf\u00E9");
  // A byte that cannot stand alone in UTF-8 makes the file ANSI text.
  pad::DecodedText ansi = pad::DecodeText("caf\xE9 \x80");
  EXPECT_EQ(ansi.encoding, pad::Encoding::kAnsi);
  EXPECT_EQ(ansi.text, L"caf\u00E9 \u20AC");

  bool lossy = true;
  EXPECT_EQ(pad::EncodeText(L"a\rb\nc\r\nd", pad::Encoding::kUtf8, lossy), "a\r\nb\r\nc\r\nd");
  EXPECT_FALSE(lossy);
  EXPECT_EQ(pad::EncodeText(L"\u00E9\n", pad::Encoding::kUtf8WithBom, lossy),
            "\xEF\xBB\xBF\xC3\xA9\r\n");
  EXPECT_EQ(pad::EncodeText(L"\u20AC \u00E9", pad::Encoding::kAnsi, lossy), "\x80 \xE9");
  EXPECT_FALSE(lossy);
  EXPECT_EQ(pad::EncodeText(L"\u0436", pad::Encoding::kAnsi, lossy), "?");
  EXPECT_TRUE(lossy);
}

TEST_F(VantorPadTest, CheckAsYouTypeMarksProblemWordsAndTheMenuCorrectsThem) {
  // No word here is on the automatic-change list, which would change the text as it is checked.
  const std::string original = "The cat sat on the mat and ate a wrod speling.\r\n";
  const std::wstring file = WriteFile("typing.txt", original);
  Drive(file, [](DialogDriver& d, const Pad& pad) {
    EXPECT_EQ(pad.Title(), L"typing.txt - Vantor Pad");
    EXPECT_TRUE(pad.ShowsStatus(pad::kWordsPart, L"Words: 11"));
    EXPECT_EQ(pad.Marks(), std::string(47, '.')) << "nothing is marked before checking is on";

    pad.Run(pad::kToolsCheckAsYouType);
    EXPECT_EQ(pad.Marks(), ".................................xxxx.xxxxxxx..");
    EXPECT_TRUE(pad.ShowsStatus(pad::kMarksPart, L"Marked words: 2"));
    EXPECT_EQ(pad.Title(), L"typing.txt - Vantor Pad") << "marks are no change to the document";

    // A word typed at the end of the line is marked once the space after it ends it.
    pad.PlaceCaret(46);
    pad.Type(L" chekc");
    EXPECT_EQ(pad.Marks().substr(46), ".......") << "the word may still be growing";
    pad.Type(L" ");
    EXPECT_EQ(pad.Marks().substr(46), ".xxxxx..");
    EXPECT_TRUE(pad.ShowsStatus(pad::kMarksPart, L"Marked words: 3"));
    EXPECT_TRUE(pad.ShowsStatus(pad::kWordsPart, L"Words: 12"));
    EXPECT_EQ(pad.Title(), L"*typing.txt - Vantor Pad");

    // The context-menu key on a marked word: the control's suggestion replaces it.
    pad.ContextMenuKey(34);
    if (HWND menu = d.WaitForMenu()) {
      const std::vector<std::string> items = d.MenuItems(menu);
      EXPECT_GE(items.size(), 4u);
      EXPECT_EQ(items.front(), "word");
      EXPECT_EQ(items.back(), "&Add");
      d.ChooseMenuItem(menu, 0);
    }
    EXPECT_TRUE(WaitUntil(
        [&] { return pad.Text().starts_with(L"The cat sat on the mat and ate a word "); }));
    EXPECT_EQ(pad.Marks().substr(0, 46), "......................................xxxxxxx.");
    EXPECT_TRUE(pad.ShowsStatus(pad::kMarksPart, L"Marked words: 2"));

    // A right click on a marked word, by its place on the screen.
    EXPECT_TRUE(pad.NoMenuOpen());
    pad.RightClick(40);
    if (HWND menu = d.WaitForMenu()) {
      const std::vector<std::string> items = d.MenuItems(menu);
      EXPECT_NE(std::find(items.begin(), items.end(), "spelling"), items.end());
      d.ChooseMenuItem(menu, -1);
    }
    // A word that is not marked gets the pad's own Edit menu.
    EXPECT_TRUE(pad.NoMenuOpen());
    pad.ContextMenuKey(5);
    if (HWND menu = d.WaitForMenu()) {
      const std::vector<std::string> items = d.MenuItems(menu);
      EXPECT_EQ(items,
                std::vector<std::string>({"&Undo\tCtrl+Z", "", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                          "&Paste\tCtrl+V", "", "Select &All\tCtrl+A"}));
      d.ChooseMenuItem(menu, -1);
    }
    EXPECT_TRUE(pad.NoMenuOpen());

    // Off again: the marks go, the text stays.
    pad.Run(pad::kToolsCheckAsYouType);
    EXPECT_EQ(pad.Marks(), std::string(pad.Text().size(), '.'));
    EXPECT_EQ(pad.Status(pad::kMarksPart), L"");

    pad.Close();
    Answer(d, IDNO);
  });
  EXPECT_EQ(ReadFile(file), original) << "the changes were not to be saved";
}

TEST_F(VantorPadTest, ALongDocumentIsCountedAndTypedInWithoutStalls) {
  std::string text;
  for (int line = 0; line < 1500; ++line) {
    text += std::string(line % 10 == 0 ? "A wrod" : "A word") + " on line " + std::to_string(line) +
            ".\r\n";
  }
  Drive(WriteFile("long.txt", text), [](DialogDriver& d, const Pad& pad) {
    pad.Run(pad::kToolsCheckAsYouType);
    // The count takes many slices of the timer.
    EXPECT_TRUE(pad.ShowsStatus(pad::kMarksPart, L"Marked words: 150"));
    EXPECT_EQ(pad.Status(pad::kWordsPart), L"Words: 7500");

    // Far down the text a keystroke checks the word it touches, not all the text before it.
    const long end = static_cast<long>(pad.Text().size()) - 1;
    pad.PlaceCaret(end);
    const auto began = std::chrono::steady_clock::now();
    pad.Type(L" chekc ");
    EXPECT_LT(std::chrono::steady_clock::now() - began, 3s);
    EXPECT_EQ(pad.Marks(end, end + 8), ".xxxxx..");
    pad.Close();
    Answer(d, IDNO);
  });
}

TEST_F(VantorPadTest, CheckSpellingFromTheMenuChangesWordsAndSaveKeepsTheAnsiEncoding) {
  // Code page 1252: a euro sign and an en dash, which are not UTF-8.
  const std::wstring file =
      WriteFile("ansi.txt", "Price: 5 \x80 \x96 the best wrod, chekc it now.\r\nThanks.\r\n");
  Drive(file, [](DialogDriver& d, const Pad& pad) {
    pad.Choose(pad::kToolsCheckSpelling);
    if (HWND dialog = d.WaitForDialog("Check Spelling")) {
      EXPECT_EQ(GetWindow(dialog, GW_OWNER), pad.window()) << "the dialog is modal to the pad";
      EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "wrod");
      const std::vector<std::string> suggestions = d.ListItems(dialog, IDC_CHECK_SUGGESTIONS);
      ASSERT_FALSE(suggestions.empty());
      EXPECT_EQ(suggestions[0], "word");
      d.Click(dialog, IDC_CHECK_CHANGE);
      EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "chekc");
      d.Type(dialog, IDC_CHECK_WORD, "check");
      d.Click(dialog, IDC_CHECK_CHANGE);
      EXPECT_TRUE(d.WaitUntilClosed(dialog));
    }
    EXPECT_TRUE(pad.ShowsStatus(pad::kMessagePart, L"Spelling check complete: 2 changes"));
    EXPECT_EQ(pad.Title(), L"*ansi.txt - Vantor Pad");
    pad.Run(pad::kFileSave);
    EXPECT_EQ(pad.Title(), L"ansi.txt - Vantor Pad");
    pad.Close();
  });
  EXPECT_EQ(ReadFile(file), "Price: 5 \x80 \x96 the best word, check it now.\r\nThanks.\r\n");
}

TEST_F(VantorPadTest, CancellingCheckSpellingSaysSoAndLeavesTheTextAlone) {
  const std::string original = "One wrod here.\r\n";
  const std::wstring file = WriteFile("cancel.txt", original);
  Drive(file, [](DialogDriver& d, const Pad& pad) {
    pad.Choose(pad::kToolsCheckSpelling);
    if (HWND dialog = d.WaitForDialog("Check Spelling")) {
      d.Click(dialog, IDCANCEL);
      EXPECT_TRUE(d.WaitUntilClosed(dialog));
    }
    EXPECT_TRUE(pad.ShowsStatus(pad::kMessagePart, L"Spelling check cancelled"));
    EXPECT_EQ(pad.Title(), L"cancel.txt - Vantor Pad");
    pad.Close();
  });
  EXPECT_EQ(ReadFile(file), original);
}

TEST_F(VantorPadTest, UnicodeFilesKeepTheirFormAndLineEndsBecomeCrLf) {
  const std::wstring withBom = WriteFile("bom.txt",
                                         "\xEF\xBB\xBF"
                                         "na\xC3\xAFve \xD0\xB6\nend\n");
  Drive(withBom, [](DialogDriver&, const Pad& pad) {
    EXPECT_EQ(pad.Text(), L"na\u00EFve \u0436\rend\r");
    pad.PlaceCaret(0);
    pad.Type(L"A ");
    pad.Run(pad::kFileSave);
    pad.Close();
  });
  EXPECT_EQ(ReadFile(withBom),
            "\xEF\xBB\xBF"
            "A na\xC3\xAFve \xD0\xB6\r\nend\r\n");

  // ANSI text that gains a character code page 1252 lacks is saved as UTF-8 if the user agrees.
  const std::wstring ansi = WriteFile("ansi.txt", "caf\xE9\r\n");
  Drive(ansi, [](DialogDriver& d, const Pad& pad) {
    pad.PlaceCaret(4);
    pad.Type(L" \u0436");
    pad.Choose(pad::kFileSave);
    if (HWND box = d.WaitForDialog(kMessageBoxCaption)) {
      EXPECT_NE(d.MessageText(box).find("no ANSI form"), std::string::npos);
      d.Click(box, IDYES);
    }
    EXPECT_TRUE(WaitUntil([&] { return pad.Title() == L"ansi.txt - Vantor Pad"; }));
    pad.Close();
  });
  EXPECT_EQ(ReadFile(ansi), "caf\xC3\xA9 \xD0\xB6\r\n");
}

TEST_F(VantorPadTest, NewAsksAboutUnsavedChangesAndCancelKeepsTheDocument) {
  const std::wstring file = WriteFile("keep.txt", "Keep me.\r\n");
  Drive(file, [](DialogDriver& d, const Pad& pad) {
    pad.PlaceCaret(0);
    pad.Type(L"X");
    pad.Choose(pad::kFileNew);
    Answer(d, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return pad.Text() == L"XKeep me.\r"; }));
    pad.Choose(pad::kFileNew);
    Answer(d, IDNO);
    EXPECT_TRUE(WaitUntil([&] { return pad.Title() == L"Untitled - Vantor Pad"; }));
    EXPECT_EQ(pad.Text(), L"");
    pad.Close();  // nothing to ask about
  });
  EXPECT_EQ(ReadFile(file), "Keep me.\r\n");
}

TEST_F(VantorPadTest, EditCommandsCutPasteAndUndo) {
  Drive(WriteFile("edit.txt", "one two three\r\n"), [](DialogDriver& d, const Pad& pad) {
    pad.Select(3, 7);
    pad.Run(pad::kEditCut);
    EXPECT_EQ(pad.Text(), L"one three\r");
    pad.PlaceCaret(9);
    pad.Run(pad::kEditPaste);
    EXPECT_EQ(pad.Text(), L"one three two\r");
    pad.Run(pad::kEditUndo);
    EXPECT_EQ(pad.Text(), L"one three\r");
    pad.Close();
    Answer(d, IDNO);
  });
}

BOOL CALLBACK MatchAboutBox(HWND window, LPARAM found) {
  char caption[128] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (!IsWindowVisible(window) || !std::string(caption).starts_with("About")) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The About box the pad shows: the control's own once it has one, else the pad's message.
HWND WaitForAboutBox(const Pad& pad) {
  HWND found = nullptr;
  WaitUntil([&] {
    EnumThreadWindows(GetWindowThreadProcessId(pad.window(), nullptr), MatchAboutBox,
                      reinterpret_cast<LPARAM>(&found));
    return found != nullptr;
  });
  return found;
}

TEST_F(VantorPadTest, ToolsAndHelpOpenTheirDialogsOverThePad) {
  Drive(L"", [](DialogDriver& d, const Pad& pad) {
    struct Opened {
      int command;
      const char* caption;
      int closeWith;
    };
    for (const Opened& dialog : {Opened{pad::kToolsOptions, "Spelling-checker options", IDCANCEL},
                                 Opened{pad::kToolsUserDictionaries, "User Dictionaries", IDOK}}) {
      pad.Choose(dialog.command);
      if (HWND shown = d.WaitForDialog(dialog.caption)) {
        EXPECT_EQ(GetWindow(shown, GW_OWNER), pad.window()) << dialog.caption;
        d.Click(shown, dialog.closeWith);
        EXPECT_TRUE(d.WaitUntilClosed(shown));
      }
    }
    pad.Choose(pad::kHelpAbout);
    HWND about = WaitForAboutBox(pad);
    EXPECT_NE(about, nullptr) << "no About box";
    if (about != nullptr) {
      EXPECT_EQ(GetWindow(about, GW_OWNER), pad.window());
      char caption[128] = {};
      GetWindowTextA(about, caption, sizeof caption);
      if (std::string(caption) == "About Vantor Pad") {
        EXPECT_NE(d.MessageText(about).find("not available"), std::string::npos);
      }
      d.PressEscape(about);
      EXPECT_TRUE(d.WaitUntilClosed(about));
    }
    pad.Close();
  });
}

// ---- The real program ----

struct Search {
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchPad(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (process != search.process || !IsWindowVisible(window) ||
      std::wstring(name) != pad::kPadClassName) {
    return TRUE;
  }
  search.found = window;
  return FALSE;
}

std::wstring ProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(path).parent_path().wstring();
}

TEST_F(VantorPadTest, TheProgramOpensItsFileChecksItAndSavesItUnchanged) {
  const std::string original = "This program opens a wrod file.\r\n";
  const std::wstring file = WriteFile("program.txt", original);
  std::wstring command = L"\"" + ProgramFolder() + L"\\vantor_pad.exe\" \"" + file + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  Search search{process.dwProcessId, nullptr};
  WaitUntil([&] {
    EnumWindows(MatchPad, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  if (search.found != nullptr) {
    HWND window = search.found;
    EXPECT_TRUE(WaitUntil([&] {
      wchar_t title[128] = {};
      GetWindowTextW(window, title, 128);
      return std::wstring(title) == L"program.txt - Vantor Pad";
    }));
    PostMessageW(window, WM_COMMAND, pad::kToolsCheckAsYouType, 0);
    PostMessageW(window, WM_COMMAND, pad::kFileSave, 0);
    PostMessageW(window, WM_CLOSE, 0, 0);
  } else {
    ADD_FAILURE() << "the pad's window did not appear";
    TerminateProcess(process.hProcess, 1);
  }
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(ReadFile(file), original) << "the marks are no part of the text";
}

}  // namespace
}  // namespace trov::test
