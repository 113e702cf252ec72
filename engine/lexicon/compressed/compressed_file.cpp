// Opening a compressed lexicon file in the form its memory budget asks for.
#include "lexicon/compressed/compressed_file.h"

#include <memory>
#include <new>

#include "lexicon/compressed/compressed_image.h"
#include "lexicon/compressed/paged_lexicon.h"
#include "base/log.h"
#include "trov.h"

namespace trov {
namespace {

template <typename Kind, typename... Args>
int16_t OpenInto(Lexicon& slot, LexType type, const char* path, Args... args) {
  std::unique_ptr<Kind> kind(new (std::nothrow) Kind);
  if (!kind) {
    LogLine("%s: out of memory", path);
    return TROV_ERR_NO_MEMORY;
  }
  if (int16_t rc = kind->Open(path, args...); rc < 0) return rc;
  slot.type = type;
  slot.state = kind.release();
  return 0;
}

}  // namespace

int16_t OpenCompressedLexicon(const char* path, int32_t memoryBudget, Lexicon& slot) {
  if (memoryBudget < 0) return OpenInto<ResidentLexicon>(slot, LEX_COMPRESSED_RESIDENT, path);
  return OpenInto<PagedLexicon>(slot, LEX_COMPRESSED_PAGED, path, memoryBudget);
}

}  // namespace trov
