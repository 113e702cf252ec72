// Checking speed: words per second of TROV_CheckString over real English prose against the
// default dictionaries, plain and as HTML, and the cost of restoring the accents of capitals.
//
// The dictionaries are looked for in the folder named by VANTOR_DICT_DIR, else in the working
// directory (the build puts them beside the programs: run it from there). The prose is the
// licence texts and package copyright files of this machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "trov.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kProseBytes = 2 * 1024 * 1024;
constexpr const char* kMainDictionaries[] = {"trovam.tlx", "trovam2.clx"};
constexpr const char* kUserDictionaries[] = {"userdic.tlx", "correct.tlx"};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Real prose in the order of its file names, so every run checks the same text.
std::string EnglishProse() {
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/usr/share/common-licenses", error)) {
    if (entry.is_regular_file(error)) files.push_back(entry.path());
  }
  for (const auto& entry : fs::directory_iterator("/usr/share/doc", error)) {
    const fs::path copyright = entry.path() / "copyright";
    if (fs::is_regular_file(copyright, error)) files.push_back(copyright);
  }
  std::sort(files.begin(), files.end());
  std::string prose;
  for (const fs::path& file : files) {
    if (prose.size() >= kProseBytes) break;
    prose += ReadFile(file);
    prose += "\n";
  }
  prose.erase(std::remove(prose.begin(), prose.end(), '\0'), prose.end());
  return prose;
}

// The same prose as an HTML page: markup-escaped, each line a paragraph, every seventh word
// bold.
std::string AsHtml(const std::string& prose) {
  std::string html = "<html><head><title>Licences</title></head><body>\n";
  std::istringstream lines(prose);
  for (std::string line; std::getline(lines, line);) {
    html += "<p class=\"text\">";
    int word = 0;
    bool inWord = false;
    for (const char c : line) {
      const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      if (letter && !inWord && ++word % 7 == 0) html += "<b>";
      if (!letter && inWord && word % 7 == 0) html += "</b>";
      inWord = letter;
      switch (c) {
        case '&':
          html += "&amp;";
          break;
        case '<':
          html += "&lt;";
          break;
        case '>':
          html += "&gt;";
          break;
        default:
          html += c;
      }
    }
    if (inWord && word % 7 == 0) html += "</b>";
    html += "</p>\n";
  }
  return html + "</body></html>\n";
}

fs::path DictionaryFolder() {
  if (const char* folder = std::getenv("VANTOR_DICT_DIR")) return folder;
  return fs::current_path();
}

// One session with the default dictionaries, opened as the control opens them.
class DefaultDictionaries {
 public:
  DefaultDictionaries() {
    const fs::path folder = DictionaryFolder();
    for (const char* name : kMainDictionaries) Require(folder / name);
    for (const char* name : kUserDictionaries) Require(folder / name);
    if (!missing_.empty()) return;
    session_ = TROV_OpenSession();
    for (const char* name : kMainDictionaries) Open(folder / name);
    for (const char* name : kUserDictionaries) Open(folder / name);
  }
  ~DefaultDictionaries() {
    if (session_ >= 0) TROV_CloseSession(session_);
  }

  // Empty when the session is ready, else why it is not.
  const std::string& Problem() const { return missing_; }
  int16_t Session() const { return session_; }

 private:
  void Require(const fs::path& path) {
    if (!fs::exists(path)) missing_ += path.string() + " is missing (build the dictionaries); ";
  }
  void Open(const fs::path& path) {
    if (TROV_OpenLex(session_, path.string().c_str(), -1) < 0) {
      missing_ += path.string() + " does not open; ";
    }
  }

  int16_t session_ = -1;
  std::string missing_;
};

DefaultDictionaries& Dictionaries() {
  static DefaultDictionaries dictionaries;
  return dictionaries;
}

// Checks the whole text as the check loop does, resuming after every stop; the stops.
int64_t CheckWholeText(int16_t session, const std::string& text) {
  char word[TROV_PROBLEM_BUFFER];
  char replacement[TROV_WORD_BUFFER];
  int64_t stops = 0;
  int32_t offset = 0;
  while (TROV_CheckString(session, text.c_str(), &offset, word, sizeof word, replacement,
                          sizeof replacement) != TROV_RESULT_END_OF_TEXT) {
    ++stops;
    offset += std::max<int32_t>(1, static_cast<int32_t>(std::char_traits<char>::length(word)));
  }
  return stops;
}

void RunCheckBenchmark(benchmark::State& state, const std::string& text, uint32_t extraOptions) {
  DefaultDictionaries& dictionaries = Dictionaries();
  if (!dictionaries.Problem().empty()) {
    state.SkipWithError(dictionaries.Problem().c_str());
    return;
  }
  if (text.empty()) {
    state.SkipWithError("no prose found under /usr/share/common-licenses or /usr/share/doc");
    return;
  }
  const int16_t session = dictionaries.Session();
  TROV_SetOption(session, extraOptions, 1);
  const int32_t words = TROV_CountWords(session, text.c_str());
  int64_t stops = 0;
  for (auto _ : state) stops = CheckWholeText(session, text);
  TROV_SetOption(session, extraOptions, 0);
  state.SetItemsProcessed(state.iterations() * words);
  state.counters["words"] = words;
  state.counters["stops"] = static_cast<double>(stops);
  state.SetLabel("items = words");
}

const std::string& Prose() {
  static const std::string prose = EnglishProse();
  return prose;
}

void BM_CheckStringDefaultOptions(benchmark::State& state) { RunCheckBenchmark(state, Prose(), 0); }
BENCHMARK(BM_CheckStringDefaultOptions)->Unit(benchmark::kMillisecond);

void BM_CheckStringHtmlMarkup(benchmark::State& state) {
  static const std::string html = AsHtml(Prose());
  RunCheckBenchmark(state, html, TROV_OPT_IGNORE_HTML_MARKUPS);
}
BENCHMARK(BM_CheckStringHtmlMarkup)->Unit(benchmark::kMillisecond);

// One all-capitals word with accented capitals not allowed: words the dictionary holds with
// accents, and the worst case, a long word of vowels that no combination of accents finds.
void BM_AccentRestoration(benchmark::State& state, const char* word) {
  DefaultDictionaries& dictionaries = Dictionaries();
  if (!dictionaries.Problem().empty()) {
    state.SkipWithError(dictionaries.Problem().c_str());
    return;
  }
  const int16_t session = dictionaries.Session();
  TROV_SetOption(session, TROV_OPT_ALLOW_ACCENTED_CAPS, 0);
  char replacement[TROV_WORD_BUFFER];
  int16_t flags = 0;
  for (auto _ : state) flags = TROV_CheckText(session, word, replacement, sizeof replacement);
  TROV_SetOption(session, TROV_OPT_ALLOW_ACCENTED_CAPS, 1);
  state.counters["flags"] = flags;
}
BENCHMARK_CAPTURE(BM_AccentRestoration, Dusseldorf, "DUSSELDORF")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AccentRestoration, Furtwangler, "FURTWANGLER")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AccentRestoration, Esterhazy, "ESTERHAZY")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_AccentRestoration, UnknownWord, "ZXQVOWELESS")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(
    BM_AccentRestoration, EightyVowels,
    "AEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOUAEIOU")
    ->Unit(benchmark::kMillisecond);

}  // namespace
