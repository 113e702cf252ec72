// TROV_Suggest: runs the suggestion search on a copy of the session's lexicon list and options,
// then copies the ranked words out as consecutive zero-terminated strings.
#include <cstring>
#include <memory>
#include <new>

#include "base/log.h"
#include "api/session.h"
#include "suggest/collect_suggestions.h"
#include "suggest/ranked_suggestions.h"
#include "trov.h"

using namespace trov;

extern "C" int16_t TROV_Suggest(int16_t sessionId, const char* word, int16_t depth,
                                char* suggestions, int32_t suggestionsSize, int16_t* scores,
                                int16_t scoresSize) {
  ApiFrame frame("TROV_Suggest");
  Session* session = frame.FindSession(sessionId);
  if (session == nullptr) return TROV_ERR_BAD_SESSION;
  if (suggestionsSize > 0) suggestions[0] = '\0';

  const int32_t capacity = scoresSize > 0 ? scoresSize : 0;
  std::unique_ptr<SuggestionEntry[]> entries(new (std::nothrow)
                                                 SuggestionEntry[capacity > 0 ? capacity : 1]);
  if (!entries) {
    LogLine("TROV_Suggest: out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  const std::unique_ptr<Lexicon*[]> lexicons = ApiFrame::CopyLexiconList(*session);
  if (!lexicons) {
    LogLine("TROV_Suggest: Out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  const uint32_t options = session->options;
  const std::shared_ptr<const WordFrequencies> frequencies = session->frequencies;
  frame.Release();

  SuggestionList list({entries.get(), static_cast<size_t>(capacity)});
  try {
    if (word != nullptr && (options & TROV_OPT_RANKED_SUGGESTIONS) != 0) {
      CollectRankedSuggestions(word, depth, lexicons.get(), options, frequencies.get(), list);
    } else if (word != nullptr) {
      CollectSuggestions(word, depth, lexicons.get(), options, list);
    }
  } catch (const std::bad_alloc&) {
    LogLine("TROV_Suggest: out of memory");
    return TROV_ERR_NO_MEMORY;
  }

  int32_t used = 0;
  for (int32_t i = 0; i < list.Count(); ++i) {
    const auto length = static_cast<int32_t>(std::strlen(list[i].word));
    if (used + length + 1 >= suggestionsSize) {
      LogLine("TROV_Suggest: buffer too small");
      return TROV_ERR_BUFFER_FULL;
    }
    std::memcpy(suggestions + used, list[i].word, static_cast<size_t>(length) + 1);
    used += length + 1;
    scores[i] = list[i].score;
  }
  // The list ends with an empty word, so the caller needs room for at least this byte.
  if (used < suggestionsSize) suggestions[used] = '\0';
  return 0;
}
