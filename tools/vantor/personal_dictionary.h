// The pipe's personal dictionary: a user dictionary in the engine's text format, in a file the
// user owns. Words added during a session are accepted at once and written when the client asks
// for a save, as the protocol has it; the file is created by the first save that has words to
// write. A file that is there but is no dictionary is refused, never overwritten.
#ifndef VANTOR_TOOL_PERSONAL_DICTIONARY_H
#define VANTOR_TOOL_PERSONAL_DICTIONARY_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

class Speller;

// $XDG_DATA_HOME/vantor/personal.tlx, with ~/.local/share for an unset XDG_DATA_HOME (and the
// Windows application-data folder where neither is set); "" when there is no home to put it in.
std::string DefaultPersonalDictionaryPath();

class PersonalDictionary {
 public:
  // Opens path into the speller's session when the file exists. Null, with the reason in error,
  // when it exists but cannot be used.
  static std::optional<PersonalDictionary> Open(Speller& speller, std::string path,
                                                std::string& error);

  const std::string& Path() const { return path_; }
  // word: engine bytes. Accepted from now on; kept for the next save.
  void Add(const std::string& word);
  // Writes the words added since the last save, creating the file (and its folder) when it is
  // missing; the reason when that fails, the words are then kept for another try.
  std::optional<std::string> Save();

 private:
  PersonalDictionary(Speller& speller, std::string path, int16_t lexicon)
      : speller_(&speller), path_(std::move(path)), lexicon_(lexicon) {}
  std::optional<std::string> OpenOrCreateFile();

  Speller* speller_;
  std::string path_;
  int16_t lexicon_;  // the file's lexicon id, -1 until it exists
  std::vector<std::string> unsaved_;
};

}  // namespace vantor

#endif  // VANTOR_TOOL_PERSONAL_DICTIONARY_H
