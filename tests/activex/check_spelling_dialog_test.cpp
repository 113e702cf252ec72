// Start with ShowDialog on: the Check Spelling dialog driven as a user drives it, from its
// prompts and buttons to the text it leaves behind, the events on the way and its end code.
#include <algorithm>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "event_recorder.h"

namespace trov::test {
namespace {

constexpr char kCaption[] = "Check Spelling";
constexpr char kMessageCaption[] = "Vantor Spelling Control";
const std::vector<std::wstring> kKnownWords = {L"the", L"cat", L"sat",  L"on",
                                               L"mat", L"dog", L"Paris"};

enum Event : DISPID {
  kMisspelled = 1,
  kDigits = 2,
  kMixedCase = 3,
  kDoubled = 4,
  kCapitalization = 5,
  kConditional = 6,
  kEnd = 7,
  kUndone = 8,
  kReplaced = 9,
  kDeleted = 10,
};

class CheckSpellingDialogTest : public EventTest {
 protected:
  // A control with the private dictionary, listening, holding text.
  AutomationClient Prepared(const std::wstring& text) {
    AutomationClient control = NewControl();
    UsePrivateDictionary(control, kKnownWords);
    Connect(control);
    EXPECT_EQ(control.Put(L"Text", Var::Text(text)), S_OK);
    return control;
  }

  // Start with the dialog, driven by script; Start's result.
  long StartDriven(AutomationClient& control, const DialogDriver::Script& script) {
    long result = 12345;
    DialogDriver::Run([&] { result = control.Call(L"Start").number(); }, script);
    return result;
  }

  std::wstring Dictionary() const { return (directory_ / "words.tlx").wstring(); }
};

TEST_F(CheckSpellingDialogTest, ATextWithoutProblemsEndsAtOnceWithZero) {
  AutomationClient control = Prepared(L"the cat sat on the mat");
  EXPECT_EQ(StartDriven(control, [](DialogDriver&) {}), 0);
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kEnd}));

  // With the context box the end is found on the first timer tick, after the dialog shows.
  control.Put(L"ShowContext", Var::Bool(true));
  control.Put(L"Text", Var::Text(L"the dog sat"));
  EXPECT_EQ(StartDriven(control, [](DialogDriver&) {}), 0);
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kEnd, kEnd}));
  EXPECT_NE(control.Number(L"TextControlHWnd"), 0);
  EXPECT_EQ(control.Text(L"Text"), L"the dog sat");
}

TEST_F(CheckSpellingDialogTest, AMisspelledWordIsShownWithSuggestionsAndChanged) {
  AutomationClient control = Prepared(L"the cta sat on the mat");
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_PROMPT), "Not in Dictionar&y:");
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "cta");
    const std::vector<std::string> suggestions = d.ListItems(dialog, IDC_CHECK_SUGGESTIONS);
    ASSERT_FALSE(suggestions.empty());
    EXPECT_EQ(suggestions[0], "cat");
    EXPECT_EQ(d.ListSelection(dialog, IDC_CHECK_SUGGESTIONS), 0);
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_IGNORE), "&Ignore");
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_CHANGE), "&Change");
    for (int id : {IDC_CHECK_IGNORE_ALL, IDC_CHECK_CHANGE, IDC_CHECK_CHANGE_ALL, IDC_CHECK_ADD,
                   IDC_CHECK_SUGGEST}) {
      EXPECT_TRUE(d.Enabled(dialog, id)) << id;
    }
    EXPECT_FALSE(d.Enabled(dialog, IDC_CHECK_UNDO));
    EXPECT_FALSE(d.Visible(dialog, IDC_CHECK_CONTEXT));
    d.Click(dialog, IDC_CHECK_CHANGE);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(control.Text(L"Text"), L"the cat sat on the mat");
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kMisspelled, kReplaced, kEnd}));
  EXPECT_EQ(control.Number(L"WordsReplacedCount"), 1);
}

TEST_F(CheckSpellingDialogTest, TypingOffersUndoEditAndChangesToTheTypedWord) {
  AutomationClient control = Prepared(L"the cta sat on teh mat");
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    d.Type(dialog, IDC_CHECK_WORD, "cot");
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_IGNORE), "Undo &edit");
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_CHANGE), "&Change");
    d.Click(dialog, IDC_CHECK_IGNORE);  // undoes the edit, ignores nothing
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "cta");
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_IGNORE), "&Ignore");
    d.Type(dialog, IDC_CHECK_WORD, "dog");
    d.Click(dialog, IDC_CHECK_CHANGE);
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "teh");
    EXPECT_TRUE(d.Enabled(dialog, IDC_CHECK_UNDO));
    d.Click(dialog, IDC_CHECK_IGNORE);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(control.Text(L"Text"), L"the dog sat on teh mat");
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kMisspelled, kReplaced, kMisspelled, kEnd}));
}

TEST_F(CheckSpellingDialogTest, DoubledWordsAreDeletedOrChangedOnceTheUserTypes) {
  AutomationClient control = Prepared(L"the cat cat sat on on the mat");
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_PROMPT), "Dou&bled word:");
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "cat");
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_CHANGE), "&Delete");
    EXPECT_FALSE(d.Enabled(dialog, IDC_CHECK_IGNORE_ALL));
    EXPECT_TRUE(d.ListItems(dialog, IDC_CHECK_SUGGESTIONS).empty());
    d.Click(dialog, IDC_CHECK_CHANGE);
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "on");
    d.Type(dialog, IDC_CHECK_WORD, "dog");
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_CHANGE), "&Change");
    d.Click(dialog, IDC_CHECK_CHANGE);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(control.Text(L"Text"), L"the cat sat on dog the mat");
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kDoubled, kDeleted, kDoubled, kReplaced, kEnd}));
  EXPECT_EQ(recorder_.offsets, std::vector<long>({7}));
}

TEST_F(CheckSpellingDialogTest, AConditionalChangeOffersExactlyTheOtherWord) {
  AutomationClient control = Prepared(L"the cat sat on the mta");
  control.Call(L"AddToUserDictionary",
               {Var::Text(Dictionary()), Var::Text(L"mta"), Var::Short('a'), Var::Text(L"mat")});
  control.Put(L"AutoCorrect", Var::Bool(false));
  control.Put(L"Text", Var::Text(L"the cat sat on the mta"));
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_PROMPT), "Consid&er changing:");
    EXPECT_EQ(d.ListItems(dialog, IDC_CHECK_SUGGESTIONS), std::vector<std::string>({"mat"}));
    EXPECT_EQ(d.ListSelection(dialog, IDC_CHECK_SUGGESTIONS), 0);
    EXPECT_FALSE(d.Enabled(dialog, IDC_CHECK_IGNORE_ALL));
    d.Click(dialog, IDC_CHECK_CHANGE);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(control.Text(L"Text"), L"the cat sat on the mat");
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kConditional, kReplaced, kEnd}));
}

TEST_F(CheckSpellingDialogTest, EachKindOfProblemHasItsPrompt) {
  AutomationClient control = Prepared(L"paris cAt cat5 zzq");
  control.Put(L"CatchMixedCaseWords", Var::Bool(true));
  control.Put(L"CatchWordsWithDigits", Var::Bool(true));
  control.Put(L"Text", Var::Text(L"paris cAt cat5 zzq"));
  std::vector<std::string> prompts;
  const long result = StartDriven(control, [&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    for (int stop = 0; stop < 4; ++stop) {
      prompts.push_back(d.Text(dialog, IDC_CHECK_PROMPT));
      d.Click(dialog, IDC_CHECK_IGNORE);
    }
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(prompts, std::vector<std::string>({"Ca&pitalization:", "Mi&xed case:",
                                               "Contains digits:", "Not in Dictionar&y:"}));
  for (DISPID kind : {kCapitalization, kMixedCase, kDigits, kMisspelled}) {
    EXPECT_NE(std::find(recorder_.events.begin(), recorder_.events.end(), kind),
              recorder_.events.end())
        << kind;
  }
  EXPECT_EQ(recorder_.events.back(), kEnd);
}

TEST_F(CheckSpellingDialogTest, IgnoreAllSkipsLaterOccurrencesAndChangeAllReplacesThem) {
  AutomationClient control = Prepared(L"the cta sat cta on the mta dog mta");
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "cta");
    d.Click(dialog, IDC_CHECK_IGNORE_ALL);
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "mta");
    const std::vector<std::string> suggestions = d.ListItems(dialog, IDC_CHECK_SUGGESTIONS);
    ASSERT_FALSE(suggestions.empty());
    EXPECT_EQ(suggestions[0], "mat");
    d.Click(dialog, IDC_CHECK_CHANGE_ALL);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(control.Text(L"Text"), L"the cta sat cta on the mat dog mat");
  EXPECT_EQ(recorder_.events,
            std::vector<DISPID>({kMisspelled, kMisspelled, kReplaced, kReplaced, kEnd}));
  EXPECT_EQ(control.Number(L"WordsReplacedCount"), 2);
}

TEST_F(CheckSpellingDialogTest, AddPutsTheWordIntoTheChosenDictionaryOrSaysWhyNot) {
  AutomationClient control = Prepared(L"the zzq sat qqz on the mat");
  const std::wstring extra = (directory_ / "extra.tlx").wstring();
  ASSERT_EQ(control.Call(L"CreateUserDictionary", {Var::Text(extra), Var::Short(0x7878)}).number(),
            0);
  control.Put(L"Text", Var::Text(L"the zzq sat qqz on the mat"));
  const std::string extraPath(extra.begin(), extra.end());
  const long result = StartDriven(control, [&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    EXPECT_EQ(d.ComboItems(dialog, IDC_CHECK_ADD_WORDS_TO),
              std::vector<std::string>({"words.tlx", "extra.tlx"}));
    EXPECT_EQ(d.ComboSelection(dialog, IDC_CHECK_ADD_WORDS_TO), 0);
    // Each entry carries the dictionary's full path.
    HWND list = GetDlgItem(dialog, IDC_CHECK_ADD_WORDS_TO);
    const auto* path =
        reinterpret_cast<const std::string*>(SendMessageA(list, CB_GETITEMDATA, 1, 0));
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(*path, extraPath);
    d.SelectComboItem(dialog, IDC_CHECK_ADD_WORDS_TO, 1);
    d.Click(dialog, IDC_CHECK_ADD);
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "qqz");
    EXPECT_EQ(d.ComboSelection(dialog, IDC_CHECK_ADD_WORDS_TO), 1);

    // A dictionary file another program holds cannot take the word: the user is told, and the
    // word is skipped all the same.
    HANDLE held = CreateFileW(extra.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(held, INVALID_HANDLE_VALUE);
    d.ClickLater(dialog, IDC_CHECK_ADD);
    HWND box = d.WaitForDialog(kMessageCaption);
    if (box != nullptr) {
      EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
      EXPECT_EQ(d.MessageText(box),
                "Can't add word to user dictionary. File may be read only or disk may be full.");
      d.Click(box, IDOK);
    }
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
    CloseHandle(held);
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(control.Number(L"UserDictionaryWordAction", {Var::Text(extra), Var::Text(L"zzq")}),
            'i');
  EXPECT_EQ(control.Number(L"UserDictionaryWordAction", {Var::Text(extra), Var::Text(L"qqz")}), -3);
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kMisspelled, kMisspelled, kEnd}));
}

TEST_F(CheckSpellingDialogTest, AFailedChangeIsReportedAndTheCheckGoesOn) {
  AutomationClient control = Prepared(L"the cta sat");
  // A host that closes the control while the dialog shows a word leaves nothing to change.
  recorder_.onEvent = [&](DISPID event) {
    if (event == kMisspelled) control.Call(L"Close");
  };
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    d.Type(dialog, IDC_CHECK_WORD, "cat");
    d.ClickLater(dialog, IDC_CHECK_CHANGE);
    if (HWND box = d.WaitForDialog(kMessageCaption)) {
      EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
      EXPECT_EQ(d.MessageText(box), "Can't replace word; probably out of space");
      d.Click(box, IDOK);
    }
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  // The next stop after the failure reached the end of the text, which has the last word.
  EXPECT_EQ(result, 0);
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kMisspelled, kEnd}));
}

TEST_F(CheckSpellingDialogTest, UndoThroughItsAccessKeyRestoresTheLastChange) {
  AutomationClient control = Prepared(L"the cta sat on teh mat");
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    d.Click(dialog, IDC_CHECK_CHANGE);  // cta -> cat
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_WORD), "teh");
    EXPECT_TRUE(d.Enabled(dialog, IDC_CHECK_UNDO));
    d.PressAccessKey(dialog, 'N');
    // The check goes back to the restored word.
    EXPECT_TRUE(d.WaitForText(dialog, IDC_CHECK_WORD, "cta"));
    EXPECT_FALSE(d.Enabled(dialog, IDC_CHECK_UNDO));
    d.Click(dialog, IDC_CHECK_IGNORE);
    d.Click(dialog, IDC_CHECK_IGNORE);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(control.Text(L"Text"), L"the cta sat on teh mat");
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kMisspelled, kReplaced, kMisspelled, kUndone,
                                                   kMisspelled, kMisspelled, kEnd}));
}

TEST_F(CheckSpellingDialogTest, SuggestSearchesDeeperUntilTheDeepest) {
  AutomationClient control = Prepared(L"the cta sat");
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    // The stop asked at depth 50; each request goes 10 deeper, up to 100.
    for (int press = 0; press < 4; ++press) {
      EXPECT_TRUE(d.Enabled(dialog, IDC_CHECK_SUGGEST)) << press;
      d.PressAccessKey(dialog, 'S');
    }
    d.PressAccessKey(dialog, 'W');  // handled after the presses before it
    EXPECT_TRUE(d.WaitForFocus(dialog, IDC_CHECK_ADD_WORDS_TO));
    EXPECT_FALSE(d.Enabled(dialog, IDC_CHECK_SUGGEST));
    EXPECT_FALSE(d.ListItems(dialog, IDC_CHECK_SUGGESTIONS).empty());
    d.Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, -17);
  EXPECT_EQ(control.Number(L"SuggestionDepth"), 100);
}

TEST_F(CheckSpellingDialogTest, CancelOrEscapeEndsWithMinus17WhereTheNextDialogOpens) {
  AutomationClient control = Prepared(L"the cta sat");
  EXPECT_EQ(control.Number(L"DialogLeft"), -1);
  const long cancelled = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    d.MoveTo(dialog, 123, 77);
    d.Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(cancelled, -17);
  EXPECT_EQ(control.Number(L"DialogLeft"), 123);
  EXPECT_EQ(control.Number(L"DialogTop"), 77);

  RECT reopened{};
  const long escaped = StartDriven(control, [&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    GetWindowRect(dialog, &reopened);
    d.PressEscape(dialog);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(escaped, -17);
  EXPECT_EQ(reopened.left, 123);
  EXPECT_EQ(reopened.top, 77);
  // Cancel leaves the word where it was: both runs stopped at it.
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({kMisspelled, kMisspelled}));
}

TEST_F(CheckSpellingDialogTest, TheContextBoxShowsTheTextAndBecomesTheTextControl) {
  AutomationClient control = Prepared(L"the cta sat on teh mat");
  control.Put(L"ShowContext", Var::Bool(true));
  HWND context = nullptr;
  const long result = StartDriven(control, [&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    context = GetDlgItem(dialog, IDC_CHECK_CONTEXT);
    EXPECT_TRUE(d.WaitForText(dialog, IDC_CHECK_WORD, "cta"));
    EXPECT_TRUE(d.Visible(dialog, IDC_CHECK_CONTEXT));
    EXPECT_TRUE(d.Enabled(dialog, IDC_CHECK_CONTEXT));
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_CONTEXT), "the cta sat on teh mat");
    const auto selection = [&] {
      DWORD start = 0;
      DWORD end = 0;
      SendMessageA(context, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      return std::make_pair(start, end);
    };
    EXPECT_EQ(selection(), std::make_pair(DWORD{4}, DWORD{7}));
    d.Click(dialog, IDC_CHECK_CHANGE);
    EXPECT_EQ(d.Text(dialog, IDC_CHECK_CONTEXT), "the cat sat on teh mat");
    EXPECT_EQ(selection(), std::make_pair(DWORD{15}, DWORD{18}));
    d.Click(dialog, IDC_CHECK_IGNORE);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(control.Number(L"TextControlHWnd"), HandleToLong(context));
  EXPECT_EQ(control.Text(L"Text"), L"the cat sat on teh mat");
}

TEST_F(CheckSpellingDialogTest, WithoutTheContextBoxTheDialogEndsAboveIt) {
  AutomationClient control = Prepared(L"the cta sat");
  StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    RECT frame{};
    RECT box{};
    GetWindowRect(dialog, &frame);
    GetWindowRect(GetDlgItem(dialog, IDC_CHECK_CONTEXT), &box);
    EXPECT_EQ(frame.bottom, box.top);
    EXPECT_FALSE(d.Visible(dialog, IDC_CHECK_CONTEXT));
    // The buttons and list that lie lower still work from the keyboard.
    d.PressAccessKey(dialog, 'W');
    EXPECT_TRUE(d.WaitForFocus(dialog, IDC_CHECK_ADD_WORDS_TO));
    d.Click(dialog, IDCANCEL);
  });
}

TEST_F(CheckSpellingDialogTest, HiddenButtonsIgnoreTheirAccessKeys) {
  AutomationClient control = Prepared(L"the cta sat");
  control.Put(L"ShowDictionariesButton", Var::Bool(false));
  control.Put(L"ShowOptionsButton", Var::Bool(false));
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    EXPECT_FALSE(d.Visible(dialog, IDC_CHECK_DICTIONARIES));
    EXPECT_FALSE(d.Visible(dialog, IDC_CHECK_OPTIONS));
    d.PressAccessKey(dialog, 'D');
    d.PressAccessKey(dialog, 'O');
    d.PressAccessKey(dialog, 'W');  // handled after the two before it
    EXPECT_TRUE(d.WaitForFocus(dialog, IDC_CHECK_ADD_WORDS_TO));
    EXPECT_TRUE(d.NoDialogAppears("User Dictionaries"));
    EXPECT_TRUE(d.NoDialogAppears("Spelling-checker options"));
    d.Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, -17);
}

TEST_F(CheckSpellingDialogTest, OptionsAndDictionariesOpenOverTheDialogAndLeaveErrorCode) {
  // A conditional change: no suggestions are asked for, which would reset ErrorCode, and the
  // Change button keeps its caption (as Delete it would take Alt+D).
  AutomationClient control = Prepared(L"the mta sat");
  control.Call(L"AddToUserDictionary",
               {Var::Text(Dictionary()), Var::Text(L"mta"), Var::Short('a'), Var::Text(L"mat")});
  control.Put(L"AutoCorrect", Var::Bool(false));
  control.Call(L"AddMainDictionary", {Var::Text((directory_ / "missing.clx").wstring())});
  const long errorCode = control.Number(L"ErrorCode");
  ASSERT_LT(errorCode, 0);
  const long result = StartDriven(control, [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kCaption);
    if (dialog == nullptr) return;
    EXPECT_TRUE(d.Visible(dialog, IDC_CHECK_DICTIONARIES));
    EXPECT_TRUE(d.Visible(dialog, IDC_CHECK_OPTIONS));
    d.PressAccessKey(dialog, 'O');
    if (HWND options = d.WaitForDialog("Spelling-checker options")) {
      EXPECT_EQ(GetWindow(options, GW_OWNER), dialog);
      EXPECT_FALSE(IsWindowEnabled(dialog));
      d.Click(options, IDCANCEL);
      EXPECT_TRUE(d.WaitUntilClosed(options));
    }
    d.PressAccessKey(dialog, 'D');
    if (HWND dictionaries = d.WaitForDialog("User Dictionaries")) {
      EXPECT_EQ(GetWindow(dictionaries, GW_OWNER), dialog);
      d.Click(dictionaries, IDOK);
      EXPECT_TRUE(d.WaitUntilClosed(dictionaries));
    }
    d.Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, -17);
  EXPECT_EQ(control.Number(L"ErrorCode"), errorCode);
}

}  // namespace
}  // namespace trov::test
