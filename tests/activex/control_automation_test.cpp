// The control as a host sees it through IDispatch: defaults, member conventions, the type
// library, the OLE embedding answers, and two instances sharing the character set.
#include <olectl.h>

#include <set>

#include "automation_properties.h"
#include "com_fixture.h"

namespace trov::test {
namespace {

using AutomationTest = ControlTest;
using trov::ControlProperties;
using trov::ControlProperty;

struct ExpectedDefault {
  const wchar_t* name;
  long number;
  const wchar_t* text;  // null for numbers and Booleans (true reads -1)
};

constexpr long kTrue = -1;

const ExpectedDefault kDefaults[] = {
    {L"ShowContext", 0, nullptr},
    {L"ShowDialog", kTrue, nullptr},
    {L"TextControlHWnd", 0, nullptr},
    {L"DialogLeft", -1, nullptr},
    {L"DialogTop", -1, nullptr},
    {L"ShowDictionariesButton", kTrue, nullptr},
    {L"ShowOptionsButton", kTrue, nullptr},
    {L"AllowAccentedCaps", kTrue, nullptr},
    {L"AutoCorrect", kTrue, nullptr},
    {L"BackupUserDictionary", 0, nullptr},
    {L"CaseSensitive", kTrue, nullptr},
    {L"CatchDoubledWords", kTrue, nullptr},
    {L"CatchMixedCaseWords", 0, nullptr},
    {L"CatchWordsWithDigits", 0, nullptr},
    {L"CharacterSet", 1, nullptr},
    {L"IgnoreAllCapsWords", 0, nullptr},
    {L"IgnoreCapitalizedWords", 0, nullptr},
    {L"IgnoreDomainNames", 0, nullptr},
    {L"IgnoreHTMLMarkups", 0, nullptr},
    {L"IgnoreMixedCaseWords", 0, nullptr},
    {L"IgnoreNonAlphaWords", kTrue, nullptr},
    {L"IgnoreWordsWithDigits", 0, nullptr},
    {L"MaxSuggestions", 16, nullptr},
    {L"MinSuggestionDepth", 50, nullptr},
    {L"MinSuggestionScore", 50, nullptr},
    {L"PhoneticSuggestions", 0, nullptr},
    {L"SplitContractedWords", 0, nullptr},
    {L"SplitHyphenatedWords", kTrue, nullptr},
    {L"SplitWords", 0, nullptr},
    {L"StripPossessives", kTrue, nullptr},
    {L"SuggestionDepth", 50, nullptr},
    {L"SuggestionDepthIncrement", 10, nullptr},
    {L"SuggestionScoreRange", 50, nullptr},
    {L"SuggestSplitWords", kTrue, nullptr},
    {L"TypographicalSuggestions", kTrue, nullptr},
    {L"RankedSuggestions", 0, nullptr},
    {L"WordOffset", 0, nullptr},
    {L"TextLength", 0, nullptr},
    {L"SuggestionCount", 0, nullptr},
    {L"CanUndo", 0, nullptr},
    {L"MainDictionaryFiles", 0, L"trovam.tlx,trovam2.clx"},
    {L"UserDictionaryFiles", 0, L"userdic.tlx,correct.tlx"},
    {L"Version", 0, L"5.15.6"},
    {L"Text", 0, L""},
};

void ExpectDefaults(AutomationClient& control) {
  for (const ExpectedDefault& expected : kDefaults) {
    const Var value = control.Get(expected.name);
    EXPECT_EQ(control.last(), S_OK)
        << std::string(expected.name, expected.name + wcslen(expected.name));
    if (expected.text != nullptr) {
      EXPECT_EQ(value.text(), expected.text);
    } else {
      EXPECT_EQ(value.number(), expected.number)
          << std::string(expected.name, expected.name + wcslen(expected.name));
    }
  }
  EXPECT_EQ(control.Number(L"MainDictionaryCount"), 2);
  EXPECT_EQ(control.Number(L"UserDictionaryCount"), 2);
  EXPECT_EQ(control.Number(L"ErrorCode"), 0);
}

TEST_F(AutomationTest, EveryPropertyHasItsDefaultAfterInitNew) {
  AutomationClient control = NewControl();
  ExpectDefaults(control);
}

TEST_F(AutomationTest, AControlNobodyInitialisesStartsWithTheDefaultsToo) {
  // A script's CreateObject neither initialises nor loads the control.
  AutomationClient control(AutomationClient::CreateControl());
  ASSERT_TRUE(control.dispatch());
  ExpectDefaults(control);
}

TEST_F(AutomationTest, ReadOnlyPropertiesRefuseASetWithTheStandardError) {
  AutomationClient control = NewControl();
  control.Put(L"Text", Var::Text(L"one two three"));
  for (const wchar_t* name : {L"WordCount", L"ErrorCode", L"Version", L"TextLength",
                              L"SuggestionCount", L"CanUndo", L"MainDictionaryCount"}) {
    EXPECT_EQ(control.Put(name, Var::Long(5)), CTL_E_SETNOTSUPPORTED);
  }
  EXPECT_EQ(control.Number(L"WordCount"), 3);

  EXCEPINFO exception{};
  control.Invoke(control.Id(L"WordCount"), DISPATCH_PROPERTYPUT, {Var::Long(9)}, true, &exception);
  EXPECT_EQ(control.last(), DISP_E_EXCEPTION);
  EXPECT_EQ(exception.scode, CTL_E_SETNOTSUPPORTED);
  SysFreeString(exception.bstrSource);
  SysFreeString(exception.bstrDescription);
  // A parameterised property is read-only as well.
  control.Invoke(control.Id(L"Suggestion"), DISPATCH_PROPERTYPUT, {Var::Short(0), Var::Text(L"x")},
                 true, nullptr);
  EXPECT_NE(control.last(), S_OK);
}

TEST_F(AutomationTest, ArgumentsAreCoercedAndCheckedLikeAScriptSendsThem) {
  AutomationClient control = NewControl();
  // Booleans as numbers, numbers as strings: coerced to the declared types.
  EXPECT_EQ(control.Put(L"SplitWords", Var::Short(1)), S_OK);
  EXPECT_EQ(control.Number(L"SplitWords"), kTrue);
  EXPECT_EQ(control.Put(L"MaxSuggestions", Var::Text(L"7")), S_OK);
  EXPECT_EQ(control.Number(L"MaxSuggestions"), 7);
  EXPECT_EQ(control.Put(L"MaxSuggestions", Var::Text(L"many")), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(control.Number(L"MaxSuggestions"), 7);
  // Limits belong to the core: they apply through automation.
  control.Put(L"MinSuggestionDepth", Var::Short(250));
  EXPECT_EQ(control.Number(L"MinSuggestionDepth"), 100);

  control.Call(L"TestWord");
  EXPECT_EQ(control.last(), DISP_E_BADPARAMCOUNT);
  control.Call(L"NoSuchMember");
  EXPECT_EQ(control.last(), DISP_E_MEMBERNOTFOUND);
  // By-reference arguments are read through.
  Var word = Var::Text(L"");
  VARIANT reference;
  VariantInit(&reference);
  V_VT(&reference) = VT_BYREF | VT_VARIANT;
  V_VARIANTREF(&reference) = word.get();
  VARIANT result;
  VariantInit(&result);
  DISPPARAMS parameters{&reference, nullptr, 1, 0};
  EXPECT_EQ(control.dispatch()->Invoke(control.Id(L"TestWord"), IID_NULL, 0,
                                       DISPATCH_METHOD | DISPATCH_PROPERTYGET, &parameters, &result,
                                       nullptr, nullptr),
            S_OK);
  EXPECT_EQ(V_VT(&result), VT_BOOL);
}

TEST_F(AutomationTest, WithoutTheDialogStartIsResume) {
  AutomationClient control = NewControl();
  control.Put(L"Text", Var::Text(L"words"));
  control.Put(L"ShowDialog", Var::Bool(false));
  const long flags = control.Call(L"Start").number();
  EXPECT_EQ(control.last(), S_OK);
  EXPECT_NE(flags, 0);
}

TEST_F(AutomationTest, NamesAndIdsAgreeWithTheTypeLibrary) {
  AutomationClient control = NewControl();
  ComRef<IProvideClassInfo2> classInfo =
      Query<IProvideClassInfo2>(control.dispatch(), IID_IProvideClassInfo2);
  ASSERT_TRUE(classInfo);
  GUID events{};
  EXPECT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);

  ComRef<ITypeInfo> info;
  ASSERT_EQ(control.dispatch()->GetTypeInfo(0, 0, info.Put()), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
  std::set<std::wstring> names;
  const auto check = [&](MEMBERID id) {
    UniqueBstr name;
    ASSERT_EQ(info->GetDocumentation(id, name.Put(), nullptr, nullptr, nullptr), S_OK);
    names.insert(name.Get());
    EXPECT_EQ(control.Id(name.Get()), id) << std::wstring(name.Get()).size();
  };
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    FUNCDESC* function = nullptr;
    ASSERT_EQ(info->GetFuncDesc(i, &function), S_OK);
    check(function->memid);
    info->ReleaseFuncDesc(function);
  }
  for (UINT i = 0; i < attributes->cVars; ++i) {
    VARDESC* variable = nullptr;
    ASSERT_EQ(info->GetVarDesc(i, &variable), S_OK);
    check(variable->memid);
    info->ReleaseVarDesc(variable);
  }
  info->ReleaseTypeAttr(attributes);
  EXPECT_EQ(names.size(), 56u + 33u);  // 56 properties, 33 methods and indexed properties
  EXPECT_EQ(control.Id(L"Text"), -517);
  EXPECT_EQ(control.Id(L"aboutbox"), -552);
  EXPECT_EQ(control.Id(L"UserDictionaryOtherWord"), 86);
  EXPECT_EQ(control.Id(L"RankedSuggestions"), 87);  // the next id after the first interface's
}

TEST_F(AutomationTest, EveryRowOfThePropertyTableIsAMemberWithItsTypeAndAccess) {
  AutomationClient control = NewControl();
  for (const ControlProperty& property : ControlProperties()) {
    const std::wstring name(property.name.begin(), property.name.end());
    SCOPED_TRACE(std::string(property.name));
    EXPECT_EQ(control.Id(name.c_str()), property.dispatchId);
    const Var value = control.Get(name.c_str());
    EXPECT_EQ(control.last(), S_OK);
    EXPECT_EQ(value.type(), VariantTypeOf(property.type));
    // Writing back what was read changes nothing, and only read-only members refuse it.
    EXPECT_EQ(control.Put(name.c_str(), value), property.readOnly ? CTL_E_SETNOTSUPPORTED : S_OK);
  }
}

TEST_F(AutomationTest, ExtentIsFixedWhateverTheContainerProposes) {
  AutomationClient control = NewControl();
  ComRef<IOleObject> object = Query<IOleObject>(control.dispatch(), IID_IOleObject);
  ASSERT_TRUE(object);
  SIZEL size{};
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &size), S_OK);
  const SIZEL initial = Himetric(18, 23);
  EXPECT_EQ(size.cx, initial.cx);
  EXPECT_EQ(size.cy, initial.cy);

  SIZEL proposed{5000, 7000};
  EXPECT_EQ(object->SetExtent(DVASPECT_CONTENT, &proposed), S_OK);
  const SIZEL fixed = Himetric(17, 22);
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &size), S_OK);
  EXPECT_EQ(size.cx, fixed.cx);
  EXPECT_EQ(size.cy, fixed.cy);
  ComRef<IViewObject2> view = Query<IViewObject2>(control.dispatch(), IID_IViewObject2);
  ASSERT_EQ(view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &size), S_OK);
  EXPECT_EQ(size.cx, fixed.cx);

  DWORD status = 0;
  EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, 0x20591u);

  // The design-time bitmap draws into any rectangle.
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 17, 22);
  HGDIOBJ old = SelectObject(memory, target);
  RECTL bounds{0, 0, 17, 22};
  EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr,
                       nullptr, 0),
            S_OK);
  SelectObject(memory, old);
  DeleteObject(target);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

TEST_F(AutomationTest, TwoControlsShareOneCharacterSet) {
  AutomationClient first = NewControl();
  AutomationClient second = NewControl();
  EXPECT_EQ(first.Put(L"CharacterSet", Var::Short(5)), S_OK);
  EXPECT_EQ(second.Number(L"CharacterSet"), 5);
  // Strings cross in the selected set: Cyrillic survives the round trip.
  second.Put(L"Text", Var::Text(L"\x0414\x0430 \x043D\x0435\x0442"));
  EXPECT_EQ(second.Text(L"Text"), L"\x0414\x0430 \x043D\x0435\x0442");
  EXPECT_EQ(second.Number(L"TextLength"), 6);
  first.Put(L"CharacterSet", Var::Short(1));
  EXPECT_EQ(second.Number(L"CharacterSet"), 1);
  second.Put(L"Text", Var::Text(L"caf\x00E9 \x20AC"));
  EXPECT_EQ(second.Text(L"Text"), L"caf\x00E9 \x20AC");
}

TEST_F(AutomationTest, ConnectionPointAcceptsAndReleasesSinks) {
  AutomationClient control = NewControl();
  ComRef<IConnectionPointContainer> container =
      Query<IConnectionPointContainer>(control.dispatch(), IID_IConnectionPointContainer);
  ComRef<IConnectionPoint> point;
  EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, point.Put()), CONNECT_E_NOCONNECTION);
  ComRef<IEnumConnectionPoints> points;
  ASSERT_EQ(container->EnumConnectionPoints(points.Put()), S_OK);
  IConnectionPoint* found[2] = {};
  ULONG fetched = 0;
  EXPECT_EQ(points->Next(2, found, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 1u);
  IID iid{};
  found[0]->GetConnectionInterface(&iid);
  found[0]->Release();
  ASSERT_EQ(container->FindConnectionPoint(iid, point.Put()), S_OK);
  EXPECT_EQ(point->Unadvise(77), CONNECT_E_NOCONNECTION);
}

}  // namespace
}  // namespace trov::test
