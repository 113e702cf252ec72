// One language's built dictionary opened through the tool's speller, with the held words of the
// word list it was built from.
#ifndef VANTOR_TESTS_LANGUAGE_FIXTURE_H
#define VANTOR_TESTS_LANGUAGE_FIXTURE_H

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "language.h"
#include "lexicon_compiler.h"
#include "speller.h"
#include "tool_options.h"

namespace vantor {

class LanguageDictionary : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override {
    const Language& language = GetParam();
    if (!std::filesystem::exists(std::filesystem::path(TROV_DICT_DIR) /
                                 MainDictionaryFile(language))) {
      GTEST_SKIP() << MainDictionaryFile(language) << " is not built (install " << language.package
                   << ")";
    }
    const std::vector<std::string> arguments = {"--lang", std::string(language.code)};
    const ParsedArguments parsed = ParseArguments(kCheck, arguments);
    ASSERT_EQ(parsed.error, "");
    auto opened = Speller::Open(parsed.options, TROV_DICT_DIR, true);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<Speller>>(opened))
        << std::get<std::string>(opened);
    speller_ = std::move(std::get<std::unique_ptr<Speller>>(opened));
    ASSERT_TRUE(speller_->Warnings().empty()) << speller_->Warnings().front();

    std::string error;
    ASSERT_TRUE(trov::lexcompile::ReadWordListInSet(Utf8ListPath(language), language.characterSet,
                                                    words_, conversion_, error))
        << error;
    ASSERT_FALSE(words_.empty());
  }

  // The build converts 8-bit lists to UTF-8 beside its dictionaries.
  static std::string Utf8ListPath(const Language& language) {
    const std::string name(language.wordList);
    if (language.listEncoding == "UTF-8") return "/usr/share/dict/" + name;
    return std::string(TROV_CONVERTED_LISTS) + "/" + name + ".utf8";
  }

  std::unique_ptr<Speller> speller_;
  std::vector<std::string> words_;  // engine bytes
  trov::lexcompile::SetConversion conversion_;
};

inline void PrintTo(const Language& language, std::ostream* out) { *out << language.code; }

inline std::string LanguageTestName(const ::testing::TestParamInfo<Language>& info) {
  return std::string(info.param.code);
}

}  // namespace vantor

#endif  // VANTOR_TESTS_LANGUAGE_FIXTURE_H
