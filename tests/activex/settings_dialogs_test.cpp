// The Options and User Dictionaries dialogs as the host opens them: what they show, what they
// write back, and what they leave alone.
#include <objbase.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "dialog_ids.h"
#include "event_recorder.h"

namespace trov::test {
namespace {

constexpr char kOptionsCaption[] = "Spelling-checker options";
constexpr char kDictionariesCaption[] = "User Dictionaries";
constexpr char kMessageCaption[] = "Vantor Spelling Control";

struct OptionBox {
  int id;
  const wchar_t* property;
};

const std::vector<OptionBox> kOptionBoxes = {
    {IDC_OPT_CAPITALIZED, L"IgnoreCapitalizedWords"},
    {IDC_OPT_ALL_CAPS, L"IgnoreAllCapsWords"},
    {IDC_OPT_DIGITS, L"IgnoreWordsWithDigits"},
    {IDC_OPT_MIXED_CASE, L"IgnoreMixedCaseWords"},
    {IDC_OPT_DOMAIN_NAMES, L"IgnoreDomainNames"},
    {IDC_OPT_DOUBLED_WORDS, L"CatchDoubledWords"},
    {IDC_OPT_CASE_SENSITIVE, L"CaseSensitive"},
    {IDC_OPT_AUTO_CORRECT, L"AutoCorrect"},
    {IDC_OPT_PHONETIC, L"PhoneticSuggestions"},
    {IDC_OPT_TYPOGRAPHICAL, L"TypographicalSuggestions"},
    {IDC_OPT_SPLIT_WORDS, L"SuggestSplitWords"},
};

const std::vector<std::string> kActionTexts = {
    "Auto change (use case of other word)",
    "Auto change (use case of checked word)",
    "Conditionally change (use case of other word)",
    "Conditionally change (use case of checked word)",
    "Ignore (skip)",
    "Exclude (treat as misspelled)",
};

class SettingsDialogsTest : public ControlTest {
 protected:
  static bool Flag(AutomationClient& control, const wchar_t* property) {
    return control.Number(property) != 0;
  }
  // Saves the control as a container would, which leaves it unmodified.
  static void Save(AutomationClient& control) {
    ComRef<IPersistStreamInit> persist =
        Query<IPersistStreamInit>(control.dispatch(), IID_IPersistStreamInit);
    ComRef<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
    ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
  }
  static bool Modified(AutomationClient& control) {
    ComRef<IPersistStreamInit> persist =
        Query<IPersistStreamInit>(control.dispatch(), IID_IPersistStreamInit);
    return persist->IsDirty() == S_OK;
  }
  static void Open(AutomationClient& control, const wchar_t* method,
                   const DialogDriver::Script& script) {
    DialogDriver::Run([&] { control.Call(method); }, script);
    EXPECT_EQ(control.last(), S_OK);
  }
};

TEST_F(SettingsDialogsTest, OptionsOkWritesEverySettingEvenUntouched) {
  AutomationClient control = NewControl();
  control.Put(L"IgnoreAllCapsWords", Var::Bool(true));
  control.Put(L"PhoneticSuggestions", Var::Bool(true));
  control.Put(L"AutoCorrect", Var::Bool(false));
  std::vector<bool> before;
  for (const OptionBox& box : kOptionBoxes) before.push_back(Flag(control, box.property));
  Save(control);
  ASSERT_FALSE(Modified(control));

  std::vector<bool> shown;
  Open(control, L"ShowOptionsDialog", [&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kOptionsCaption);
    if (dialog == nullptr) return;
    for (const OptionBox& box : kOptionBoxes) shown.push_back(d.Checked(dialog, box.id));
    d.Click(dialog, IDOK);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(shown, before);
  for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
    EXPECT_EQ(Flag(control, kOptionBoxes[i].property), before[i]) << i;
  }
  EXPECT_TRUE(Modified(control));
  EXPECT_EQ(control.Number(L"ErrorCode"), 0);
}

TEST_F(SettingsDialogsTest, OptionsOkWritesTheChangedBoxesAndNothingElse) {
  AutomationClient control = NewControl();
  control.Put(L"SplitWords", Var::Bool(true));
  control.Put(L"IgnoreHTMLMarkups", Var::Bool(true));
  control.Put(L"CatchMixedCaseWords", Var::Bool(true));
  std::vector<bool> before;
  for (const OptionBox& box : kOptionBoxes) before.push_back(Flag(control, box.property));
  Open(control, L"ShowOptionsDialog", [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kOptionsCaption);
    if (dialog == nullptr) return;
    for (const OptionBox& box : kOptionBoxes) d.Click(dialog, box.id);
    d.Click(dialog, IDOK);
  });
  for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
    EXPECT_EQ(Flag(control, kOptionBoxes[i].property), !before[i]) << i;
  }
  EXPECT_TRUE(Flag(control, L"SplitWords"));
  EXPECT_TRUE(Flag(control, L"IgnoreHTMLMarkups"));
  EXPECT_TRUE(Flag(control, L"CatchMixedCaseWords"));
}

TEST_F(SettingsDialogsTest, OptionsCancelChangesNothing) {
  AutomationClient control = NewControl();
  std::vector<bool> before;
  for (const OptionBox& box : kOptionBoxes) before.push_back(Flag(control, box.property));
  Save(control);
  Open(control, L"ShowOptionsDialog", [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kOptionsCaption);
    if (dialog == nullptr) return;
    for (const OptionBox& box : kOptionBoxes) d.Click(dialog, box.id);
    d.Click(dialog, IDCANCEL);
  });
  for (std::size_t i = 0; i < kOptionBoxes.size(); ++i) {
    EXPECT_EQ(Flag(control, kOptionBoxes[i].property), before[i]) << i;
  }
  EXPECT_FALSE(Modified(control));
}

TEST_F(SettingsDialogsTest, DictionariesWithNoUserDictionaryOfferNothingToChange) {
  AutomationClient control = NewControl();
  control.Put(L"UserDictionaryFiles", Var::Text(L""));
  Open(control, L"ShowUserDictionaryDialog", [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kDictionariesCaption);
    if (dialog == nullptr) return;
    EXPECT_TRUE(d.ComboItems(dialog, IDC_DICT_LIST).empty());
    EXPECT_TRUE(d.ComboItems(dialog, IDC_DICT_WORDS).empty());
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_ACTION), kActionTexts);
    EXPECT_EQ(d.ComboSelection(dialog, IDC_DICT_ACTION), 4);  // Ignore
    EXPECT_FALSE(d.Enabled(dialog, IDC_DICT_ADD));
    EXPECT_FALSE(d.Enabled(dialog, IDC_DICT_DELETE));
    d.Type(dialog, IDC_DICT_WORDS, "word");
    EXPECT_FALSE(d.Enabled(dialog, IDC_DICT_ADD));
    d.Click(dialog, IDOK);
    EXPECT_TRUE(d.WaitUntilClosed(dialog));
  });
  EXPECT_EQ(control.Number(L"ErrorCode"), 0);
}

TEST_F(SettingsDialogsTest, DictionariesAreListedByShortNameInAlphabeticalOrder) {
  AutomationClient control = NewControl();
  control.Put(L"UserDictionaryFiles", Var::Text(L""));
  // Bare names live beside the control, where the list shows them without their folder.
  const std::vector<std::wstring> names = {L"vantor_dialog_test_zeta.tlx",
                                           L"vantor_dialog_test_alpha.tlx"};
  for (const std::wstring& name : names) {
    std::filesystem::remove(name);
    ASSERT_EQ(control.Call(L"CreateUserDictionary", {Var::Text(name), Var::Short(0x7878)}).number(),
              0);
  }
  control.Call(L"AddToUserDictionary",
               {Var::Text(names[1]), Var::Text(L"alpha"), Var::Short('i'), Var::Text(L"")});
  control.Call(L"AddToUserDictionary",
               {Var::Text(names[0]), Var::Text(L"zeta"), Var::Short('i'), Var::Text(L"")});
  Open(control, L"ShowUserDictionaryDialog", [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kDictionariesCaption);
    if (dialog == nullptr) return;
    EXPECT_EQ(
        d.ComboItems(dialog, IDC_DICT_LIST),
        std::vector<std::string>({"vantor_dialog_test_alpha.tlx", "vantor_dialog_test_zeta.tlx"}));
    EXPECT_EQ(d.ComboSelection(dialog, IDC_DICT_LIST), 0);
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_WORDS), std::vector<std::string>({"alpha"}));
    d.SelectComboItem(dialog, IDC_DICT_LIST, 1);
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_WORDS), std::vector<std::string>({"zeta"}));
    EXPECT_EQ(d.Text(dialog, IDC_DICT_WORDS), "zeta");
    d.Click(dialog, IDOK);
  });
  control.Put(L"UserDictionaryFiles", Var::Text(L""));
  for (const std::wstring& name : names) std::filesystem::remove(name);
}

class UserDictionaryDialogTest : public SettingsDialogsTest {
 protected:
  void SetUp() override {
    SettingsDialogsTest::SetUp();
    control_ = std::make_unique<AutomationClient>(NewControl());
    UsePrivateDictionary(*control_, {L"the", L"cat"});
    Add(L"teh", 'A', L"the");
    Add(L"cta", 'c', L"cat");
  }
  void TearDown() override {
    control_.reset();
    SettingsDialogsTest::TearDown();
  }
  std::wstring File() const { return (directory_ / "words.tlx").wstring(); }
  void Add(const wchar_t* word, char action, const wchar_t* other) {
    control_->Call(L"AddToUserDictionary",
                   {Var::Text(File()), Var::Text(word), Var::Short(action), Var::Text(other)});
  }
  long Action(const wchar_t* word) {
    return control_->Number(L"UserDictionaryWordAction", {Var::Text(File()), Var::Text(word)});
  }

  std::unique_ptr<AutomationClient> control_;
};

TEST_F(UserDictionaryDialogTest, ASelectedWordShowsItsActionAndOtherWord) {
  const std::string file = [&] {
    const std::wstring wide = File();
    return std::string(wide.begin(), wide.end());
  }();
  Open(*control_, L"ShowUserDictionaryDialog", [&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kDictionariesCaption);
    if (dialog == nullptr) return;
    // A dictionary away from the control is shown by its full path.
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_LIST), std::vector<std::string>({file}));
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_WORDS),
              std::vector<std::string>({"cat", "cta", "teh", "the"}));
    EXPECT_EQ(d.ComboSelection(dialog, IDC_DICT_WORDS), 0);
    EXPECT_EQ(d.Text(dialog, IDC_DICT_ACTION), "Ignore (skip)");
    EXPECT_TRUE(d.Enabled(dialog, IDC_DICT_ADD));
    EXPECT_TRUE(d.Enabled(dialog, IDC_DICT_DELETE));
    d.SelectComboItem(dialog, IDC_DICT_WORDS, 2);
    EXPECT_EQ(d.Text(dialog, IDC_DICT_ACTION), "Auto change (use case of checked word)");
    EXPECT_EQ(d.Text(dialog, IDC_DICT_OTHER_WORD), "the");
    d.SelectComboItem(dialog, IDC_DICT_WORDS, 1);
    EXPECT_EQ(d.Text(dialog, IDC_DICT_ACTION), "Conditionally change (use case of other word)");
    EXPECT_EQ(d.Text(dialog, IDC_DICT_OTHER_WORD), "cat");
    d.Click(dialog, IDOK);
  });
}

TEST_F(UserDictionaryDialogTest, AddingAWordThatIsThereReplacesItsActionAndOtherWord) {
  Open(*control_, L"ShowUserDictionaryDialog", [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kDictionariesCaption);
    if (dialog == nullptr) return;
    d.SelectComboItem(dialog, IDC_DICT_WORDS, 2);  // teh
    d.SelectComboItem(dialog, IDC_DICT_ACTION, 3);
    d.Type(dialog, IDC_DICT_OTHER_WORD, "ten");
    d.Click(dialog, IDC_DICT_ADD);
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_WORDS),
              std::vector<std::string>({"cat", "cta", "teh", "the"}));
    EXPECT_EQ(d.ComboSelection(dialog, IDC_DICT_WORDS), 2);
    EXPECT_EQ(d.Text(dialog, IDC_DICT_ACTION), "Conditionally change (use case of checked word)");
    EXPECT_EQ(d.Text(dialog, IDC_DICT_OTHER_WORD), "ten");
    d.Click(dialog, IDOK);
  });
  EXPECT_EQ(Action(L"teh"), 'C');
  EXPECT_EQ(control_->Text(L"UserDictionaryOtherWord", {Var::Text(File()), Var::Text(L"teh")}),
            L"ten");
}

TEST_F(UserDictionaryDialogTest, ATypedWordCanBeAddedAndAnAbsentOneDeletedSilently) {
  Open(*control_, L"ShowUserDictionaryDialog", [](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kDictionariesCaption);
    if (dialog == nullptr) return;
    d.Type(dialog, IDC_DICT_WORDS, "zzq");
    EXPECT_TRUE(d.Enabled(dialog, IDC_DICT_ADD));
    EXPECT_TRUE(d.Enabled(dialog, IDC_DICT_DELETE));
    d.ClickLater(dialog, IDC_DICT_DELETE);
    EXPECT_TRUE(d.NoDialogAppears(kMessageCaption));
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_WORDS).size(), 4u);
    d.Type(dialog, IDC_DICT_WORDS, "dgo");
    d.SelectComboItem(dialog, IDC_DICT_ACTION, 0);
    d.Type(dialog, IDC_DICT_OTHER_WORD, "dog");
    d.Click(dialog, IDC_DICT_ADD);
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_WORDS),
              std::vector<std::string>({"cat", "cta", "dgo", "teh", "the"}));
    d.SelectComboItem(dialog, IDC_DICT_WORDS, 1);  // cta
    d.Click(dialog, IDC_DICT_DELETE);
    EXPECT_EQ(d.ComboItems(dialog, IDC_DICT_WORDS),
              std::vector<std::string>({"cat", "dgo", "teh", "the"}));
    d.Click(dialog, IDOK);
  });
  EXPECT_EQ(control_->Number(L"ErrorCode"), 0);
  EXPECT_EQ(Action(L"dgo"), 'a');
  EXPECT_EQ(Action(L"cta"), -3);
  EXPECT_EQ(Action(L"zzq"), -3);
}

TEST_F(UserDictionaryDialogTest, AWordTheFileCannotTakeIsReported) {
  const std::wstring file = File();
  Open(*control_, L"ShowUserDictionaryDialog", [&](DialogDriver& d) {
    HWND dialog = d.WaitForDialog(kDictionariesCaption);
    if (dialog == nullptr) return;
    HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(held, INVALID_HANDLE_VALUE);
    d.Type(dialog, IDC_DICT_WORDS, "zzq");
    d.ClickLater(dialog, IDC_DICT_ADD);
    if (HWND box = d.WaitForDialog(kMessageCaption)) {
      EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
      EXPECT_EQ(d.MessageText(box),
                "Can't add word to user dictionary. File may be read only or disk may be full.");
      d.Click(box, IDOK);
    }
    CloseHandle(held);
    d.Click(dialog, IDOK);
  });
  EXPECT_EQ(Action(L"zzq"), -3);
}

}  // namespace
}  // namespace trov::test
