// What selecting a language changes in the tool, and the case rules as German spells them.
#include <gtest/gtest.h>

#include "language_fixture.h"
#include "trov.h"
#include "trov_ext.h"

namespace vantor {
namespace {

int16_t Check(Speller& speller, const std::string& utf8) {
  const auto engine = speller.Charset().FromEncoding(utf8, TextEncoding::Utf8());
  EXPECT_TRUE(engine) << utf8;
  char replacement[TROV_MAX_WORD + 1];
  return TROV_CheckText(speller.Session(), engine->c_str(), replacement, sizeof replacement);
}

TEST(LanguageChoice, CodeTagAndNameSelectTheSameLanguage) {
  for (const char* name : {"ge", "de-DE", "de_de", "German", "GERMAN", "deutsch"}) {
    const Language* language = FindLanguage(name);
    ASSERT_NE(language, nullptr) << name;
    EXPECT_EQ(language->code, "ge") << name;
  }
  EXPECT_EQ(FindLanguage("klingon"), nullptr);
  EXPECT_EQ(FindLanguage(""), nullptr);
}

TEST(LanguageChoice, SetsTheCharacterSetAndDictionariesThatWereNotGiven) {
  const std::vector<std::string> polish = {"--lang", "pl-PL", "--phonetic"};
  const ToolOptions options = ParseArguments(kCheck, polish).options;
  EXPECT_EQ(options.characterSet, 2);
  EXPECT_EQ(options.mainDictionaries, "trovpl2.clx");
  EXPECT_EQ(options.userDictionaries, "userdic.tlx") << "English typing errors stay out";
  EXPECT_FALSE(options.switches.at(trov::OptionProperty::kPhoneticSuggestions));

  const std::vector<std::string> given = {"--main", "mine.clx", "--charset", "3"};
  const ToolOptions kept = ParseArguments(kCheck, given, "bg").options;
  EXPECT_EQ(kept.mainDictionaries, "mine.clx");
  EXPECT_EQ(kept.characterSet, 3);
  EXPECT_EQ(kept.userDictionaries, "userdic.tlx");

  const std::vector<std::string> british = {"--phonetic"};
  const ToolOptions english = ParseArguments(kCheck, british, "en-GB").options;
  EXPECT_EQ(english.mainDictionaries, "trovbr2.clx");
  EXPECT_TRUE(english.switches.at(trov::OptionProperty::kPhoneticSuggestions));

  const std::vector<std::string> none;
  const ParsedArguments unknown = ParseArguments(kCheck, none, "xx-YY");
  EXPECT_EQ(unknown.error, "unknown language 'xx-YY'");
}

TEST(LanguageChoice, IspellDictionaryNameSelectsALanguageElseAFile) {
  const std::vector<std::string> byName = {"-a", "-d", "francais"};
  EXPECT_EQ(ParseArguments(kPipe, byName).options.mainDictionaries, "trovfr2.clx");
  const std::vector<std::string> polish = {"-a", "-dpolski"};
  EXPECT_EQ(ParseArguments(kPipe, polish).options.characterSet, 2);
  const std::vector<std::string> byFile = {"-a", "-d", "my.clx"};
  const ToolOptions file = ParseArguments(kPipe, byFile).options;
  EXPECT_EQ(file.mainDictionaries, "my.clx");
  EXPECT_EQ(file.characterSet, 1);
}

class GermanCase : public LanguageDictionary {};

TEST_P(GermanCase, NounsKeepTheirCapitalAndSharpSHasNoCapital) {
  Speller& speller = *speller_;
  // Swiss spelling writes ss where German writes ß.
  const bool swiss = GetParam().code == "sg";
  const std::string street = swiss ? "Strasse" : "Straße";
  EXPECT_EQ(Check(speller, "Hund"), 0);
  EXPECT_EQ(Check(speller, street), 0);
  EXPECT_NE(Check(speller, swiss ? "Straße" : "Strasse"), 0);
  EXPECT_EQ(Check(speller, "laufen"), 0);
  EXPECT_EQ(Check(speller, "Laufen"), 0) << "a verb may start a sentence";
  EXPECT_NE(Check(speller, "hund"), 0) << "a noun keeps its capital";
  EXPECT_NE(Check(speller, swiss ? "strasse" : "straße"), 0);
  // The set has no capital sharp s: upper-casing leaves it as it is, so a word in capitals keeps
  // a lower-case letter and is not read as all capitals.
  const auto sharpS = speller.Charset().ToEngineExact(U'ß');
  ASSERT_TRUE(sharpS);
  EXPECT_EQ(speller.Charset().ToEngineExact(U'ẞ'), std::nullopt);
  EXPECT_EQ(TROV_CharSetClassExt(1, *sharpS) & 0x30, 0x10) << "lower case only";
  EXPECT_EQ(Check(speller, "HUND"), 0);
}

INSTANTIATE_TEST_SUITE_P(German, GermanCase,
                         ::testing::Values(*FindLanguage("ge"), *FindLanguage("sg")),
                         LanguageTestName);

}  // namespace
}  // namespace vantor
