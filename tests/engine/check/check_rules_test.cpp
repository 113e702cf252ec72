#include "check/check_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/text/check_test_session.h"
#include "trov.h"

namespace trov {
namespace {

struct Outcome {
  int16_t flags;
  std::string replacement;
  int32_t adjustment;
};

class CheckRules : public test::CheckTestSession {
 protected:
  void SetUp() override {
    CheckTestSession::SetUp();
    for (const char* word : {"hello", "the", "Paris", "McDonald", "well", "NASA"}) Add(word);
    Add("teh", 'a', "the");
    Add("hte", 'A', "the");
    Add("alot", 'c', "a lot");
    Add("wierd", 'e');
  }

  Outcome Check(const std::string& word) { return CheckWith(word, Options()); }
  void ExpectCheck(const std::string& word, int expectedFlags,
                   const std::string& expectedReplacement, const char* note = "") {
    const Outcome outcome = Check(word);
    EXPECT_EQ(outcome.flags, expectedFlags) << word << ": " << note;
    EXPECT_EQ(outcome.replacement, expectedReplacement) << word << ": " << note;
  }
  Outcome CheckWith(const std::string& word, uint32_t options) {
    const auto lexicons = Lexicons();
    char replacement[TROV_WORD_BUFFER] = "untouched";
    int32_t adjustment = 0;
    const int16_t flags = CheckWord(word.c_str(), lexicons.get(), options, replacement,
                                    sizeof replacement, &adjustment);
    return {flags, replacement, adjustment};
  }
};

TEST_F(CheckRules, KnownWordsInTheirCapitalisationVariants) {
  ExpectCheck("hello", 0, "hello");
  ExpectCheck("helo", TROV_RESULT_MISSPELLED, "helo");
  ExpectCheck("The", 0, "The");
  ExpectCheck("Hello", 0, "Hello");
  ExpectCheck("HELLO", 0, "HELLO");
  ExpectCheck("hElLo", TROV_RESULT_MISSPELLED, "hElLo");
  ExpectCheck("PARIS", 0, "PARIS");
  Set(TROV_OPT_CASE_SENSITIVE, false);
  ExpectCheck("hElLo", 0, "hElLo");
  ExpectCheck("paris", 0, "paris");
}

TEST_F(CheckRules, WordKnownOnlyCapitalised) {
  ExpectCheck("paris", TROV_RESULT_MISSPELLED | TROV_RESULT_CAPITALIZATION, "Paris");
  ExpectCheck("nasa", TROV_RESULT_MISSPELLED | TROV_RESULT_CAPITALIZATION, "NASA");
  ExpectCheck("mcdonald", TROV_RESULT_MISSPELLED, "mcdonald",
              "neither capitalised nor all capitals matches McDonald");
  Set(TROV_OPT_CATCH_CAPITALIZATION_ERRORS, false);
  ExpectCheck("paris", TROV_RESULT_MISSPELLED, "paris");
}

TEST_F(CheckRules, ActionsDecideTheFlagsAndReplacement) {
  ExpectCheck("teh", TROV_RESULT_AUTO_CHANGE, "the");
  ExpectCheck("Teh", TROV_RESULT_AUTO_CHANGE, "the", "a: the other word's own case");
  ExpectCheck("Hte", TROV_RESULT_AUTO_CHANGE, "The", "A: the checked word's case");
  ExpectCheck("HTE", TROV_RESULT_AUTO_CHANGE, "THE");
  ExpectCheck("alot", TROV_RESULT_COND_CHANGE, "a lot");
  ExpectCheck("wierd", TROV_RESULT_MISSPELLED, "wierd",
              "an excluded word keeps itself as the replacement");
}

TEST_F(CheckRules, FirstLexiconInSlotOrderDecides) {
  const int16_t second = TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY);
  ASSERT_EQ(TROV_AddToLex(session, second, "hello", 'e', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(session, second, "zonk", 'a', "zap"), 0);
  ExpectCheck("hello", 0, "hello");
  ExpectCheck("zonk", TROV_RESULT_AUTO_CHANGE, "zap");
  // A closed slot in front answers nothing and is passed over.
  ASSERT_EQ(TROV_CloseLex(session, lex), 0);
  ExpectCheck("hello", TROV_RESULT_MISSPELLED, "hello");
  ExpectCheck("zonk", TROV_RESULT_AUTO_CHANGE, "zap");
}

TEST_F(CheckRules, PossessivesAreLookedUpWithoutTheirEnding) {
  ExpectCheck("hello's", 0, "hello's");
  ExpectCheck("hellos'", TROV_RESULT_MISSPELLED, "hellos'");
  ExpectCheck("teh's", TROV_RESULT_AUTO_CHANGE, "the's");
  ExpectCheck("teh\x92s", TROV_RESULT_AUTO_CHANGE, "the\x92s");
  EXPECT_EQ(Check("'s").flags, 0) << "nothing left to look up";
  Set(TROV_OPT_STRIP_POSSESSIVES, false);
  ExpectCheck("hello's", TROV_RESULT_MISSPELLED, "hello's");
}

TEST_F(CheckRules, HyphenatedWordsAreCheckedInParts) {
  Outcome outcome = Check("well-teh");
  EXPECT_EQ(outcome.flags, TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(outcome.replacement, "the");
  EXPECT_EQ(outcome.adjustment, 5);
  outcome = Check("well-well-teh");
  EXPECT_EQ(outcome.flags, TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(outcome.adjustment, 10) << "nested parts add their offsets";
  outcome = Check("well-xyzzy");
  EXPECT_EQ(outcome.flags, TROV_RESULT_MISSPELLED);
  EXPECT_EQ(outcome.replacement, "xyzzy");
  EXPECT_EQ(outcome.adjustment, 5);
  outcome = Check("teh-well");
  EXPECT_EQ(outcome.flags, TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(outcome.replacement, "the");
  EXPECT_EQ(outcome.adjustment, 0);
  outcome = Check("xyzzy-well");
  EXPECT_EQ(outcome.flags, TROV_RESULT_MISSPELLED);
  EXPECT_EQ(outcome.replacement, "xyzzy-well") << "a bad first part reports the whole word";
  EXPECT_EQ(outcome.adjustment, 0);
  ExpectCheck("well-hello", 0, "well-hello");
  ExpectCheck("hello-", TROV_RESULT_MISSPELLED, "hello-", "nothing after the hyphen");
  Set(TROV_OPT_SPLIT_HYPHENATED_WORDS, false);
  ExpectCheck("well-hello", TROV_RESULT_MISSPELLED, "well-hello");
}

TEST_F(CheckRules, ContractionsSplitAtTheApostrophe) {
  Set(TROV_OPT_SPLIT_HYPHENATED_WORDS, false);
  Set(TROV_OPT_SPLIT_CONTRACTED_WORDS, true);
  const Outcome outcome = Check("hello'teh");
  EXPECT_EQ(outcome.flags, TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(outcome.replacement, "the");
  EXPECT_EQ(outcome.adjustment, 6);
  ExpectCheck("well-teh", TROV_RESULT_MISSPELLED, "well-teh");
}

TEST_F(CheckRules, SplitWordsAcceptTwoKnownWords) {
  Set(TROV_OPT_SPLIT_WORDS, true);
  ExpectCheck("hellothe", 0, "hellothe");
  ExpectCheck("hellox", TROV_RESULT_MISSPELLED, "hellox");
  ExpectCheck("thehellothe", 0, "thehellothe", "the right part may split again");
  ExpectCheck("helloparis", 0, "helloparis", "the right part may be capitalised");
  ExpectCheck("parishello", TROV_RESULT_MISSPELLED, "parishello", "the left part may not");
}

TEST_F(CheckRules, SplitWordsStayPolynomialOnRepetitiveWords) {
  Set(TROV_OPT_SPLIT_WORDS, true);
  Add("aa");
  Add("aaa");
  // Every prefix of two or three letters is a word, so the split points nest 40 deep.
  const std::string word = std::string(79, 'a') + "b";
  ExpectCheck(word, TROV_RESULT_MISSPELLED, word);
  ExpectCheck(std::string(80, 'a'), 0, std::string(80, 'a'));
}

TEST_F(CheckRules, MixedCaseWords) {
  Set(TROV_OPT_CATCH_MIXED_CASE_WORDS, true);
  ExpectCheck("HeLLo", TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_CASE, "Hello");
  ExpectCheck("McDonald", TROV_RESULT_MIXED_CASE, "Mcdonald");
  ExpectCheck("iPhone", TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_CASE, "iphone");
  ExpectCheck("McDonald's", TROV_RESULT_MIXED_CASE, "Mcdonald's");
  Set(TROV_OPT_IGNORE_MIXED_CASE_WORDS, true);
  ExpectCheck("HeLLo", 0, "HeLLo");
}

TEST_F(CheckRules, WordsWithDigits) {
  ExpectCheck("abc123", TROV_RESULT_MISSPELLED, "abc123");
  ExpectCheck("123", 0, "123", "no letter: ignored by default");
  Set(TROV_OPT_CATCH_WORDS_WITH_DIGITS, true);
  ExpectCheck("abc123", TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_DIGITS, "abc 123");
  ExpectCheck("4th", TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_DIGITS, "4 th");
  ExpectCheck("a1b2", TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_DIGITS, "a 1 b 2");
  const auto lexicons = Lexicons();
  char small[6];
  EXPECT_EQ(CheckWord("abc123", lexicons.get(), Options(), small, sizeof small, nullptr),
            TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_DIGITS);
  EXPECT_STREQ(small, "abc 1") << "blanks go in while the buffer has room";
  Set(TROV_OPT_IGNORE_NON_ALPHA_WORDS, false);
  ExpectCheck("123", TROV_RESULT_MISSPELLED, "123");
}

TEST_F(CheckRules, AccentsLeftOffCapitals) {
  Add("\xE9t\xE9");  // été
  Add("\xE9"
      "clair");  // éclair
  Add("\xE9l\xE8ve", 'A', "pupil");
  Set(TROV_OPT_ALLOW_ACCENTED_CAPS, false);
  ExpectCheck("ETE", 0, "ETE");
  ExpectCheck("Eclair", 0, "Eclair");
  ExpectCheck("\xC9T\xC9", TROV_RESULT_MISSPELLED, "\xC9T\xC9");
  ExpectCheck("Ete", TROV_RESULT_MISSPELLED, "Ete", "only the first letter is varied");
  ExpectCheck("ELEVE", TROV_RESULT_AUTO_CHANGE, "PUPIL", "the trial is the pattern");
  ExpectCheck("hello", 0, "hello");
  Set(TROV_OPT_ALLOW_ACCENTED_CAPS, true);
  ExpectCheck("ETE", TROV_RESULT_MISSPELLED, "ETE");
  ExpectCheck("\xC9T\xC9", 0, "\xC9T\xC9");
}

TEST_F(CheckRules, LongCapitalWordsFindTheirAccentsNearTheEnd) {
  Add("internationalis\xE9"
      "e");
  Add("d\xE9"
      "c\xE9l\xE9r\xE9");
  Set(TROV_OPT_ALLOW_ACCENTED_CAPS, false);
  ExpectCheck("INTERNATIONALISEE", 0, "INTERNATIONALISEE");
  ExpectCheck("DECELERE", 0, "DECELERE", "four accents");
  ExpectCheck("INTERNATIONALISE", TROV_RESULT_MISSPELLED, "INTERNATIONALISE");
}

TEST_F(CheckRules, AccentRestorationOfLongCapitalWordsEnds) {
  Set(TROV_OPT_ALLOW_ACCENTED_CAPS, false);
  std::string vowels;
  for (int i = 0; i < 16; ++i) vowels += "AEIOU";
  ExpectCheck(vowels, TROV_RESULT_MISSPELLED, vowels);
}

TEST_F(CheckRules, CapitalsWithoutBaseLetterAreNotAccented) {
  ASSERT_TRUE(SelectCharSet(5));
  Add("\xB1\xD0\xD1");  // a Cyrillic capital and two small letters
  Set(TROV_OPT_ALLOW_ACCENTED_CAPS, false);
  ExpectCheck("\xB1\xD0\xD1", 0, "\xB1\xD0\xD1");
  ExpectCheck("\xB1\xD0\xD2", TROV_RESULT_MISSPELLED, "\xB1\xD0\xD2");
}

TEST_F(CheckRules, IgnoreRulesAcceptWithoutLookup) {
  Set(TROV_OPT_IGNORE_CAPITALIZED_WORDS, true);
  ExpectCheck("Xyzzy", 0, "Xyzzy");
  ExpectCheck("xyzzy", TROV_RESULT_MISSPELLED, "xyzzy");
  Set(TROV_OPT_IGNORE_DOMAIN_NAMES, true);
  ExpectCheck("file.txt", 0, "file.txt");
  ExpectCheck("ver2.10", 0, "ver2.10");
}

TEST_F(CheckRules, EntitiesAreDecodedBeforeLookup) {
  Add("caf\xE9");
  ExpectCheck("caf&eacute;", TROV_RESULT_MISSPELLED, "caf&eacute;");
  Set(TROV_OPT_IGNORE_HTML_MARKUPS, true);
  ExpectCheck("caf&eacute;", 0, "caf&eacute;");
  ExpectCheck("CAF&Eacute;", 0, "CAF&Eacute;");
}

TEST_F(CheckRules, WithoutSpellingOnlyTheShapeRulesApply) {
  Set(TROV_OPT_CHECK_SPELLING, false);
  Set(TROV_OPT_CATCH_MIXED_CASE_WORDS, true);
  ExpectCheck("helo", 0, "helo");
  ExpectCheck("HeLLo", TROV_RESULT_MIXED_CASE, "Hello");
  Set(TROV_OPT_ALLOW_ACCENTED_CAPS, false);
  ExpectCheck("\xC9t\xE9", TROV_RESULT_MISSPELLED, "\xC9t\xE9");
}

TEST_F(CheckRules, NoReplacementBufferAndNoAdjustmentAreFine) {
  const auto lexicons = Lexicons();
  EXPECT_EQ(CheckWord("well-teh", lexicons.get(), Options(), nullptr, 0, nullptr),
            TROV_RESULT_AUTO_CHANGE);
  const uint32_t shapes =
      Options() | TROV_OPT_CATCH_MIXED_CASE_WORDS | TROV_OPT_CATCH_WORDS_WITH_DIGITS;
  EXPECT_EQ(CheckWord("HeLLo", lexicons.get(), shapes, nullptr, 0, nullptr),
            TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_CASE);
  EXPECT_EQ(CheckWord("a1", lexicons.get(), shapes, nullptr, 0, nullptr),
            TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_DIGITS);
  char tiny[3];
  EXPECT_EQ(CheckWord("teh's", lexicons.get(), Options(), tiny, sizeof tiny, nullptr),
            TROV_RESULT_AUTO_CHANGE);
  EXPECT_STREQ(tiny, "th");
}

TEST_F(CheckRules, LookupAndFindInLexicons) {
  const auto lexicons = Lexicons();
  const uint32_t options = Options();
  char replacement[TROV_WORD_BUFFER] = "kept";
  EXPECT_EQ(FindInLexicons("hello", "hello", lexicons.get(), options, true, replacement,
                           sizeof replacement),
            'i');
  EXPECT_STREQ(replacement, "kept") << "an ignore entry does not touch the replacement";
  EXPECT_EQ(FindInLexicons("HELLO", "HELLO", lexicons.get(), options, true, replacement,
                           sizeof replacement),
            TROV_ERR_NOT_FOUND);
  EXPECT_EQ(FindInLexicons("HELLO", "HELLO", lexicons.get(), options, false, replacement,
                           sizeof replacement),
            'i');
  EXPECT_EQ(LookupWord("wierd", lexicons.get(), options, nullptr, 0), TROV_RESULT_EXCLUDED);
  EXPECT_EQ(LookupWord("Alot", lexicons.get(), options, replacement, sizeof replacement),
            TROV_RESULT_COND_CHANGE);
  EXPECT_STREQ(replacement, "a lot");
}

}  // namespace
}  // namespace trov
