// The control's property pages as design environments host them: listed by the control,
// created by class, activated in a window of the host's own over a site that records what the
// page reports, and shown together in the platform's property frame.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>
#include <prsht.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "com_fixture.h"
#include "dialog_driver.h"
#include "resource.h"
#include "vantor_ids.h"

namespace trov::test {
namespace {

constexpr char kMessageCaption[] = "Vantor Spelling Control";

// Records what a page tells its frame.
class RecordingSite final : public IPropertyPageSite {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IPropertyPageSite)) {
      *object = static_cast<IPropertyPageSite*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs_; }  // lives on the test's stack
  HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD flags) override {
    statuses.push_back(flags);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* locale) override {
    *locale = LOCALE_USER_DEFAULT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return E_NOTIMPL; }

  std::vector<DWORD> statuses;
  ULONG references() const { return refs_; }

 private:
  std::atomic<ULONG> refs_{0};
};

std::vector<CLSID> PagesOf(IUnknown* control) {
  ComRef<ISpecifyPropertyPages> specify =
      Query<ISpecifyPropertyPages>(control, IID_ISpecifyPropertyPages);
  EXPECT_TRUE(specify) << "the control names no property pages";
  if (!specify) return {};
  CAUUID pages{};
  EXPECT_EQ(specify->GetPages(&pages), S_OK);
  std::vector<CLSID> result(pages.pElems, pages.pElems + pages.cElems);
  CoTaskMemFree(pages.pElems);
  return result;
}

std::string WindowText(HWND window) {
  char text[1200] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// One page as a host shows it: created by class, given the host's site and objects, activated
// in a window of the host's own and shown.
class HostedPage {
 public:
  HostedPage(const CLSID& clsid, std::vector<IUnknown*> objects) {
    host_ = CreateWindowExA(0, "STATIC", "page host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                            480, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage2,
                               reinterpret_cast<void**>(page_.Put())),
              S_OK);
    if (!page_) return;
    EXPECT_EQ(page_->SetPageSite(&site), S_OK);
    EXPECT_EQ(page_->SetObjects(static_cast<ULONG>(objects.size()), objects.data()), S_OK);
    const RECT area{10, 10, 600, 400};
    EXPECT_EQ(page_->Activate(host_, &area, TRUE), S_OK);
    EXPECT_EQ(page_->Show(SW_SHOW), S_OK);
    dialog_ = FindWindowExA(host_, nullptr, "#32770", nullptr);
    EXPECT_NE(dialog_, nullptr) << "the page made no dialog in the host's window";
  }
  HostedPage(const HostedPage&) = delete;
  HostedPage& operator=(const HostedPage&) = delete;
  ~HostedPage() {
    if (page_) {
      EXPECT_EQ(page_->Deactivate(), S_OK);
      EXPECT_EQ(FindWindowExA(host_, nullptr, "#32770", nullptr), nullptr);
      page_->SetObjects(0, nullptr);
      page_->SetPageSite(nullptr);
      page_.Reset();
    }
    EXPECT_EQ(site.references(), 0u) << "the page kept its site";
    DestroyWindow(host_);
  }

  IPropertyPage2* operator->() const { return page_.Get(); }
  HWND dialog() const { return dialog_; }
  HWND Field(int id) const { return GetDlgItem(dialog_, id); }
  std::string Text(int id) const { return WindowText(Field(id)); }
  bool Checked(int id) const { return SendMessageA(Field(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  // As the user's click and typing arrive: with the notifications a change sends.
  void Click(int id) const { SendMessageA(Field(id), BM_CLICK, 0, 0); }
  void Type(int id, const char* text) const {
    SendMessageA(Field(id), EM_SETSEL, 0, -1);
    SendMessageA(Field(id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  }
  // Apply, when the page is expected to refuse: the message box it shows, closed by the driver.
  HRESULT ApplyRefused(std::string& message) const {
    HRESULT result = S_OK;
    DialogDriver::Run([&] { result = page_->Apply(); },
                      [&](DialogDriver& d) {
                        HWND box = d.WaitForDialog(kMessageCaption);
                        if (box == nullptr) return;
                        message = d.MessageText(box);
                        d.Click(box, IDOK);
                      });
    return result;
  }

  RecordingSite site;

 private:
  HWND host_ = nullptr;
  HWND dialog_ = nullptr;
  ComRef<IPropertyPage2> page_;
};

class PropertyPagesTest : public ControlTest {
 protected:
  static bool Modified(AutomationClient& control) {
    return Query<IPersistStreamInit>(control.dispatch(), IID_IPersistStreamInit)->IsDirty() == S_OK;
  }
  static void ClearModified(AutomationClient& control) {
    ComRef<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
    ASSERT_EQ(Query<IPersistStreamInit>(control.dispatch(), IID_IPersistStreamInit)
                  ->Save(stream.Get(), TRUE),
              S_OK);
  }
};

TEST_F(PropertyPagesTest, TheControlListsGeneralDictionariesSuggestionsWithTheirTitles) {
  AutomationClient control = NewControl();
  const std::vector<CLSID> pages = PagesOf(control.dispatch());
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_TRUE(IsEqualCLSID(pages[0], CLSID_VantorGeneralPage));
  EXPECT_TRUE(IsEqualCLSID(pages[1], CLSID_VantorDictionariesPage));
  EXPECT_TRUE(IsEqualCLSID(pages[2], CLSID_VantorSuggestionsPage));
  const wchar_t* const titles[] = {L"General", L"Dictionaries", L"Suggestions"};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    ComRef<IPropertyPage> page;
    ASSERT_EQ(CoCreateInstance(pages[i], nullptr, CLSCTX_INPROC_SERVER, IID_IPropertyPage,
                               reinterpret_cast<void**>(page.Put())),
              S_OK);
    PROPPAGEINFO info{};
    ASSERT_EQ(page->GetPageInfo(&info), S_OK);
    EXPECT_STREQ(info.pszTitle, titles[i]);
    // Every page is 250 dialog units wide; no page is smaller than its fields.
    EXPECT_GT(info.size.cx, 250);
    EXPECT_GT(info.size.cy, 112);
    CoTaskMemFree(info.pszTitle);
    // Not active: nothing to show, move or focus yet.
    EXPECT_EQ(page->Show(SW_SHOW), E_UNEXPECTED);
    EXPECT_EQ(page->Deactivate(), E_UNEXPECTED);
    EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  }
}

struct GeneralBox {
  int id;
  const wchar_t* property;
  const char* caption;
  const char* example;
};

const GeneralBox kGeneralBoxes[] = {
    {IDC_PAGE_CASE_SENSITIVE, L"CaseSensitive", "&Case sensitive",
     "(e.g., \"Canada\" and \"canada\")"},
    {IDC_PAGE_DOUBLED_WORDS, L"CatchDoubledWords", "Catch &doubled words",
     "(e.g., \"Paris in the the spring\")"},
    {IDC_PAGE_CATCH_MIXED_CASE, L"CatchMixedCaseWords", "Catch &mixed-case words",
     "(e.g., TUesday)"},
    {IDC_PAGE_CATCH_DIGITS, L"CatchWordsWithDigits", "Catch words with di&gits", "(e.g., July5)"},
    {IDC_PAGE_IGNORE_DIGITS, L"IgnoreWordsWithDigits", "Ignore words with d&igits",
     "(e.g., Win95)"},
    {IDC_PAGE_IGNORE_ALL_CAPS, L"IgnoreAllCapsWords", "Ignore &all-caps words", "(e.g., OCX)"},
    {IDC_PAGE_IGNORE_MIXED_CASE, L"IgnoreMixedCaseWords", "Ignore mi&xed-case words",
     "(e.g., ActiveX)"},
    {IDC_PAGE_IGNORE_CAPITALIZED, L"IgnoreCapitalizedWords", "Ignore ca&pitalized words",
     "(e.g., Stephenson)"},
};

TEST_F(PropertyPagesTest, GeneralPageShowsTheOptionsAndAppliesWhatTheUserChanged) {
  AutomationClient control = NewControl();
  control.Put(L"CatchMixedCaseWords", Var::Bool(true));
  control.Put(L"IgnoreAllCapsWords", Var::Bool(true));
  ClearModified(control);
  std::vector<bool> before;
  for (const GeneralBox& box : kGeneralBoxes) before.push_back(control.Number(box.property) != 0);

  HostedPage page(CLSID_VantorGeneralPage, {control.dispatch()});
  ASSERT_NE(page.dialog(), nullptr);
  for (std::size_t i = 0; i < std::size(kGeneralBoxes); ++i) {
    const GeneralBox& box = kGeneralBoxes[i];
    EXPECT_EQ(page.Text(box.id), box.caption);
    EXPECT_EQ(WindowText(GetWindow(page.Field(box.id), GW_HWNDNEXT)), box.example) << box.caption;
    EXPECT_EQ(page.Checked(box.id), before[i]) << box.caption;
  }
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  EXPECT_TRUE(page.site.statuses.empty());

  page.Click(IDC_PAGE_CASE_SENSITIVE);
  page.Click(IDC_PAGE_IGNORE_ALL_CAPS);
  EXPECT_EQ(page->IsPageDirty(), S_OK);
  EXPECT_EQ(page.site.statuses, std::vector<DWORD>{PROPPAGESTATUS_DIRTY});
  // Nothing reaches the control before Apply.
  EXPECT_EQ(control.Number(L"CaseSensitive") != 0, before[0]);
  EXPECT_FALSE(Modified(control));

  // The host changes a property the user did not touch: Apply leaves it alone.
  control.Put(L"CatchDoubledWords", Var::Bool(!before[1]));
  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(control.Number(L"CaseSensitive") != 0, !before[0]);
  EXPECT_EQ(control.Number(L"IgnoreAllCapsWords") != 0, !before[5]);
  EXPECT_EQ(control.Number(L"CatchDoubledWords") != 0, !before[1]);
  EXPECT_TRUE(control.Number(L"CatchMixedCaseWords") != 0);
  EXPECT_TRUE(Modified(control));
  EXPECT_EQ(page->IsPageDirty(), S_FALSE);
  // After Apply the page shows the control as it is now, the host's change included.
  EXPECT_EQ(page.Checked(IDC_PAGE_DOUBLED_WORDS), !before[1]);

  // A second change is reported again.
  page.Click(IDC_PAGE_CATCH_DIGITS);
  EXPECT_EQ(page.site.statuses.size(), 2u);
}

TEST_F(PropertyPagesTest, DictionariesPageShowsShortListsWithTheirLimitAndAppliesAChangedList) {
  AutomationClient control = NewControl();
  HostedPage page(CLSID_VantorDictionariesPage, {control.dispatch()});
  ASSERT_NE(page.dialog(), nullptr);
  EXPECT_EQ(WindowText(GetWindow(page.Field(IDC_PAGE_MAIN_DICTIONARIES), GW_HWNDPREV)),
            "&Main dictionaries (comma-separated list):");
  EXPECT_EQ(WindowText(GetWindow(page.Field(IDC_PAGE_USER_DICTIONARIES), GW_HWNDPREV)),
            "&User dictionaries (comma-separated list):");
  EXPECT_EQ(page.Text(IDC_PAGE_MAIN_DICTIONARIES), "trovam.tlx,trovam2.clx");
  EXPECT_EQ(page.Text(IDC_PAGE_USER_DICTIONARIES), "userdic.tlx,correct.tlx");
  for (int id : {IDC_PAGE_MAIN_DICTIONARIES, IDC_PAGE_USER_DICTIONARIES}) {
    EXPECT_EQ(SendMessageA(page.Field(id), EM_GETLIMITTEXT, 0, 0), 1024);
    // Typing stops at the limit.
    const std::string tooLong(1100, 'x');
    page.Type(id, tooLong.c_str());
    EXPECT_EQ(page.Text(id).size(), 1024u);
  }
  EXPECT_EQ(page.site.statuses, std::vector<DWORD>{PROPPAGESTATUS_DIRTY});
  // Typing the shown text again leaves the main list as it was.
  page.Type(IDC_PAGE_MAIN_DICTIONARIES, "trovam.tlx,trovam2.clx");
  const std::wstring file = (directory_ / "page.tlx").wstring();
  ASSERT_EQ(control.Call(L"CreateUserDictionary", {Var::Text(file), Var::Short(0x7878)}).number(),
            0);
  page.Type(IDC_PAGE_USER_DICTIONARIES, std::string(file.begin(), file.end()).c_str());

  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(control.Text(L"UserDictionaryFiles"), file);
  EXPECT_EQ(control.Number(L"UserDictionaryCount"), 1);
  EXPECT_EQ(control.Text(L"MainDictionaryFiles"), L"trovam.tlx,trovam2.clx");
  EXPECT_EQ(control.Number(L"MainDictionaryCount"), 2);
}

TEST_F(PropertyPagesTest, DictionariesPageShowsTheListAsTheControlKeepsIt) {
  AutomationClient control = NewControl();
  HostedPage page(CLSID_VantorDictionariesPage, {control.dispatch()});
  ASSERT_NE(page.dialog(), nullptr);
  // A full path into the control's own folder comes back as the bare name.
  wchar_t module[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::wstring folder = module;
  folder = folder.substr(0, folder.rfind(L'\\'));
  const std::wstring full = folder + L"\\trovam.tlx";
  page.Type(IDC_PAGE_MAIN_DICTIONARIES, std::string(full.begin(), full.end()).c_str());
  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(page.Text(IDC_PAGE_MAIN_DICTIONARIES), "trovam.tlx");
  EXPECT_EQ(control.Number(L"MainDictionaryCount"), 1);
}

struct SuggestionField {
  int id;
  const wchar_t* property;
  const char* label;
  int minimum;
  int maximum;
  int keptMinimum;  // what the control keeps of the page's minimum
};

const SuggestionField kNumberFields[] = {
    {IDC_PAGE_MAX_SUGGESTIONS, L"MaxSuggestions", "Ma&ximum suggestions:", 1, 1024, 1},
    // The page lets 0 through; the control's own lower limit is 1.
    {IDC_PAGE_INITIAL_DEPTH, L"MinSuggestionDepth", "&Initial suggestion depth:", 0, 100, 1},
    {IDC_PAGE_DEPTH_INCREMENT, L"SuggestionDepthIncrement", "Suggestion &depth increment:", 1, 100,
     1},
    {IDC_PAGE_MIN_SCORE, L"MinSuggestionScore", "&Minimum suggestion score:", 0, 100, 0},
    {IDC_PAGE_SCORE_RANGE, L"SuggestionScoreRange", "Suggestion score &range:", 0, 100, 0},
};

TEST_F(PropertyPagesTest, SuggestionsPageShowsTheSettingsAndAppliesTheirRangesEdgesIncluded) {
  AutomationClient control = NewControl();
  HostedPage page(CLSID_VantorSuggestionsPage, {control.dispatch()});
  ASSERT_NE(page.dialog(), nullptr);
  EXPECT_EQ(page.Text(IDC_PAGE_MAX_SUGGESTIONS), "16");
  EXPECT_EQ(page.Text(IDC_PAGE_INITIAL_DEPTH), "50");
  EXPECT_EQ(page.Text(IDC_PAGE_DEPTH_INCREMENT), "10");
  EXPECT_EQ(page.Text(IDC_PAGE_MIN_SCORE), "50");
  EXPECT_EQ(page.Text(IDC_PAGE_SCORE_RANGE), "50");
  EXPECT_EQ(page.Text(IDC_PAGE_SPLIT_WORDS), "Include &split words");
  EXPECT_EQ(page.Text(IDC_PAGE_PHONETIC), "&Phonetic matching");
  EXPECT_EQ(page.Text(IDC_PAGE_TYPOGRAPHICAL), "&Typographical matching");
  EXPECT_TRUE(page.Checked(IDC_PAGE_SPLIT_WORDS));
  EXPECT_FALSE(page.Checked(IDC_PAGE_PHONETIC));
  EXPECT_TRUE(page.Checked(IDC_PAGE_TYPOGRAPHICAL));
  for (const SuggestionField& field : kNumberFields) {
    EXPECT_EQ(WindowText(GetWindow(page.Field(field.id), GW_HWNDPREV)), field.label);
  }

  // Both ends of every range are accepted; blanks around a number do not matter.
  for (const bool upper : {false, true}) {
    for (const SuggestionField& field : kNumberFields) {
      const int edge = upper ? field.maximum : field.minimum;
      page.Type(field.id, (" " + std::to_string(edge) + " ").c_str());
    }
    ASSERT_EQ(page->Apply(), S_OK);
    for (const SuggestionField& field : kNumberFields) {
      const int kept = upper ? field.maximum : field.keptMinimum;
      EXPECT_EQ(control.Number(field.property), kept) << std::string(field.label);
      // The page shows what the control kept.
      EXPECT_EQ(page.Text(field.id), std::to_string(kept)) << std::string(field.label);
    }
  }
  page.Click(IDC_PAGE_SPLIT_WORDS);
  page.Click(IDC_PAGE_PHONETIC);
  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(control.Number(L"SuggestSplitWords"), 0);
  EXPECT_NE(control.Number(L"PhoneticSuggestions"), 0);
  EXPECT_NE(control.Number(L"TypographicalSuggestions"), 0);
}

TEST_F(PropertyPagesTest, SuggestionsPageRefusesANumberOutsideItsRangeAndAppliesNothing) {
  AutomationClient control = NewControl();
  HostedPage page(CLSID_VantorSuggestionsPage, {control.dispatch()});
  ASSERT_NE(page.dialog(), nullptr);
  for (const SuggestionField& field : kNumberFields) {
    const std::string range = "Please enter an integer between " + std::to_string(field.minimum) +
                              " and " + std::to_string(field.maximum) + ".";
    const long before = control.Number(field.property);
    for (const int outside : {field.minimum - 1, field.maximum + 1}) {
      SCOPED_TRACE(std::string(field.label) + " " + std::to_string(outside));
      page.Click(IDC_PAGE_PHONETIC);  // a valid change beside it stays unapplied too
      page.Type(field.id, std::to_string(outside).c_str());
      std::string message;
      EXPECT_EQ(page.ApplyRefused(message), E_FAIL);
      EXPECT_EQ(message, range);
      EXPECT_EQ(control.Number(field.property), before);
      EXPECT_EQ(control.Number(L"PhoneticSuggestions"), 0);
      EXPECT_EQ(page->IsPageDirty(), S_OK);
      // The user is put back into the field, its text selected for retyping.
      EXPECT_EQ(GetFocus(), page.Field(field.id));
      DWORD start = 0;
      DWORD end = 0;
      SendMessageA(page.Field(field.id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
      EXPECT_EQ(start, 0u);
      EXPECT_EQ(end, std::to_string(outside).size());
      page.Type(field.id, std::to_string(before).c_str());
      page.Click(IDC_PAGE_PHONETIC);
    }
  }
  // What is no whole number at all gets the platform's plain message.
  for (const char* text : {"", "abc", "12x", "1 2", "-"}) {
    page.Type(IDC_PAGE_SCORE_RANGE, text);
    std::string message;
    EXPECT_EQ(page.ApplyRefused(message), E_FAIL) << text;
    EXPECT_EQ(message, "Please enter an integer.") << text;
  }
  // A number too long for any integer is out of range, not wrapped into it.
  page.Type(IDC_PAGE_MAX_SUGGESTIONS, "4294967297");
  page.Type(IDC_PAGE_SCORE_RANGE, "50");
  std::string message;
  EXPECT_EQ(page.ApplyRefused(message), E_FAIL);
  EXPECT_EQ(message, "Please enter an integer between 1 and 1024.");
  EXPECT_EQ(control.Number(L"MaxSuggestions"), 16);
}

TEST_F(PropertyPagesTest, EditPropertyPutsTheFocusOnTheField) {
  AutomationClient control = NewControl();
  HostedPage page(CLSID_VantorSuggestionsPage, {control.dispatch()});
  ASSERT_NE(page.dialog(), nullptr);
  EXPECT_EQ(page->EditProperty(control.Id(L"SuggestionScoreRange")), S_OK);
  EXPECT_EQ(GetFocus(), page.Field(IDC_PAGE_SCORE_RANGE));
  EXPECT_EQ(page->EditProperty(control.Id(L"CaseSensitive")), E_INVALIDARG);
}

TEST_F(PropertyPagesTest, APageOverTwoControlsShowsTheFirstAndWritesBoth) {
  AutomationClient first = NewControl();
  AutomationClient second = NewControl();
  first.Put(L"MaxSuggestions", Var::Short(7));
  second.Put(L"MaxSuggestions", Var::Short(9));
  HostedPage page(CLSID_VantorSuggestionsPage, {first.dispatch(), second.dispatch()});
  ASSERT_NE(page.dialog(), nullptr);
  EXPECT_EQ(page.Text(IDC_PAGE_MAX_SUGGESTIONS), "7");
  page.Type(IDC_PAGE_MAX_SUGGESTIONS, "12");
  ASSERT_EQ(page->Apply(), S_OK);
  EXPECT_EQ(first.Number(L"MaxSuggestions"), 12);
  EXPECT_EQ(second.Number(L"MaxSuggestions"), 12);
  // Neither control's other settings were touched.
  EXPECT_EQ(second.Number(L"MinSuggestionDepth"), 50);
}

// ---- The platform's property frame, driven from the driver's thread ----

struct FieldSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchVisibleField(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<FieldSearch*>(context);
  if (GetDlgCtrlID(window) != search.id || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

// The field with this id on the page the frame shows, once it is there.
HWND WaitForVisibleField(HWND frame, int id) {
  for (int tries = 0; tries < 500; ++tries) {
    FieldSearch search{id, nullptr};
    EnumChildWindows(frame, MatchVisibleField, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(20);
  }
  return nullptr;
}

std::vector<std::string> TabTitles(HWND frame) {
  HWND tabs = FindWindowExA(frame, nullptr, "SysTabControl32", nullptr);
  std::vector<std::string> titles;
  const auto count = SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char title[64] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = title;
    item.cchTextMax = sizeof title;
    SendMessageA(tabs, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    titles.emplace_back(title);
  }
  return titles;
}

TEST_F(PropertyPagesTest, ThePropertyFrameShowsTheThreePagesOverTheControl) {
  AutomationClient control = NewControl();
  control.Put(L"CaseSensitive", Var::Bool(false));
  control.Put(L"MaxSuggestions", Var::Short(21));
  std::vector<CLSID> pages = PagesOf(control.dispatch());
  ASSERT_EQ(pages.size(), 3u);
  IUnknown* objects[] = {control.dispatch()};
  HRESULT result = E_FAIL;
  DialogDriver::Run(
      [&] {
        result = OleCreatePropertyFrame(nullptr, 0, 0, L"Vantor", 1, objects,
                                        static_cast<ULONG>(pages.size()), pages.data(),
                                        LOCALE_USER_DEFAULT, 0, nullptr);
      },
      [&](DialogDriver& d) {
        HWND frame = d.WaitForDialogContaining("Vantor");
        if (frame == nullptr) return;
        EXPECT_EQ(TabTitles(frame),
                  (std::vector<std::string>{"General", "Dictionaries", "Suggestions"}));
        HWND caseSensitive = WaitForVisibleField(frame, IDC_PAGE_CASE_SENSITIVE);
        ASSERT_NE(caseSensitive, nullptr) << "the General page is not shown first";
        EXPECT_EQ(SendMessageA(caseSensitive, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_NE(WaitForVisibleField(frame, IDC_PAGE_DOUBLED_WORDS), nullptr);

        SendMessageA(frame, PSM_SETCURSEL, 1, 0);
        HWND mainList = WaitForVisibleField(frame, IDC_PAGE_MAIN_DICTIONARIES);
        ASSERT_NE(mainList, nullptr) << "no Dictionaries page";
        EXPECT_EQ(WindowText(mainList), "trovam.tlx,trovam2.clx");

        SendMessageA(frame, PSM_SETCURSEL, 2, 0);
        HWND maximum = WaitForVisibleField(frame, IDC_PAGE_MAX_SUGGESTIONS);
        ASSERT_NE(maximum, nullptr) << "no Suggestions page";
        // Dictionaries and Suggestions share control id 222: the shown one is the number.
        EXPECT_EQ(WindowText(maximum), "21");
        // The page's fields lie within the frame, not cut off by it.
        RECT frameArea{};
        RECT fieldArea{};
        GetWindowRect(frame, &frameArea);
        GetWindowRect(WaitForVisibleField(frame, IDC_PAGE_TYPOGRAPHICAL), &fieldArea);
        EXPECT_LT(fieldArea.bottom, frameArea.bottom);
        d.Click(frame, IDCANCEL);
        EXPECT_TRUE(d.WaitUntilClosed(frame));
      });
  EXPECT_EQ(result, S_OK);
  EXPECT_EQ(control.Number(L"MaxSuggestions"), 21);
}

}  // namespace
}  // namespace trov::test
