// What the lexicon compiler may use of the engine besides trov.h and trov_ext.h: the compressed
// file format it writes (magic, sections, index entries, keys, entry codes, suffix limits) and
// the reading back of a written file through the engine's own reader, so that a dump or a
// verification proves what the engine will see.
#ifndef TROV_LEXICON_COMPILER_ACCESS_H
#define TROV_LEXICON_COMPILER_ACCESS_H

#include <cstdint>
#include <functional>

#include "lexicon/compressed/compressed_format.h"
#include "lexicon/compressed/compressed_segment.h"

namespace trov {

// Opens path as a compressed lexicon held in memory and hands every word it holds to visit in
// ascending byte order until visit answers false; 0, or the error of the opening or of a segment
// that could not be read.
int16_t VisitCompressedWords(const char* path, const std::function<bool(const char*)>& visit);

}  // namespace trov

#endif  // TROV_LEXICON_COMPILER_ACCESS_H
