// Compressed lexicon files: detection and opening into a lexicon slot.
#ifndef TROV_COMPRESSED_FILE_H
#define TROV_COMPRESSED_FILE_H

#include <cstdint>
#include <string>

#include "lexicon/lexicon.h"

namespace trov {

// 1 when the file is a compressed lexicon, 0 when it is not (a text lexicon), -4 when it cannot be
// opened, -13 when it is a compressed lexicon of an older format.
int16_t DetectCompressedFile(const char* path);

// Opens a compressed lexicon file into slot: a negative budget loads it whole
// (LEX_COMPRESSED_RESIDENT), otherwise segments are paged in under that budget
// (LEX_COMPRESSED_PAGED, 0 = unbounded). 0 or an error code; the slot stays empty on failure.
int16_t OpenCompressedLexicon(const char* path, int32_t memoryBudget, LexiconSlot& slot);

// Copies path into buffer, cut to its size; 0, or -8 when there is no room even for the NUL.
int16_t CopyFileName(const std::string& path, char* buffer, int16_t bufferSize);

}  // namespace trov

#endif  // TROV_COMPRESSED_FILE_H
