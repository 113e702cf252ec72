#include "engine_error.h"

#include "trov.h"

namespace vantor {

std::string EngineErrorText(int16_t code) {
  struct Meaning {
    int16_t code;
    const char* text;
  };
  static constexpr Meaning kMeanings[] = {
      {TROV_ERR_NOT_FOUND, "word not in the dictionary"},
      {TROV_ERR_FILE_OPEN, "cannot open the file"},
      {TROV_ERR_BAD_ACTION, "the action must be one of i e a A c C"},
      {TROV_ERR_BUFFER_FULL, "too long"},
      {TROV_ERR_NO_MEMORY, "out of memory"},
      {TROV_ERR_UNSUPPORTED, "not supported"},
      {TROV_ERR_EXISTS, "the file exists already"},
      {TROV_ERR_BAD_CHAR, "the word holds a character the dictionary cannot store"},
      {TROV_ERR_READ, "read error"},
      {TROV_ERR_WRITE, "cannot write the file"},
      {TROV_ERR_CREATE, "cannot create the file"},
      {TROV_ERR_BAD_FORMAT, "not a valid dictionary file"},
  };
  for (const Meaning& meaning : kMeanings) {
    if (meaning.code == code)
      return std::string(meaning.text) + " (error " + std::to_string(code) + ")";
  }
  return "error " + std::to_string(code);
}

}  // namespace vantor
