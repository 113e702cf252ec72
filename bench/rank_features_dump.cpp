// Prints the features of the ranked suggestions' candidates for misspellings with known intended
// words, for choosing the ranking's weights (bench/tune_ranking.py). Input lines: the misspelling,
// a tab, the intended word (UTF-8 or the dictionaries' 8-bit set alike, as long as both agree).
// Output, one line a candidate: pair number, 1 when it is the intended word else 0, the features
// in RankFeature order, the candidate. A pair whose intended word is not among the candidates
// still gets a line "pair -1" so the tuner counts it as missed.
//   rank_features_dump DICT_DIR FREQUENCY_FILE [DEPTH] < pairs.tsv
// DEPTH is the requested depth (50, the tool's, unless given); the candidates come from the
// search at RankedSearchDepth of it, as in the ranked mode.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "suggest/rank_features.h"
#include "suggest/ranked_suggestions.h"
#include "suggest/word_frequencies.h"
#include "trov.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: rank_features_dump DICT_DIR FREQUENCY_FILE [DEPTH] < pairs.tsv\n";
    return 2;
  }
  const std::string directory = argv[1];
  const int16_t depth =
      trov::RankedSearchDepth(static_cast<int16_t>(argc == 4 ? std::atoi(argv[3]) : 50));
  std::shared_ptr<const trov::WordFrequencies> frequencies;
  if (trov::WordFrequencies::Load(argv[2], frequencies) < 0) {
    std::cerr << "cannot read " << argv[2] << "\n";
    return 1;
  }
  const int16_t session = TROV_OpenSession();
  for (const char* name : {"trovam.tlx", "trovam2.clx"}) {
    if (TROV_OpenLex(session, (directory + "/" + name).c_str(), -1) < 0) {
      std::cerr << "cannot open " << name << "\n";
      return 1;
    }
  }
  // The tool's defaults: the engine's, with split-word suggestions.
  TROV_SetOption(session, TROV_OPT_SUGGEST_SPLIT_WORDS, 1);
  std::string line;
  int pair = 0;
  while (std::getline(std::cin, line)) {
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    const std::string typed = line.substr(0, tab);
    const std::string intended = line.substr(tab + 1);
    char words[trov::kRankedCandidates * TROV_WORD_BUFFER + 1];
    int16_t scores[trov::kRankedCandidates];
    if (TROV_Suggest(session, typed.c_str(), depth, words, sizeof words, scores,
                     trov::kRankedCandidates) < 0) {
      continue;
    }
    bool found = false;
    int place = 0;
    for (const char* word = words; *word != '\0';
         word += std::char_traits<char>::length(word) + 1) {
      const trov::RankFeatures features =
          trov::DescribeCandidate(typed.c_str(), word, place, scores[place], frequencies.get());
      const bool hit = intended == word;
      found = found || hit;
      std::cout << pair << '\t' << (hit ? 1 : 0);
      for (double value : features) std::cout << '\t' << value;
      std::cout << '\t' << word << '\n';
      ++place;
    }
    if (!found) std::cout << pair << "\t-1\n";
    ++pair;
  }
  TROV_CloseSession(session);
  return 0;
}
