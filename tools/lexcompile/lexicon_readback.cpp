// Reading a compiled lexicon back goes through the engine's own reader, so a dump or a
// verification proves what the engine will see.
#include <algorithm>

#include "lexicon/compressed/lexicon_compiler_access.h"
#include "lexicon_compiler.h"
#include "trov.h"

namespace trov::lexcompile {

bool DumpLexicon(const std::string& path, std::vector<std::string>& words, std::string& error) {
  words.clear();
  const int16_t result = VisitCompressedWords(path.c_str(), [&](const char* word) {
    words.emplace_back(word);
    return true;
  });
  if (result == 0) return true;
  error = "cannot open " + path + " as a compressed lexicon (" + std::to_string(result) + ")";
  return false;
}

bool FindMissingWords(const std::string& path, const std::vector<std::string>& list,
                      std::vector<std::string>& missing, std::string& error) {
  // Every word the engine's reader decodes from the file, sorted: one pass over the file instead
  // of a lookup per word, which for long segments (Polish holds hundreds of thousands of words
  // under one three-letter key) would decode the same segment again for every word.
  std::vector<std::string> stored;
  if (!DumpLexicon(path, stored, error)) return false;
  std::sort(stored.begin(), stored.end());
  missing.clear();
  for (const std::string& word : list) {
    // The engine looks up at most 80 characters; a longer word can never be found.
    if (word.size() > static_cast<std::size_t>(TROV_MAX_WORD) ||
        !std::binary_search(stored.begin(), stored.end(), word)) {
      missing.push_back(word);
    }
  }
  return true;
}

}  // namespace trov::lexcompile
