#include "dispatch_table.h"

#include <olectl.h>

#include <algorithm>
#include <cwchar>

#include "automation_properties.h"
#include "automation_values.h"
#include "background_check.h"
#include "module.h"
#include "revision.h"
#include "vantor_control.h"

namespace trov {
namespace {

// ---- Row builders ----

// A property's name and type come from the control's property table.
DispatchMember Property(DISPID id, DispatchCall get, DispatchPut put = nullptr) {
  const ControlProperty& property = *FindControlProperty(static_cast<int32_t>(id));
  return {id, AutomationName(property), false, VariantTypeOf(property.type), {}, 0, get, put};
}

constexpr DispatchMember Member(DISPID id, const wchar_t* name, bool isMethod, VARTYPE type,
                                std::initializer_list<VARTYPE> parameters, DispatchCall call) {
  DispatchMember member{id, name, isMethod, type, {}, parameters.size(), call, nullptr};
  std::copy(parameters.begin(), parameters.end(), member.parameters.begin());
  return member;
}

constexpr DispatchMember Method(DISPID id, const wchar_t* name, VARTYPE result,
                                std::initializer_list<VARTYPE> parameters, DispatchCall call) {
  return Member(id, name, true, result, parameters, call);
}

// Parameterised properties are read-only.
constexpr DispatchMember Indexed(DISPID id, const wchar_t* name, VARTYPE type,
                                 std::initializer_list<VARTYPE> parameters, DispatchCall get) {
  return Member(id, name, false, type, parameters, get);
}

// ---- Handlers shared by families of members ----

template <OptionProperty kOption>
HRESULT GetOption(VantorControl& c, DispatchArgs, VARIANT* result) {
  return SetBoolResult(result, c.Core().Option(kOption) != 0);
}

template <OptionProperty kOption>
HRESULT PutOption(VantorControl& c, const VARIANT& value) {
  c.Core().SetOption(kOption, BoolArg(value) ? 1 : 0);
  c.MarkModified();
  return S_OK;
}

template <int16_t (ControlCore::*kGet)() const>
HRESULT GetCoreShort(VantorControl& c, DispatchArgs, VARIANT* result) {
  return SetShortResult(result, (c.Core().*kGet)());
}

template <void (ControlCore::*kSet)(int16_t)>
HRESULT PutCoreShort(VantorControl& c, const VARIANT& value) {
  (c.Core().*kSet)(ShortArg(value));
  c.MarkModified();
  return S_OK;
}

template <bool MemberProperties::*kField>
HRESULT GetMemberBool(VantorControl& c, DispatchArgs, VARIANT* result) {
  return SetBoolResult(result, c.Members().*kField);
}

template <bool MemberProperties::*kField>
HRESULT PutMemberBool(VantorControl& c, const VARIANT& value) {
  c.Members().*kField = BoolArg(value);
  c.MarkModified();
  return S_OK;
}

template <int32_t MemberProperties::*kField>
HRESULT GetMemberLong(VantorControl& c, DispatchArgs, VARIANT* result) {
  return SetLongResult(result, c.Members().*kField);
}

template <int32_t MemberProperties::*kField>
HRESULT PutMemberLong(VantorControl& c, const VARIANT& value) {
  c.Members().*kField = LongArg(value);
  c.MarkModified();
  return S_OK;
}

// A background-checking call: the window, then the four marking booleans and the colour from
// argument styleFrom on; the control's first user dictionary is where Add writes.
BackgroundCall BackgroundCallFrom(VantorControl& c, DispatchArgs a, std::size_t styleFrom) {
  const std::vector<DictionaryEntry>& users = c.Core().Dictionaries(DictionaryKind::kUser);
  MarkingStyle style;
  style.changeColor = BoolArg(a[styleFrom]);
  style.bold = BoolArg(a[styleFrom + 1]);
  style.italics = BoolArg(a[styleFrom + 2]);
  style.underline = BoolArg(a[styleFrom + 3]);
  style.textColor = static_cast<COLORREF>(LongArg(a[styleFrom + 4]));
  return {static_cast<HWND>(LongToHandle(LongArg(a[0]))), c.Core(), c.Loop(),
          users.empty() ? std::string() : users.front().fileName, style};
}

// The result is the member's and lands in ErrorCode too.
HRESULT BackgroundResult(VantorControl& c, VARIANT* result, int32_t value) {
  c.Core().SetErrorCode(static_cast<int16_t>(value));
  return SetLongResult(result, value);
}

template <OptionProperty kOption>
DispatchMember OptionMember() {
  return Property(PropertyOfOption(kOption).dispatchId, &GetOption<kOption>, &PutOption<kOption>);
}

template <int16_t (ControlCore::*kGet)() const, void (ControlCore::*kSet)(int16_t)>
DispatchMember CoreShortMember(DISPID id) {
  return Property(id, &GetCoreShort<kGet>, &PutCoreShort<kSet>);
}

template <bool MemberProperties::*kField>
DispatchMember MemberBool(DISPID id) {
  return Property(id, &GetMemberBool<kField>, &PutMemberBool<kField>);
}

template <int32_t MemberProperties::*kField>
DispatchMember MemberLong(DISPID id) {
  return Property(id, &GetMemberLong<kField>, &PutMemberLong<kField>);
}

using OP = OptionProperty;
using MP = MemberProperties;

const std::array kMembers = {
    // ---- Properties ----
    MemberBool<&MP::showContext>(1),
    MemberBool<&MP::showDialog>(2),
    Property(
        3, &GetMemberLong<&MP::textControlHWnd>,
        [](VantorControl& c, const VARIANT& v) { return c.SetTextControlHWnd(LongArg(v)), S_OK; }),
    MemberLong<&MP::dialogLeft>(4),
    MemberLong<&MP::dialogTop>(5),
    Property(6, [](VantorControl& c, DispatchArgs,
                   VARIANT* r) { return SetShortResult(r, c.Loop().SuggestionCount()); }),
    Property(
        7,
        [](VantorControl& c, DispatchArgs, VARIANT* r) {
          return SetTextResult(r, c.Loop().MisspelledWord());
        },
        [](VantorControl& c, const VARIANT& v) {
          c.Loop().SetMisspelledWord(TextArg(v).c_str());
          c.MarkModified();
          return S_OK;
        }),
    Property(
        8,
        [](VantorControl& c, DispatchArgs, VARIANT* r) {
          return SetTextResult(r, c.Loop().ReplacementWord());
        },
        [](VantorControl& c, const VARIANT& v) {
          c.Loop().SetReplacementWord(TextArg(v).c_str());
          c.MarkModified();
          return S_OK;
        }),
    Property(9, [](VantorControl& c, DispatchArgs,
                   VARIANT* r) { return SetLongResult(r, c.Loop().WordOffset()); }),
    Property(10, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetLongResult(r, c.Loop().WordCount()); }),
    Property(11, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetLongResult(r, c.Loop().WordsReplacedCount()); }),
    OptionMember<OP::kCaseSensitive>(),
    Property(13, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetBoolResult(r, c.Loop().CanUndo()); }),
    OptionMember<OP::kCatchDoubledWords>(),
    OptionMember<OP::kCatchMixedCaseWords>(),
    OptionMember<OP::kCatchWordsWithDigits>(),
    Property(
        17,
        [](VantorControl& c, DispatchArgs, VARIANT* r) {
          return SetTextResult(r, c.Loop().CurrentWord());
        },
        [](VantorControl& c, const VARIANT& v) {
          c.Loop().SetCurrentWord(TextArg(v).c_str());
          c.MarkModified();
          return S_OK;
        }),
    OptionMember<OP::kIgnoreAllCapsWords>(),
    OptionMember<OP::kIgnoreMixedCaseWords>(),
    OptionMember<OP::kIgnoreWordsWithDigits>(),
    Property(21,
             [](VantorControl& c, DispatchArgs, VARIANT* r) {
               return SetShortResult(r, c.Dictionaries().MainDictionaryCount());
             }),
    Property(
        22,
        [](VantorControl& c, DispatchArgs, VARIANT* r) {
          return SetTextResult(r, c.Dictionaries().MainDictionaryFiles());
        },
        [](VantorControl& c, const VARIANT& v) {
          c.Dictionaries().SetMainDictionaryFiles(TextArg(v).c_str());
          c.MarkModified();
          return S_OK;
        }),
    CoreShortMember<&ControlCore::MaxSuggestions, &ControlCore::SetMaxSuggestions>(23),
    CoreShortMember<&ControlCore::MinSuggestionDepth, &ControlCore::SetMinSuggestionDepth>(24),
    OptionMember<OP::kPhoneticSuggestions>(),
    OptionMember<OP::kSplitContractedWords>(),
    OptionMember<OP::kSplitHyphenatedWords>(),
    OptionMember<OP::kSplitWords>(),
    OptionMember<OP::kStripPossessives>(),
    CoreShortMember<&ControlCore::SuggestionDepth, &ControlCore::SetSuggestionDepth>(30),
    CoreShortMember<&ControlCore::SuggestionDepthIncrement,
                    &ControlCore::SetSuggestionDepthIncrement>(31),
    OptionMember<OP::kSuggestSplitWords>(),
    Property(33, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetLongResult(r, c.Loop().TextLength()); }),
    OptionMember<OP::kTypographicalSuggestions>(),
    Property(35, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetTextResult(r, c.Loop().UndoNewText()); }),
    Property(36, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetLongResult(r, c.Loop().UndoOffset()); }),
    Property(37, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetTextResult(r, c.Loop().UndoOldText()); }),
    Property(38,
             [](VantorControl& c, DispatchArgs, VARIANT* r) {
               return SetShortResult(r, c.Dictionaries().UserDictionaryCount());
             }),
    Property(
        39,
        [](VantorControl& c, DispatchArgs, VARIANT* r) {
          return SetTextResult(r, c.Dictionaries().UserDictionaryFiles());
        },
        [](VantorControl& c, const VARIANT& v) {
          if (c.Dictionaries().SetUserDictionaryFiles(TextArg(v).c_str())) c.MarkModified();
          return S_OK;
        }),
    OptionMember<OP::kIgnoreCapitalizedWords>(),
    CoreShortMember<&ControlCore::SuggestionScoreRange, &ControlCore::SetSuggestionScoreRange>(41),
    CoreShortMember<&ControlCore::MinSuggestionScore, &ControlCore::SetMinSuggestionScore>(42),
    Property(
        43,
        [](VantorControl& c, DispatchArgs, VARIANT* r) {
          return SetBoolResult(r, c.Core().AutoCorrect() != 0);
        },
        [](VantorControl& c, const VARIANT& v) {
          c.Core().SetAutoCorrect(BoolArg(v) ? 1 : 0);
          c.MarkModified();
          return S_OK;
        }),
    Property(44, [](VantorControl&, DispatchArgs,
                    VARIANT* r) { return SetTextResult(r, RevisionNumber()); }),
    Property(45, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetLongResult(r, c.Loop().MisspelledWordCount()); }),
    Property(46, [](VantorControl& c, DispatchArgs,
                    VARIANT* r) { return SetShortResult(r, c.Core().ErrorCode()); }),
    OptionMember<OP::kIgnoreNonAlphaWords>(),
    OptionMember<OP::kIgnoreDomainNames>(),
    OptionMember<OP::kAllowAccentedCaps>(),
    OptionMember<OP::kIgnoreHTMLMarkups>(),
    Property(
        51,
        [](VantorControl& c, DispatchArgs, VARIANT* r) {
          return SetShortResult(r, c.Core().CharacterSet());
        },
        [](VantorControl& c, const VARIANT& v) {
          c.Core().SetCharacterSet(ShortArg(v));
          c.MarkModified();
          return S_OK;
        }),
    OptionMember<OP::kBackupUserDictionary>(),
    MemberBool<&MP::showOptionsButton>(53),
    MemberBool<&MP::showDictionariesButton>(54),
    OptionMember<OP::kRankedSuggestions>(),
    Property(
        DISPID_TEXT,
        [](VantorControl& c, DispatchArgs, VARIANT* r) {
          return SetTextResult(r, c.Loop().Text());
        },
        [](VantorControl& c, const VARIANT& v) {
          c.SetText(TextArg(v).c_str());
          return S_OK;
        }),

    // ---- Methods ----
    Method(55, L"AddMainDictionary", VT_EMPTY, {VT_BSTR},
           [](VantorControl& c, DispatchArgs a, VARIANT*) {
             c.Dictionaries().AddMainDictionary(TextArg(a[0]).c_str());
             c.MarkModified();
             return S_OK;
           }),
    Method(56, L"AddUserDictionary", VT_EMPTY, {VT_BSTR},
           [](VantorControl& c, DispatchArgs a, VARIANT*) {
             if (c.Dictionaries().AddUserDictionary(TextArg(a[0]).c_str())) c.MarkModified();
             return S_OK;
           }),
    Method(57, L"ClearTempDictionary", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.Dictionaries().ClearTempDictionary();
             return S_OK;
           }),
    Method(58, L"Close", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.Core().Close();
             return S_OK;
           }),
    Method(59, L"CreateUserDictionary", VT_I2, {VT_BSTR, VT_I2},
           [](VantorControl& c, DispatchArgs a, VARIANT* r) {
             return SetShortResult(
                 r, c.Dictionaries().CreateUserDictionary(TextArg(a[0]).c_str(), ShortArg(a[1])));
           }),
    Method(60, L"DeleteFromUserDictionary", VT_EMPTY, {VT_BSTR, VT_BSTR},
           [](VantorControl& c, DispatchArgs a, VARIANT*) {
             c.Dictionaries().DeleteFromUserDictionary(TextArg(a[0]).c_str(),
                                                       TextArg(a[1]).c_str());
             return S_OK;
           }),
    Method(61, L"IgnoreAllWord", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.Loop().IgnoreAllWord();
             return S_OK;
           }),
    Method(62, L"IgnoreWord", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.Loop().IgnoreWord();
             return S_OK;
           }),
    Method(63, L"NextWord", VT_BOOL, {},
           [](VantorControl& c, DispatchArgs, VARIANT* r) {
             return SetBoolResult(r, c.Loop().NextWord());
           }),
    Method(64, L"RemoveMainDictionary", VT_EMPTY, {VT_BSTR},
           [](VantorControl& c, DispatchArgs a, VARIANT*) {
             c.Dictionaries().RemoveMainDictionary(TextArg(a[0]).c_str());
             return S_OK;
           }),
    Method(65, L"RemoveUserDictionary", VT_EMPTY, {VT_BSTR},
           [](VantorControl& c, DispatchArgs a, VARIANT*) {
             c.Dictionaries().RemoveUserDictionary(TextArg(a[0]).c_str());
             return S_OK;
           }),
    Method(66, L"ReplaceAllWord", VT_I2, {},
           [](VantorControl& c, DispatchArgs, VARIANT* r) {
             return SetShortResult(r, c.Loop().ReplaceAllWord());
           }),
    Method(67, L"ReplaceWord", VT_I2, {},
           [](VantorControl& c, DispatchArgs, VARIANT* r) {
             return SetShortResult(r, c.Loop().ReplaceWord());
           }),
    Method(68, L"Resume", VT_I2, {},
           [](VantorControl& c, DispatchArgs, VARIANT* r) {
             return SetShortResult(r, c.Loop().Resume());
           }),
    Method(69, L"Start", VT_I2, {},
           [](VantorControl& c, DispatchArgs, VARIANT* r) { return SetShortResult(r, c.Start()); }),
    Method(70, L"Suggest", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.Loop().Suggest();
             return S_OK;
           }),
    Method(71, L"TestWord", VT_BOOL, {VT_BSTR},
           [](VantorControl& c, DispatchArgs a, VARIANT* r) {
             return SetBoolResult(r, c.Loop().TestWord(TextArg(a[0]).c_str()));
           }),
    Method(72, L"Undo", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.Loop().Undo();
             return S_OK;
           }),
    Method(73, L"ShowUserDictionaryDialog", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.ShowUserDictionaryDialog();
             return S_OK;
           }),
    Method(74, L"ShowOptionsDialog", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.ShowOptionsDialog();
             return S_OK;
           }),
    Method(75, L"DeleteWord", VT_I4, {},
           [](VantorControl& c, DispatchArgs, VARIANT* r) {
             return SetLongResult(r, c.Loop().DeleteWord());
           }),
    Method(76, L"AddToUserDictionary", VT_I2, {VT_BSTR, VT_BSTR, VT_I2, VT_BSTR},
           [](VantorControl& c, DispatchArgs a, VARIANT* r) {
             return SetShortResult(r, c.Dictionaries().AddToUserDictionary(
                                          TextArg(a[0]).c_str(), TextArg(a[1]).c_str(),
                                          ShortArg(a[2]), TextArg(a[3]).c_str()));
           }),
    Method(77, L"CheckBackgroundNotify", VT_I4, {VT_I4, VT_BOOL, VT_BOOL, VT_BOOL, VT_BOOL, VT_I4},
           [](VantorControl& c, DispatchArgs a, VARIANT* r) {
             return BackgroundResult(c, r, CheckBackgroundNotify(BackgroundCallFrom(c, a, 1)));
           }),
    Method(78, L"CheckBackgroundRecheck", VT_I4, {VT_I4, VT_BOOL, VT_BOOL, VT_BOOL, VT_BOOL, VT_I4},
           [](VantorControl& c, DispatchArgs a, VARIANT* r) {
             return BackgroundResult(c, r, CheckBackgroundRecheck(BackgroundCallFrom(c, a, 1)));
           }),
    // options and the marking arguments are taken as given but the menu marks as the last
    // notification did.
    Method(79, L"CheckBackgroundMenu", VT_I4,
           {VT_I4, VT_I4, VT_I4, VT_I4, VT_BOOL, VT_BOOL, VT_BOOL, VT_BOOL, VT_I4},
           [](VantorControl& c, DispatchArgs a, VARIANT* r) {
             return BackgroundResult(c, r,
                                     CheckBackgroundMenu(BackgroundCallFrom(c, a, 4), LongArg(a[1]),
                                                         LongArg(a[2]), ModuleInstance()));
           }),
    Indexed(80, L"Suggestion", VT_BSTR, {VT_I2},
            [](VantorControl& c, DispatchArgs a, VARIANT* r) {
              return SetTextResult(r, c.Loop().Suggestion(ShortArg(a[0])));
            }),
    Indexed(81, L"MainDictionary", VT_BSTR, {VT_I2},
            [](VantorControl& c, DispatchArgs a, VARIANT* r) {
              return SetTextResult(r, c.Dictionaries().MainDictionary(ShortArg(a[0])));
            }),
    Indexed(82, L"UserDictionary", VT_BSTR, {VT_I2},
            [](VantorControl& c, DispatchArgs a, VARIANT* r) {
              return SetTextResult(r, c.Dictionaries().UserDictionary(ShortArg(a[0])));
            }),
    Indexed(83, L"UserDictionaryWord", VT_BSTR, {VT_BSTR, VT_I4},
            [](VantorControl& c, DispatchArgs a, VARIANT* r) {
              return SetTextResult(
                  r, c.Dictionaries().UserDictionaryWord(TextArg(a[0]).c_str(), LongArg(a[1])));
            }),
    Indexed(84, L"UserDictionaryWordCount", VT_I4, {VT_BSTR},
            [](VantorControl& c, DispatchArgs a, VARIANT* r) {
              return SetLongResult(r,
                                   c.Dictionaries().UserDictionaryWordCount(TextArg(a[0]).c_str()));
            }),
    Indexed(85, L"UserDictionaryWordAction", VT_I2, {VT_BSTR, VT_BSTR},
            [](VantorControl& c, DispatchArgs a, VARIANT* r) {
              return SetShortResult(r, c.Dictionaries().UserDictionaryWordAction(
                                           TextArg(a[0]).c_str(), TextArg(a[1]).c_str()));
            }),
    Indexed(86, L"UserDictionaryOtherWord", VT_BSTR, {VT_BSTR, VT_BSTR},
            [](VantorControl& c, DispatchArgs a, VARIANT* r) {
              return SetTextResult(r, c.Dictionaries().UserDictionaryOtherWord(
                                          TextArg(a[0]).c_str(), TextArg(a[1]).c_str()));
            }),
    Method(DISPID_ABOUTBOX, L"AboutBox", VT_EMPTY, {},
           [](VantorControl& c, DispatchArgs, VARIANT*) {
             c.AboutBox();
             return S_OK;
           }),
};

}  // namespace

std::span<const DispatchMember> DispatchMembers() { return kMembers; }

const DispatchMember* FindDispatchMember(DISPID id) {
  const auto found = std::find_if(kMembers.begin(), kMembers.end(),
                                  [id](const DispatchMember& m) { return m.id == id; });
  return found == kMembers.end() ? nullptr : &*found;
}

const DispatchMember* FindDispatchMemberByName(const wchar_t* name) {
  const auto found =
      std::find_if(kMembers.begin(), kMembers.end(),
                   [name](const DispatchMember& m) { return _wcsicmp(m.name, name) == 0; });
  return found == kMembers.end() ? nullptr : &*found;
}

}  // namespace trov
