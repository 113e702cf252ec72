// The property table against the other places that state the same facts: the type library's
// source, a new control core, and the engine's option bits.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "control_properties.h"
#include "core_fixture.h"

namespace {

using trov::ControlProperties;
using trov::ControlProperty;
using trov::OptionProperty;
using trov::PropertyType;

struct IdlProperty {
  std::string name;
  std::string type;
  bool readOnly;
};

// The properties section of the control's dispatch interface, by dispatch id.
std::map<int, IdlProperty> IdlProperties() {
  std::ifstream file(VANTOR_IDL_FILE);
  std::stringstream text;
  text << file.rdbuf();
  const std::string idl = text.str();
  const std::size_t start = idl.find("properties:");
  const std::size_t end = idl.find("methods:", start);
  const std::string section = idl.substr(start, end - start);
  const std::regex line(R"(\[id\((-?\d+)\)(, readonly)?\]\s+(\w+)\s+(\w+);)");
  std::map<int, IdlProperty> properties;
  for (std::sregex_iterator it(section.begin(), section.end(), line), last; it != last; ++it) {
    properties[std::stoi((*it)[1])] = {(*it)[4], (*it)[3], (*it)[2].matched};
  }
  return properties;
}

std::string IdlTypeOf(PropertyType type) {
  switch (type) {
    case PropertyType::kBool:
      return "VARIANT_BOOL";
    case PropertyType::kShort:
      return "short";
    case PropertyType::kLong:
      return "long";
    case PropertyType::kText:
      break;
  }
  return "BSTR";
}

TEST(ControlPropertyTable, MatchesTheTypeLibrarySourceRowForRow) {
  const std::map<int, IdlProperty> idl = IdlProperties();
  ASSERT_EQ(idl.size(), ControlProperties().size());
  for (const ControlProperty& property : ControlProperties()) {
    const auto found = idl.find(property.dispatchId);
    ASSERT_NE(found, idl.end()) << property.name;
    EXPECT_EQ(found->second.name, property.name);
    EXPECT_EQ(found->second.type, IdlTypeOf(property.type)) << property.name;
    EXPECT_EQ(found->second.readOnly, property.readOnly) << property.name;
  }
}

TEST(ControlPropertyTable, SavedFormOrderIsOneToNWithoutGapsAndOnlyWritableRows) {
  std::set<int> orders;
  for (const ControlProperty& property : ControlProperties()) {
    if (property.persistOrder == 0) continue;
    EXPECT_FALSE(property.readOnly) << property.name;
    EXPECT_TRUE(orders.insert(property.persistOrder).second) << property.name;
    EXPECT_EQ(property.persistedDefault.text.empty(), property.type != PropertyType::kText)
        << property.name;
  }
  ASSERT_FALSE(orders.empty());
  EXPECT_EQ(*orders.begin(), 1);
  EXPECT_EQ(*orders.rbegin(), static_cast<int>(orders.size()));
  // Old saved forms end with the user dictionaries; anything added later is saved after them.
  EXPECT_EQ(trov::FindControlProperty("UserDictionaryFiles")->persistOrder, 35);
}

TEST(ControlPropertyTable, EveryOptionBitHasExactlyOneSavedBooleanProperty) {
  const OptionProperty options[] = {
      OptionProperty::kIgnoreCapitalizedWords,
      OptionProperty::kIgnoreMixedCaseWords,
      OptionProperty::kIgnoreWordsWithDigits,
      OptionProperty::kIgnoreAllCapsWords,
      OptionProperty::kCatchMixedCaseWords,
      OptionProperty::kCatchWordsWithDigits,
      OptionProperty::kCatchDoubledWords,
      OptionProperty::kCaseSensitive,
      OptionProperty::kSplitHyphenatedWords,
      OptionProperty::kSplitContractedWords,
      OptionProperty::kSplitWords,
      OptionProperty::kSuggestSplitWords,
      OptionProperty::kPhoneticSuggestions,
      OptionProperty::kTypographicalSuggestions,
      OptionProperty::kStripPossessives,
      OptionProperty::kIgnoreNonAlphaWords,
      OptionProperty::kIgnoreDomainNames,
      OptionProperty::kAllowAccentedCaps,
      OptionProperty::kIgnoreHTMLMarkups,
      OptionProperty::kBackupUserDictionary,
      OptionProperty::kRankedSuggestions,
  };
  std::size_t rowsWithOption = 0;
  for (const ControlProperty& property : ControlProperties())
    rowsWithOption += property.option.has_value();
  EXPECT_EQ(rowsWithOption, std::size(options));
  for (OptionProperty option : options) {
    const ControlProperty& property = trov::PropertyOfOption(option);
    EXPECT_EQ(property.option, option);
    EXPECT_EQ(property.type, PropertyType::kBool);
    EXPECT_GT(property.persistOrder, 0) << property.name;
  }
}

using NewCore = vantor_test::CoreTest;

TEST_F(NewCore, ReportsTheTableDefaultsBeforeAnyPropertyIsLoaded) {
  const std::map<std::string_view, int16_t> parameters = {
      {"MaxSuggestions", core.MaxSuggestions()},
      {"MinSuggestionDepth", core.MinSuggestionDepth()},
      {"SuggestionDepth", core.SuggestionDepth()},
      {"SuggestionDepthIncrement", core.SuggestionDepthIncrement()},
      {"MinSuggestionScore", core.MinSuggestionScore()},
      {"SuggestionScoreRange", core.SuggestionScoreRange()},
      {"AutoCorrect", core.AutoCorrect()},
  };
  std::size_t checked = 0;
  for (const ControlProperty& property : ControlProperties()) {
    if (!property.coreDefault) continue;
    ++checked;
    if (property.option) {
      EXPECT_EQ(core.Option(*property.option), *property.coreDefault) << property.name;
      continue;
    }
    const auto value = parameters.find(property.name);
    ASSERT_NE(value, parameters.end()) << property.name;
    EXPECT_EQ(value->second, *property.coreDefault) << property.name;
  }
  EXPECT_EQ(checked, 21u + parameters.size());  // the 21 option properties and the parameters
  // The one deliberate difference between a bare core and a control on a form.
  EXPECT_EQ(core.SuggestionScoreRange(), 20);
  EXPECT_EQ(trov::FindControlProperty("SuggestionScoreRange")->persistedDefault.number, 50);
}

}  // namespace
