// Opening a compressed lexicon file in the form its memory budget asks for.
#include "lexicon/compressed/compressed_file.h"

#include <cstring>
#include <memory>
#include <new>

#include "base/log.h"
#include "lexicon/compressed/resident_lexicon.h"
#include "lexicon/compressed/lexicon_compiler_access.h"
#include "lexicon/compressed/paged_lexicon.h"
#include "trov.h"

namespace trov {
namespace {

template <typename Kind, typename... Args>
int16_t OpenInto(LexiconSlot& slot, const char* path, Args... args) {
  std::unique_ptr<Kind> kind(new (std::nothrow) Kind);
  if (!kind) {
    LogLine("%s: out of memory", path);
    return TROV_ERR_NO_MEMORY;
  }
  if (int16_t rc = kind->Open(path, args...); rc < 0) return rc;
  slot = std::move(kind);
  return 0;
}

}  // namespace

int16_t CopyFileName(const std::string& path, char* buffer, int16_t bufferSize) {
  if (bufferSize <= 0) return TROV_ERR_BUFFER_FULL;
  std::size_t n = path.size() < static_cast<std::size_t>(bufferSize - 1)
                      ? path.size()
                      : static_cast<std::size_t>(bufferSize - 1);
  std::memcpy(buffer, path.data(), n);
  buffer[n] = '\0';
  return 0;
}

int16_t OpenCompressedLexicon(const char* path, int32_t memoryBudget, LexiconSlot& slot) {
  if (memoryBudget < 0) return OpenInto<ResidentLexicon>(slot, path);
  return OpenInto<PagedLexicon>(slot, path, memoryBudget);
}

int16_t VisitCompressedWords(const char* path, const std::function<bool(const char*)>& visit) {
  ResidentLexicon lexicon;
  if (const int16_t result = lexicon.Open(path); result < 0) return result;
  return lexicon.ForEachWord(visit);
}

}  // namespace trov
