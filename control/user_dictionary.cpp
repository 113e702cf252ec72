// Words of user dictionaries: adding and deleting in a named file (opened for the one call when it
// is not listed), looking words up, and walking a dictionary's word list.
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "bounded_copy.h"
#include "control_core.h"
#include "path_conversion.h"
#include "trov_ext.h"

namespace trov {

struct ControlCore::Listing {
  std::unique_ptr<char[]> text;  // entries "word TAB action other" NUL..., then an empty one
  int32_t size = 0;
};

namespace {

// An entry ends at its NUL or at the listing's last byte, whichever comes first, so a walk never
// leaves the buffer.
std::string_view EntryAt(const char* entry, const char* end) {
  const void* terminator = std::memchr(entry, '\0', static_cast<std::size_t>(end - entry));
  const char* stop = terminator == nullptr ? end : static_cast<const char*>(terminator);
  return std::string_view(entry, static_cast<std::size_t>(stop - entry));
}

const char* NextEntry(const char* entry, const char* end) {
  const std::string_view current = EntryAt(entry, end);
  return entry + std::min(current.size() + 1, static_cast<std::size_t>(end - entry));
}

}  // namespace

int16_t ControlCore::ListedUserDictionary(std::string_view name) const {
  for (const DictionaryEntry& entry : user_.entries) {
    if (SameIgnoringAsciiCase(entry.fileName, name)) return entry.lexicon;
  }
  return TROV_ERR_FILE_OPEN;
}

int16_t ControlCore::FindUserDictionary(const char* name) const {
  if (name == nullptr || name[0] == '\0') return tempLexicon_;
  return ListedUserDictionary(name);
}

int16_t ControlCore::OpenForOneCall(const char* name) const {
  const int16_t id = TROV_OpenLex(session_, name, memoryBudget_);
  if (id < 0) TROV_LogLineExt("%hd error opening %s", id, name);
  return id;
}

int16_t ControlCore::CreateUserDictionary(const char* name, int16_t language) {
  // The engine reads an empty name as a request for a temporary lexicon, which is no file a list
  // could name.
  if (name == nullptr || name[0] == '\0') return TROV_ERR_CREATE;
  const int16_t id = TROV_CreateLex(session_, name, language);
  if (id < 0) return id;
  TROV_CloseLex(session_, id);
  return AddDictionary(DictionaryKind::kUser, name);
}

int16_t ControlCore::AddToUserDictionary(const char* name, const char* word, int16_t action,
                                         const char* otherWord) {
  const std::string file(TextOrEmpty(name));
  const int16_t listed = ListedUserDictionary(file);
  if (listed >= 0) return TROV_AddToLex(session_, listed, TextOrEmpty(word), action, otherWord);
  const int16_t id = OpenForOneCall(file.c_str());
  if (id < 0) return id;
  const int16_t added = TROV_AddToLex(session_, id, TextOrEmpty(word), action, otherWord);
  if (added < 0) TROV_LogLineExt("%hd error adding word to %s", added, file.c_str());
  TROV_CloseLex(session_, id);
  return 0;
}

int16_t ControlCore::DeleteFromUserDictionary(const char* name, const char* word) {
  const std::string file(TextOrEmpty(name));
  const int16_t listed = ListedUserDictionary(file);
  if (listed >= 0) return TROV_DelFromLex(session_, listed, TextOrEmpty(word));
  const int16_t id = OpenForOneCall(file.c_str());
  if (id < 0) return id;
  const int16_t deleted = TROV_DelFromLex(session_, id, TextOrEmpty(word));
  if (deleted < 0) TROV_LogLineExt("%hd error deleting word from %s", deleted, file.c_str());
  TROV_CloseLex(session_, id);
  return deleted;
}

int16_t ControlCore::FindUserDictionaryWord(const char* name, const char* word,
                                            std::array<char, TROV_WORD_BUFFER>& otherWord) const {
  otherWord[0] = '\0';
  const int16_t id = FindUserDictionary(name);
  if (id < 0) return id;
  const int16_t action =
      TROV_FindLexWord(session_, id, TextOrEmpty(word), otherWord.data(), TROV_WORD_BUFFER);
  if (action < 0) otherWord[0] = '\0';
  return action;
}

int16_t ControlCore::ReadListing(int16_t lexicon, Listing& listing, ListingStep& failedStep) const {
  int32_t size = 0;
  const int16_t info = TROV_GetLexInfo(session_, lexicon, &size, nullptr, nullptr);
  failedStep = ListingStep::kInfo;
  if (info < 0) return info;
  // A lexicon that cannot list its words (a compressed one) stores a negative code as its size.
  if (size < 0) return static_cast<int16_t>(size);
  listing.size = size;
  if (size == 0) return 0;
  failedStep = ListingStep::kAllocate;
  listing.text.reset(new (std::nothrow) char[static_cast<std::size_t>(size)]);
  if (listing.text == nullptr) {
    TROV_LogLineExt("Out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  failedStep = ListingStep::kList;
  // The 32-bit count: the 16-bit one wraps negative from 32768 entries on.
  const int32_t listed = TROV_GetLexExt(session_, lexicon, listing.text.get(), size);
  return listed < 0 ? static_cast<int16_t>(listed) : int16_t{0};
}

const char* ControlCore::UserDictionaryWordAt(const char* name, int32_t index) {
  listedWord_[0] = '\0';
  const std::string file(TextOrEmpty(name));
  const int16_t id = FindUserDictionary(file.c_str());
  if (id < 0) {
    TROV_LogLineExt("%ld error on %s", static_cast<long>(id), file.c_str());
    return listedWord_.data();
  }
  Listing listing;
  ListingStep failedStep;
  const int16_t read = ReadListing(id, listing, failedStep);
  if (read < 0) {
    if (failedStep == ListingStep::kInfo) {
      TROV_LogLineExt("TROV_GetLexInfo returned %hd (%s)", read, file.c_str());
    } else if (failedStep == ListingStep::kList) {
      TROV_LogLineExt("TROV_GetLex returned %hd (%s)", read, file.c_str());
    }
    return listedWord_.data();
  }
  if (listing.size == 0) return listedWord_.data();
  const char* end = listing.text.get() + listing.size;
  const char* entry = listing.text.get();
  for (int32_t passed = 0; passed < index && entry < end && *entry != '\0'; ++passed) {
    entry = NextEntry(entry, end);
  }
  if (entry >= end) return listedWord_.data();
  const std::string_view whole = EntryAt(entry, end);
  const std::size_t tab = whole.find('\t');
  // The closing empty string has no tab and gives the empty word.
  if (tab != std::string_view::npos) CopyBounded(listedWord_, whole.substr(0, tab));
  return listedWord_.data();
}

int32_t ControlCore::UserDictionaryWordCountOf(const char* name) const {
  const int16_t id = FindUserDictionary(name);
  if (id < 0) return id;
  Listing listing;
  ListingStep failedStep;
  const int16_t read = ReadListing(id, listing, failedStep);
  if (read < 0) return read;
  if (listing.size == 0) return 0;
  int32_t count = 0;
  const char* end = listing.text.get() + listing.size;
  for (const char* entry = listing.text.get(); entry < end && *entry != '\0';
       entry = NextEntry(entry, end)) {
    ++count;
  }
  return count;
}

std::vector<std::string> ControlCore::UserDictionaryWordsOf(const char* name) const {
  std::vector<std::string> words;
  const int16_t id = FindUserDictionary(name);
  if (id < 0) return words;
  Listing listing;
  ListingStep failedStep;
  if (ReadListing(id, listing, failedStep) < 0 || listing.size == 0) return words;
  const char* end = listing.text.get() + listing.size;
  for (const char* entry = listing.text.get(); entry < end && *entry != '\0';
       entry = NextEntry(entry, end)) {
    const std::string_view whole = EntryAt(entry, end);
    words.emplace_back(whole.substr(0, std::min<std::size_t>(whole.find('\t'), TROV_MAX_WORD)));
  }
  return words;
}

void ControlCore::ClearTempDictionary() {
  if (tempLexicon_ >= 0) TROV_ClearLex(session_, tempLexicon_);
}

}  // namespace trov
