#include "page_layouts.h"

#include <array>

#include "resource.h"

namespace trov {
namespace {

constexpr PageField CheckBox(int id, const wchar_t* property) {
  return {id, property, FieldKind::kCheckBox, 0, 0};
}

constexpr PageField Text(int id, const wchar_t* property, int limit) {
  return {id, property, FieldKind::kText, 0, limit};
}

constexpr PageField Number(int id, const wchar_t* property, int minimum, int maximum) {
  return {id, property, FieldKind::kNumber, minimum, maximum};
}

constexpr int kDictionaryListLimit = 1024;

constexpr std::array kGeneralFields = {
    CheckBox(IDC_PAGE_CASE_SENSITIVE, L"CaseSensitive"),
    CheckBox(IDC_PAGE_DOUBLED_WORDS, L"CatchDoubledWords"),
    CheckBox(IDC_PAGE_CATCH_MIXED_CASE, L"CatchMixedCaseWords"),
    CheckBox(IDC_PAGE_CATCH_DIGITS, L"CatchWordsWithDigits"),
    CheckBox(IDC_PAGE_IGNORE_DIGITS, L"IgnoreWordsWithDigits"),
    CheckBox(IDC_PAGE_IGNORE_ALL_CAPS, L"IgnoreAllCapsWords"),
    CheckBox(IDC_PAGE_IGNORE_MIXED_CASE, L"IgnoreMixedCaseWords"),
    CheckBox(IDC_PAGE_IGNORE_CAPITALIZED, L"IgnoreCapitalizedWords"),
};

constexpr std::array kDictionariesFields = {
    Text(IDC_PAGE_MAIN_DICTIONARIES, L"MainDictionaryFiles", kDictionaryListLimit),
    Text(IDC_PAGE_USER_DICTIONARIES, L"UserDictionaryFiles", kDictionaryListLimit),
};

constexpr std::array kSuggestionsFields = {
    Number(IDC_PAGE_MAX_SUGGESTIONS, L"MaxSuggestions", 1, 1024),
    Number(IDC_PAGE_INITIAL_DEPTH, L"MinSuggestionDepth", 0, 100),
    Number(IDC_PAGE_DEPTH_INCREMENT, L"SuggestionDepthIncrement", 1, 100),
    Number(IDC_PAGE_MIN_SCORE, L"MinSuggestionScore", 0, 100),
    Number(IDC_PAGE_SCORE_RANGE, L"SuggestionScoreRange", 0, 100),
    CheckBox(IDC_PAGE_SPLIT_WORDS, L"SuggestSplitWords"),
    CheckBox(IDC_PAGE_PHONETIC, L"PhoneticSuggestions"),
    CheckBox(IDC_PAGE_TYPOGRAPHICAL, L"TypographicalSuggestions"),
};

}  // namespace

const PageLayout kGeneralPage{IDD_PAGE_GENERAL, IDS_PAGE_GENERAL, kGeneralFields};
const PageLayout kDictionariesPage{IDD_PAGE_DICTIONARIES, IDS_PAGE_DICTIONARIES,
                                   kDictionariesFields};
const PageLayout kSuggestionsPage{IDD_PAGE_SUGGESTIONS, IDS_PAGE_SUGGESTIONS, kSuggestionsFields};

}  // namespace trov
