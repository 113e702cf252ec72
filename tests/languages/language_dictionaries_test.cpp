// Each built main dictionary against its own word list, through the tool's speller: the words the
// character set holds are accepted, one-edit misspellings of a deterministic sample get their word
// back among the first five suggestions, and the list's letters pass UTF-8 -> set -> UTF-8
// unchanged.
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "language_fixture.h"
#include "tool.h"
#include "trov.h"
#include "trov_ext.h"
#include "utf8.h"

namespace vantor {
namespace {

// Natively the acceptance test checks whole lists up to kWholeListLimit words and an even sample
// of kAcceptanceSample words of the longer ones: their long segments (Polish has 4.3 million
// words, hundreds of thousands under one three-letter key) make a lookup cost up to 1.4 ms.
// Under the sanitizers, which slow every lookup many times, every list is sampled.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kWholeListLimit = 0;
constexpr std::size_t kAcceptanceSample = 2'000;
constexpr std::size_t kMisspellings = 40;
#else
constexpr std::size_t kWholeListLimit = 500'000;
constexpr std::size_t kAcceptanceSample = 5'000;
constexpr std::size_t kMisspellings = 200;
#endif
constexpr std::size_t kTopSuggestions = 5;

std::size_t Stride(std::size_t count, std::size_t wanted) {
  return std::max<std::size_t>(1, count / wanted);
}

bool AllLetters(const std::string& word, int set) {
  return std::all_of(word.begin(), word.end(), [set](char c) {
    return (TROV_CharSetClassExt(static_cast<int16_t>(set), static_cast<uint8_t>(c)) & 0x01) != 0;
  });
}

// One edit at a position inside the word, the kind taking turns: a letter dropped, two swapped,
// one doubled, one replaced by another letter of the same word.
std::string Misspell(const std::string& word, std::size_t turn) {
  std::string wrong = word;
  const std::size_t at = 1 + turn % (word.size() - 2);
  switch (turn % 4) {
    case 0:
      wrong.erase(at, 1);
      break;
    case 1:
      std::swap(wrong[at], wrong[at + 1]);
      break;
    case 2:
      wrong.insert(at, 1, wrong[at]);
      break;
    default:
      wrong[at] = word[(at + 2) % word.size()];
      break;
  }
  return wrong;
}

// Entries spelled with an apostrophe meet rules made for English text: the possessive rule looks
// up "Kinko's" as "Kinko", and a closing apostrophe (French and Esperanto elision, "aujourd'",
// "abak'") reads as a quotation mark. Those are counted and shown, not required.
TEST_P(LanguageDictionary, AcceptsTheWordsOfItsListThatTheSetHolds) {
  const int16_t session = speller_->Session();
  const std::size_t stride =
      words_.size() <= kWholeListLimit ? 1 : Stride(words_.size(), kAcceptanceSample);
  std::size_t checked = 0;
  std::vector<std::string> rejected;
  std::vector<std::string> rejectedWithApostrophe;
  char replacement[TROV_MAX_WORD + 1];
  for (std::size_t i = 0; i < words_.size(); i += stride) {
    ++checked;
    if (TROV_CheckText(session, words_[i].c_str(), replacement, sizeof replacement) == 0) continue;
    const bool apostrophe = words_[i].find('\'') != std::string::npos;
    (apostrophe ? rejectedWithApostrophe : rejected)
        .push_back(speller_->Charset().ToUtf8(words_[i]));
  }
  std::printf(
      "[ %s ] %zu of %zu held words checked (every %zu.), %d left out by the set, %zu "
      "with an apostrophe rejected%s%s\n",
      std::string(GetParam().code).c_str(), checked, words_.size(), stride, conversion_.LeftOut(),
      rejectedWithApostrophe.size(), rejectedWithApostrophe.empty() ? "" : ", first: ",
      rejectedWithApostrophe.empty() ? "" : rejectedWithApostrophe.front().c_str());
  std::string shown;
  for (std::size_t i = 0; i < rejected.size() && i < 12; ++i) shown += " " + rejected[i];
  EXPECT_TRUE(rejected.empty()) << rejected.size() << " rejected:" << shown;
}

TEST_P(LanguageDictionary, SuggestsTheWordForOneEditMisspellings) {
  const int16_t session = speller_->Session();
  const int set = GetParam().characterSet;
  std::vector<const std::string*> candidates;
  for (const std::string& word : words_) {
    if (word.size() >= 5 && word.size() <= 12 && AllLetters(word, set)) candidates.push_back(&word);
  }
  ASSERT_GE(candidates.size(), kMisspellings);
  const std::size_t stride = Stride(candidates.size(), kMisspellings);
  std::size_t tried = 0;
  std::size_t found = 0;
  char replacement[TROV_MAX_WORD + 1];
  for (std::size_t i = 0; i < candidates.size() && tried < kMisspellings; i += stride) {
    const std::string& word = *candidates[i];
    const std::string wrong = Misspell(word, i);
    // An edit that makes another word of the language is no misspelling.
    if (TROV_CheckText(session, wrong.c_str(), replacement, sizeof replacement) == 0) continue;
    ++tried;
    const auto suggestions = speller_->SuggestFor(wrong);
    const std::size_t shown = std::min(suggestions.size(), kTopSuggestions);
    if (std::any_of(suggestions.begin(), suggestions.begin() + static_cast<std::ptrdiff_t>(shown),
                    [&](const auto& entry) { return word == entry.word; })) {
      ++found;
    }
  }
  const double share =
      tried == 0 ? 0.0 : 100.0 * static_cast<double>(found) / static_cast<double>(tried);
  std::printf("[ %s ] top-%zu share: %zu of %zu misspellings (%.0f%%)\n",
              std::string(GetParam().code).c_str(), kTopSuggestions, found, tried, share);
  RecordProperty("top5_share_percent", static_cast<int>(share + 0.5));
  ASSERT_GT(tried, kMisspellings / 2);
  // The suggestion search ranks by English typing habits; every language still gets most of its
  // single edits back near the top.
  EXPECT_GE(share, 60.0);
}

TEST_P(LanguageDictionary, LettersOfTheListPassThroughTheToolUnchanged) {
  const Language& language = GetParam();
  // Every character beyond ASCII that the list uses, and a held word for each.
  std::map<char32_t, std::string> wordFor;
  for (const std::string& word : words_) {
    const std::string utf8 = speller_->Charset().ToUtf8(word);
    for (std::size_t at = 0; at < utf8.size();) {
      const Utf8Char c = DecodeUtf8(utf8, at);
      ASSERT_GT(c.length, 0u);
      if (c.codePoint >= 0x80 && !wordFor.contains(c.codePoint) &&
          utf8.find_first_of(" '") == std::string::npos) {
        wordFor[c.codePoint] = utf8;
      }
      at += c.length;
    }
  }
  std::set<std::string> distinct;
  for (const auto& [codePoint, word] : wordFor) {
    const auto byte = speller_->Charset().ToEngineExact(codePoint);
    ASSERT_TRUE(byte) << "U+" << std::hex << static_cast<unsigned>(codePoint);
    EXPECT_EQ(speller_->Charset().FromEngine(*byte), codePoint);
    distinct.insert(word);
  }
  // One word a paragraph, so no word follows itself.
  std::string text;
  for (const std::string& word : distinct) text += word + "\n\n";
  // Through the tool: the words are accepted, and a misspelled form of each comes back as written.
  const std::vector<std::string> check = {"check", "--lang", std::string(language.code), "-"};
  std::istringstream in(text);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunTool(check, TROV_DICT_DIR, ToolStreams{in, out, err}), kExitClean)
      << out.str() << err.str();
  for (const auto& [codePoint, word] : wordFor) {
    const std::vector<std::string> suggest = {"suggest", "--lang", std::string(language.code),
                                              word + word};
    std::istringstream none;
    std::ostringstream said;
    RunTool(suggest, TROV_DICT_DIR, ToolStreams{none, said, err});
    EXPECT_EQ(said.str().substr(0, 2 * word.size() + 1), word + word + "\t") << word;
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageDictionary, ::testing::ValuesIn(Languages()),
                         LanguageTestName);

}  // namespace
}  // namespace vantor
