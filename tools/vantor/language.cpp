#include "language.h"

#include <array>
#include <cctype>

namespace vantor {
namespace {

constexpr Language kLanguages[] = {
#include "vantor_languages.inc"
};

constexpr std::string_view kAmerican = "am";

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](char c) {
      return c == '_' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace

std::span<const Language> Languages() { return kLanguages; }

const Language* FindLanguage(std::string_view name) {
  for (const Language& language : kLanguages) {
    if (SameName(name, language.code) || SameName(name, language.tag) ||
        SameName(name, language.name) || SameName(name, language.ispellName)) {
      return &language;
    }
  }
  return nullptr;
}

std::string MainDictionaryFile(const Language& language) {
  return "trov" + std::string(language.code) + "2.clx";
}

std::string MainDictionaryList(const Language& language) {
  if (language.code == kAmerican) return "trovam.tlx," + MainDictionaryFile(language);
  return MainDictionaryFile(language);
}

std::string UserDictionaryList(const Language& language) {
  return language.code == kAmerican ? "userdic.tlx,correct.tlx" : "userdic.tlx";
}

}  // namespace vantor
