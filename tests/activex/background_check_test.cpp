// Checking as the user types, on real rich-edit windows: the test types, deletes, pastes and moves
// the caret as a user would, forwards each change as a host does, and reads the marking back
// character by character.
#include <richedit.h>

#include <string>
#include <vector>

#include "dialog_driver.h"
#include "long_text.h"
#include "event_recorder.h"
#include "test_windows.h"

namespace trov::test {
namespace {

constexpr COLORREF kMarkColour = RGB(255, 0, 0);
const std::vector<std::wstring> kKnownWords = {L"the", L"cat", L"sat", L"on",
                                               L"mat", L"dog", L"e.g."};

// A host's side of background checking: its window, and the calls it makes after each change.
class Host {
 public:
  Host(AutomationClient& control, const char* className)
      : control_(control), window_(className, "") {}

  HWND handle() const { return window_.handle(); }
  std::string Text() const { return window_.Text(); }

  long Notify() {
    return control_
        .Call(L"CheckBackgroundNotify",
              {Var::Long(HandleToLong(handle())), Var::Bool(true), Var::Bool(false),
               Var::Bool(false), Var::Bool(false), Var::Long(static_cast<int32_t>(kMarkColour))})
        .number();
  }
  long Recheck() {
    return control_
        .Call(L"CheckBackgroundRecheck",
              {Var::Long(HandleToLong(handle())), Var::Bool(true), Var::Bool(false),
               Var::Bool(false), Var::Bool(false), Var::Long(static_cast<int32_t>(kMarkColour))})
        .number();
  }
  long Menu(int32_t x, int32_t y) {
    return control_
        .Call(L"CheckBackgroundMenu",
              {Var::Long(HandleToLong(handle())), Var::Long(x), Var::Long(y), Var::Long(0),
               Var::Bool(true), Var::Bool(false), Var::Bool(false), Var::Bool(false),
               Var::Long(static_cast<int32_t>(kMarkColour))})
        .number();
  }

  // Each character as the keyboard puts it at the caret, each change forwarded.
  void Type(const std::string& text) {
    for (char c : text) Replace(std::string(1, c));
  }
  void Paste(const std::string& text) { Replace(text); }
  void Backspace() {
    const CHARRANGE selection = Selection();
    SetSelection(selection.cpMin - 1, selection.cpMin);
    Replace("");
  }
  void MoveCaret(long position) {
    SetSelection(position, position);
    Notify();
  }
  void SetText(const std::string& text) { SetWindowTextA(handle(), text.c_str()); }
  void StreamIn(const std::string& text) { window_.StreamIn(text); }
  CHARRANGE Selection() const {
    CHARRANGE range{};
    SendMessageA(handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
  }
  // 'x' for each marked character, '.' for the others.
  std::string Marks() const {
    const CHARRANGE kept = Selection();
    std::string marks;
    const long length = GetWindowTextLengthA(handle());
    for (long i = 0; i < length; ++i) {
      const CHARRANGE one{i, i + 1};
      SendMessageA(handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
      CHARFORMATA format{};
      format.cbSize = sizeof format;
      SendMessageA(handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
      const bool red = !(format.dwEffects & CFE_AUTOCOLOR) && format.crTextColor == kMarkColour;
      marks.push_back(red ? 'x' : '.');
    }
    SendMessageA(handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    return marks;
  }
  COLORREF ColourAt(long position) const {
    const CHARRANGE kept = Selection();
    const CHARRANGE one{position, position + 1};
    SendMessageA(handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&one));
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    SendMessageA(handle(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageA(handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    return (format.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : format.crTextColor;
  }

 private:
  void SetSelection(long start, long end) {
    const CHARRANGE range{start, end};
    SendMessageA(handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  }
  // The host forwards the change and the selection change that comes with it.
  void Replace(const std::string& text) {
    SendMessageA(handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    Notify();
    Notify();
  }

  AutomationClient& control_;
  TestWindow window_;
};

class BackgroundCheckTest : public ControlTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    control_ = std::make_unique<AutomationClient>(NewControl());
    UsePrivateDictionary(*control_, kKnownWords);
    host_ = std::make_unique<Host>(*control_, GetParam());
    EXPECT_EQ(host_->Notify(), 0);  // registers the window
  }
  void TearDown() override {
    host_.reset();
    control_.reset();
    ControlTest::TearDown();
  }
  std::wstring Dictionary() const { return (directory_ / "words.tlx").wstring(); }

  std::unique_ptr<AutomationClient> control_;
  std::unique_ptr<Host> host_;
};

TEST_P(BackgroundCheckTest, AMisspelledWordIsMarkedWhenItEndsButNotTheSpaceAfterIt) {
  host_->Type("the teh");
  EXPECT_EQ(host_->Marks(), ".......") << "the word may still be growing";
  host_->Type(" cat ");
  EXPECT_EQ(host_->Text(), "the teh cat ");
  EXPECT_EQ(host_->Marks(), "....xxx.....");
  // Typing on after the space does not carry the marking on.
  host_->Type("on");
  EXPECT_EQ(host_->Marks(), "....xxx.......");
}

TEST_P(BackgroundCheckTest, ALetterThatCorrectsAMarkedWordUnmarksItInItsNeighboursColour) {
  host_->Type("the ct sat ");
  ASSERT_EQ(host_->Marks(), "....xx.....");
  host_->MoveCaret(5);
  host_->Type("a");
  EXPECT_EQ(host_->Text(), "the cat sat ");
  EXPECT_EQ(host_->Marks(), "............");
  EXPECT_EQ(host_->ColourAt(4), host_->ColourAt(2));

  // Typing inside a word that is not marked checks nothing until the caret leaves the word.
  host_->Type("t");
  EXPECT_EQ(host_->Marks(), ".............");
  host_->MoveCaret(13);
  EXPECT_EQ(host_->Marks(), "....xxxx.....");
}

TEST_P(BackgroundCheckTest, DeletingLettersRechecksTheShortenedWord) {
  host_->Type("the catt sat ");
  ASSERT_EQ(host_->Marks(), "....xxxx.....");
  host_->MoveCaret(8);
  host_->Backspace();
  EXPECT_EQ(host_->Text(), "the cat sat ");
  EXPECT_EQ(host_->Marks(), "............");
  // A good word spoilt by a deletion is checked once the caret leaves it.
  host_->MoveCaret(3);
  host_->Backspace();
  EXPECT_EQ(host_->Text(), "th cat sat ");
  EXPECT_EQ(host_->Marks(), "...........");
  host_->MoveCaret(11);
  EXPECT_EQ(host_->Marks(), "xx.........");
}

TEST_P(BackgroundCheckTest, APasteChecksFromTheStartOfItsFirstWord) {
  host_->Type("the ca");
  host_->Paste("tt sat teh on the mat");
  EXPECT_EQ(host_->Text(), "the catt sat teh on the mat");
  EXPECT_EQ(host_->Marks(), "....xxxx.....xxx...........");
}

TEST_P(BackgroundCheckTest, AnAutomaticChangeOnASeparatorKeepsTheCaretAfterIt) {
  control_->Call(L"AddToUserDictionary", {Var::Text(Dictionary()), Var::Text(L"alot"),
                                          Var::Short('a'), Var::Text(L"a lot")});
  host_->Type("the alot ");
  EXPECT_EQ(host_->Text(), "the a lot ");
  const CHARRANGE caret = host_->Selection();
  EXPECT_EQ(caret.cpMin, 10);
  EXPECT_EQ(caret.cpMax, 10);
  EXPECT_EQ(host_->Marks(), "..........");
  // Typing goes on from there as usual.
  host_->Type("cat ");
  EXPECT_EQ(host_->Text(), "the a lot cat ");
  EXPECT_EQ(host_->Marks(), "..............");
}

TEST_P(BackgroundCheckTest, AnAbbreviationKeepsItsFinalPeriodASentenceDoesNot) {
  host_->Type("see e.g. the zzq. ");
  EXPECT_EQ(host_->Marks(), "xxx..........xxx..");
}

TEST_P(BackgroundCheckTest, RecheckMarksTheWholeTextAndPutsTheSelectionBack) {
  host_->SetText("the teh cat zzq on mat");
  const CHARRANGE caret{2, 2};
  SendMessageA(host_->handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  EXPECT_EQ(host_->Recheck(), 0);
  EXPECT_EQ(host_->Marks(), "....xxx.....xxx.......");
  EXPECT_EQ(host_->Selection().cpMin, 2);
  // The words are unmarked again once the dictionary knows them.
  control_->Call(L"AddToUserDictionary",
                 {Var::Text(Dictionary()), Var::Text(L"zzq"), Var::Short('i'), Var::Text(L"")});
  host_->Recheck();
  EXPECT_EQ(host_->Marks(), "....xxx...............");
}

TEST_P(BackgroundCheckTest, ANotificationAfterARecheckChecksOnlyWhatChanged) {
  host_->SetText("the zzq cat");
  host_->Recheck();
  ASSERT_EQ(host_->Marks(), "....xxx....");
  // Known now, the word would lose its mark if the next notification checked the whole text.
  control_->Call(L"AddToUserDictionary",
                 {Var::Text(Dictionary()), Var::Text(L"zzq"), Var::Short('i'), Var::Text(L"")});
  EXPECT_EQ(host_->Notify(), 0);
  EXPECT_EQ(host_->Marks(), "....xxx....");
  host_->MoveCaret(11);
  host_->Type(" dgo ");
  EXPECT_EQ(host_->Marks(), "....xxx.....xxx.");
}

TEST_P(BackgroundCheckTest, TheMenuOffersSuggestionsAndReplacesTheWord) {
  host_->SetText("the dgo sat on the mat");
  host_->Recheck();
  ASSERT_EQ(host_->Marks(), "....xxx...............");
  std::vector<std::string> items;
  long shown = 0;
  DialogDriver::Run([&] { shown = host_->Menu(-1, 5); },
                    [&](DialogDriver& d) {
                      HWND menu = d.WaitForMenu();
                      if (menu == nullptr) return;
                      items = d.MenuItems(menu);
                      d.ChooseMenuItem(menu, 0);
                    });
  EXPECT_EQ(shown, 1);
  ASSERT_GE(items.size(), 4u);
  EXPECT_EQ(items[0], "dog");
  EXPECT_LE(items.size(), 16u + 3u);
  EXPECT_EQ(items[items.size() - 3], "");  // the separator
  EXPECT_EQ(items[items.size() - 2], "I&gnore All");
  EXPECT_EQ(items.back(), "&Add");
  EXPECT_EQ(host_->Text(), "the dog sat on the mat");
  EXPECT_EQ(host_->Marks(), "......................");
}

TEST_P(BackgroundCheckTest, IgnoreAllUnmarksEveryOccurrenceAndAddKeepsTheWord) {
  host_->SetText("zzq the zzq cat qqz");
  host_->Recheck();
  ASSERT_EQ(host_->Marks(), "xxx.....xxx.....xxx");
  DialogDriver::Run([&] { host_->Menu(-1, 9); },
                    [](DialogDriver& d) {
                      if (HWND menu = d.WaitForMenu())
                        d.ChooseMenuItem(menu, static_cast<int>(d.MenuItems(menu).size()) - 3);
                    });
  EXPECT_EQ(host_->Marks(), "................xxx");
  DialogDriver::Run([&] { host_->Menu(-1, 17); },
                    [](DialogDriver& d) {
                      if (HWND menu = d.WaitForMenu())
                        d.ChooseMenuItem(menu, static_cast<int>(d.MenuItems(menu).size()) - 2);
                    });
  EXPECT_EQ(host_->Marks(), "...................");
  EXPECT_EQ(
      control_->Number(L"UserDictionaryWordAction", {Var::Text(Dictionary()), Var::Text(L"qqz")}),
      'i');
  EXPECT_EQ(
      control_->Number(L"UserDictionaryWordAction", {Var::Text(Dictionary()), Var::Text(L"zzq")}),
      -3)
      << "Ignore All lasts for the session only";
}

TEST_P(BackgroundCheckTest, NoMenuOnAnUnmarkedWordOrOutsideTheText) {
  host_->SetText("the cat sat");
  host_->Recheck();
  DialogDriver::Run([&] { EXPECT_EQ(host_->Menu(-1, 5), 0); }, [](DialogDriver&) {});
  EXPECT_EQ(host_->Menu(-1, -1), -3);
  EXPECT_EQ(control_->Number(L"ErrorCode"), -3);
}

INSTANTIATE_TEST_SUITE_P(RichEdits, BackgroundCheckTest,
                         ::testing::Values("RICHEDIT", "RichEdit20A", "RichEdit20W"));

TEST_F(ControlTest, RecheckAndTypingReachWordsPastSixteenBits) {
  AutomationClient control = NewControl();
  UsePrivateDictionary(control, kKnownWords);
  Host host(control, "RichEdit20W");
  // Just past both 16-bit limits: Wine's rich edit walks its paragraphs for every position, so
  // checking a whole long document costs it more than the check itself.
  const vantor_test::LongText document = vantor_test::MakeLongText(
      70'000, {vantor_test::kPastSigned16, vantor_test::kPastUnsigned16}, "zzq");
  host.StreamIn(document.text);
  host.Recheck();
  for (int32_t problem : document.problems) {
    EXPECT_EQ(host.ColourAt(problem), kMarkColour) << problem;
    EXPECT_EQ(host.ColourAt(problem + 2), kMarkColour) << problem;
    EXPECT_NE(host.ColourAt(problem + 3), kMarkColour) << problem;
    EXPECT_NE(host.ColourAt(problem - 2), kMarkColour) << problem;
  }
  // Typing far into the document marks there as anywhere else.
  host.Notify();
  host.MoveCaret(69'000);
  host.Type(" wrnog ");
  EXPECT_EQ(host.ColourAt(69'001), kMarkColour);
  EXPECT_NE(host.ColourAt(69'006), kMarkColour);
}

TEST_F(ControlTest, TheMenuOnAPlainEditWindowWorksWithoutMarksAndWithoutAdd) {
  AutomationClient control = NewControl();
  UsePrivateDictionary(control, kKnownWords);
  control.Put(L"UserDictionaryFiles", Var::Text(L""));
  TestWindow window("Edit", "the dgo sat");
  std::vector<std::string> items;
  long shown = 0;
  DialogDriver::Run(
      [&] {
        shown = control
                    .Call(L"CheckBackgroundMenu",
                          {Var::Long(HandleToLong(window.handle())), Var::Long(-1), Var::Long(5),
                           Var::Long(0), Var::Bool(true), Var::Bool(false), Var::Bool(false),
                           Var::Bool(false), Var::Long(0)})
                    .number();
      },
      [&](DialogDriver& d) {
        HWND menu = d.WaitForMenu();
        if (menu == nullptr) return;
        items = d.MenuItems(menu);
        d.ChooseMenuItem(menu, -1);
      });
  EXPECT_EQ(shown, 1);
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items.back(), "I&gnore All") << "no Add without a user dictionary";
  EXPECT_EQ(window.Text(), "the dgo sat") << "a dismissed menu changes nothing";
}

}  // namespace
}  // namespace trov::test
