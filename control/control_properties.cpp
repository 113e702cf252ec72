#include "control_properties.h"

#include <algorithm>
#include <array>

namespace trov {
namespace {

using OP = OptionProperty;
using PT = PropertyType;

constexpr int32_t kTrue = 1;
constexpr int32_t kFalse = 0;
constexpr int32_t kStockTextId = -517;  // the platform's stock Text property

constexpr PropertyValue Number(int32_t number) { return {number, {}}; }
constexpr PropertyValue Text(std::string_view text) { return {0, text}; }

// Run-time state: read-only, not saved, nothing a new core states.
constexpr ControlProperty State(int32_t id, std::string_view name, PropertyType type) {
  return {name, id, type, true, std::nullopt, std::nullopt, 0, {}};
}

// Read/write, held by the control itself or by the checking state, never saved.
constexpr ControlProperty Unsaved(int32_t id, std::string_view name, PropertyType type,
                                  std::optional<int32_t> coreDefault = std::nullopt) {
  return {name, id, type, false, std::nullopt, coreDefault, 0, {}};
}

// Saved, with a value the core does not hold (the control's own members, the dictionary lists,
// the process-wide character set).
constexpr ControlProperty Saved(int32_t id, std::string_view name, PropertyType type, int order,
                                PropertyValue persistedDefault,
                                std::optional<int32_t> coreDefault = std::nullopt) {
  return {name, id, type, false, std::nullopt, coreDefault, order, persistedDefault};
}

// A Boolean view of one option bit; a new core has the engine's default option word.
constexpr ControlProperty Option(int32_t id, std::string_view name, OptionProperty option,
                                 int order, int32_t persistedDefault) {
  const bool onInNewSession = (TROV_DEFAULT_OPTIONS & static_cast<uint32_t>(option)) != 0;
  return {name,      id,
          PT::kBool, false,
          option,    onInNewSession ? kTrue : kFalse,
          order,     Number(persistedDefault)};
}

// Suggestion parameters: a new core's value and the one a saved form defaults to. They differ
// for SuggestionScoreRange on purpose: a bare core keeps the narrow range (20) its direct
// callers have always had, while a control on a form loads 50 so the dialog offers the wider
// list of near-equal suggestions.
constexpr ControlProperty Parameter(int32_t id, std::string_view name, int32_t coreDefault,
                                    int order = 0, int32_t persistedDefault = 0) {
  return {name, id, PT::kShort, false, std::nullopt, coreDefault, order, Number(persistedDefault)};
}

constexpr std::array kProperties = {
    Saved(1, "ShowContext", PT::kBool, 1, Number(kFalse)),
    Saved(2, "ShowDialog", PT::kBool, 2, Number(kTrue)),
    Unsaved(3, "TextControlHWnd", PT::kLong),
    Saved(4, "DialogLeft", PT::kLong, 3, Number(-1)),
    Saved(5, "DialogTop", PT::kLong, 4, Number(-1)),
    State(6, "SuggestionCount", PT::kShort),
    Unsaved(7, "MisspelledWord", PT::kText),
    Unsaved(8, "ReplacementWord", PT::kText),
    State(9, "WordOffset", PT::kLong),
    State(10, "WordCount", PT::kLong),
    State(11, "WordsReplacedCount", PT::kLong),
    Option(12, "CaseSensitive", OP::kCaseSensitive, 10, kTrue),
    State(13, "CanUndo", PT::kBool),
    Option(14, "CatchDoubledWords", OP::kCatchDoubledWords, 11, kTrue),
    Option(15, "CatchMixedCaseWords", OP::kCatchMixedCaseWords, 12, kFalse),
    Option(16, "CatchWordsWithDigits", OP::kCatchWordsWithDigits, 13, kFalse),
    Unsaved(17, "CurrentWord", PT::kText),
    Option(18, "IgnoreAllCapsWords", OP::kIgnoreAllCapsWords, 15, kFalse),
    Option(19, "IgnoreMixedCaseWords", OP::kIgnoreMixedCaseWords, 19, kFalse),
    Option(20, "IgnoreWordsWithDigits", OP::kIgnoreWordsWithDigits, 21, kFalse),
    State(21, "MainDictionaryCount", PT::kShort),
    Saved(22, "MainDictionaryFiles", PT::kText, 22, Text("trovam.tlx,trovam2.clx")),
    Parameter(23, "MaxSuggestions", kDefaultMaxSuggestions, 23, 16),
    Parameter(24, "MinSuggestionDepth", kDefaultMinSuggestionDepth, 24, 50),
    Option(25, "PhoneticSuggestions", OP::kPhoneticSuggestions, 26, kFalse),
    Option(26, "SplitContractedWords", OP::kSplitContractedWords, 27, kFalse),
    Option(27, "SplitHyphenatedWords", OP::kSplitHyphenatedWords, 28, kTrue),
    Option(28, "SplitWords", OP::kSplitWords, 29, kFalse),
    Option(29, "StripPossessives", OP::kStripPossessives, 30, kTrue),
    Parameter(30, "SuggestionDepth", kDefaultSuggestionDepth),
    Parameter(31, "SuggestionDepthIncrement", kDefaultSuggestionDepthIncrement, 31, 10),
    Option(32, "SuggestSplitWords", OP::kSuggestSplitWords, 33, kTrue),
    State(33, "TextLength", PT::kLong),
    Option(34, "TypographicalSuggestions", OP::kTypographicalSuggestions, 34, kTrue),
    State(35, "UndoNewText", PT::kText),
    State(36, "UndoOffset", PT::kLong),
    State(37, "UndoOldText", PT::kText),
    State(38, "UserDictionaryCount", PT::kShort),
    // A control under a safety option saves and defaults to "userdic.tlx" alone.
    Saved(39, "UserDictionaryFiles", PT::kText, 35, Text("userdic.tlx,correct.tlx")),
    Option(40, "IgnoreCapitalizedWords", OP::kIgnoreCapitalizedWords, 16, kFalse),
    Parameter(41, "SuggestionScoreRange", kDefaultSuggestionScoreRange, 32, 50),
    Parameter(42, "MinSuggestionScore", kDefaultMinSuggestionScore, 25, 50),
    Saved(43, "AutoCorrect", PT::kBool, 8, Number(kTrue), kTrue),
    State(44, "Version", PT::kText),
    State(45, "MisspelledWordCount", PT::kLong),
    State(46, "ErrorCode", PT::kShort),
    Option(47, "IgnoreNonAlphaWords", OP::kIgnoreNonAlphaWords, 20, kTrue),
    Option(48, "IgnoreDomainNames", OP::kIgnoreDomainNames, 17, kFalse),
    Option(49, "AllowAccentedCaps", OP::kAllowAccentedCaps, 7, kTrue),
    Option(50, "IgnoreHTMLMarkups", OP::kIgnoreHTMLMarkups, 18, kFalse),
    Saved(51, "CharacterSet", PT::kShort, 14, Number(1)),
    Option(52, "BackupUserDictionary", OP::kBackupUserDictionary, 9, kFalse),
    Saved(53, "ShowOptionsButton", PT::kBool, 6, Number(kTrue)),
    Saved(54, "ShowDictionariesButton", PT::kBool, 5, Number(kTrue)),
    // Saved after all the others, from form 1.1 on, so forms saved before it still load.
    Option(87, "RankedSuggestions", OP::kRankedSuggestions, 36, kFalse),
    Unsaved(kStockTextId, "Text", PT::kText),
};

}  // namespace

std::span<const ControlProperty> ControlProperties() { return kProperties; }

const ControlProperty* FindControlProperty(int32_t dispatchId) {
  const auto found =
      std::find_if(kProperties.begin(), kProperties.end(),
                   [dispatchId](const ControlProperty& p) { return p.dispatchId == dispatchId; });
  return found == kProperties.end() ? nullptr : &*found;
}

const ControlProperty* FindControlProperty(std::string_view name) {
  const auto found = std::find_if(kProperties.begin(), kProperties.end(),
                                  [name](const ControlProperty& p) { return p.name == name; });
  return found == kProperties.end() ? nullptr : &*found;
}

const ControlProperty& PropertyOfOption(OptionProperty option) {
  // Every OptionProperty value has a row (the table test checks it), so this always finds one.
  return *std::find_if(kProperties.begin(), kProperties.end(),
                       [option](const ControlProperty& p) { return p.option == option; });
}

}  // namespace trov
