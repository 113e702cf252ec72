// The main and user dictionary lists: every change closes all dictionaries and opens both lists
// anew, so a list text always names exactly the dictionaries that are open.
#include <new>
#include <string>
#include <utility>

#include "control_core.h"
#include "path_conversion.h"
#include "trov_ext.h"

namespace trov {
namespace {

// Calls visit for each name of a list text, left to right. A name runs to the next comma or the
// end and one comma is consumed after it, so ",a" holds an empty name first; nothing is trimmed.
// A name longer than the engine keeps is cut and its rest read as the next name.
template <typename Visit>
void ForEachListName(std::string_view text, Visit visit) {
  std::size_t position = 0;
  while (position < text.size()) {
    const std::size_t comma = text.find(',', position);
    const std::size_t end = comma == std::string_view::npos ? text.size() : comma;
    if (end - position > static_cast<std::size_t>(TROV_MAX_PATH)) {
      visit(text.substr(position, TROV_MAX_PATH));
      position += TROV_MAX_PATH;
      continue;
    }
    visit(text.substr(position, end - position));
    position = end + 1;
  }
}

void AppendListName(std::string& text, std::string_view name) {
  if (!text.empty()) text += ',';
  text += name;
  if (text.size() > kDictionaryListLimit) text.resize(kDictionaryListLimit);
}

std::string_view CutToListLimit(std::string_view text) {
  return text.substr(0, kDictionaryListLimit);
}

}  // namespace

int16_t ControlCore::OpenDictionaryLists() {
  if (session_ < 0) return session_;
  CloseDictionaries();
  const int16_t mainFailure = OpenList(main_);
  const int16_t userFailure = OpenList(user_);
  return userFailure < 0 ? userFailure : mainFailure;
}

int16_t ControlCore::OpenList(DictionaryList& list) {
  std::string opened;
  int16_t lastFailure = 0;
  ForEachListName(list.text, [&](std::string_view view) {
    const std::string name(view);
    const int16_t id = TROV_OpenLex(session_, name.c_str(), memoryBudget_);
    if (id < 0) {
      TROV_LogLineExt("%hd error opening %s", id, name.c_str());
      lastFailure = id;
      return;
    }
    try {
      list.entries.push_back(DictionaryEntry{name, id});
    } catch (const std::bad_alloc&) {
      // A dictionary without an entry could never be closed by a later list change, yet it would
      // still take part in every check: close it and report it as not opened.
      TROV_LogLineExt("Out of memory");
      TROV_CloseLex(session_, id);
      lastFailure = TROV_ERR_NO_MEMORY;
      return;
    }
    AppendListName(opened, name);
  });
  list.text = std::move(opened);
  return lastFailure;
}

void ControlCore::CloseDictionaries() {
  for (DictionaryList* list : {&user_, &main_}) {
    for (const DictionaryEntry& entry : list->entries) TROV_CloseLex(session_, entry.lexicon);
    list->entries.clear();
  }
}

int16_t ControlCore::SetList(DictionaryKind kind, std::string_view listText) {
  List(kind).text = std::string(CutToListLimit(listText));
  return OpenDictionaryLists();
}

int16_t ControlCore::SetLists(std::string_view mainText, std::string_view userText) {
  main_.text = std::string(CutToListLimit(mainText));
  user_.text = std::string(CutToListLimit(userText));
  return OpenDictionaryLists();
}

int16_t ControlCore::AddDictionary(DictionaryKind kind, std::string_view name) {
  DictionaryList& list = List(kind);
  for (const DictionaryEntry& entry : list.entries) {
    if (SameIgnoringAsciiCase(entry.fileName, name)) return 0;
  }
  const std::size_t separator = list.text.empty() ? 0 : 1;
  if (list.text.size() + separator + name.size() > kDictionaryListLimit) {
    return TROV_ERR_BUFFER_FULL;
  }
  AppendListName(list.text, name);
  return OpenDictionaryLists();
}

int16_t ControlCore::RemoveDictionary(DictionaryKind kind, std::string_view name) {
  DictionaryList& list = List(kind);
  std::string kept;
  for (const DictionaryEntry& entry : list.entries) {
    if (!SameIgnoringAsciiCase(entry.fileName, name)) AppendListName(kept, entry.fileName);
  }
  list.text = std::move(kept);
  return OpenDictionaryLists();
}

}  // namespace trov
