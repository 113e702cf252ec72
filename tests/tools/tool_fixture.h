// A program folder of its own for each test: small default dictionaries beside a pretend program,
// and the tool run in process on files there.
#ifndef VANTOR_TESTS_TOOL_FIXTURE_H
#define VANTOR_TESTS_TOOL_FIXTURE_H

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "lexicon_compiler.h"
#include "tool.h"
#include "trov.h"

namespace vantor {

struct ToolRun {
  int status;
  std::string out;
  std::string err;
};

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    folder_ = std::filesystem::temp_directory_path() /
              ("vantor-tool-test-" + std::to_string(stamp) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    // The pipe's default personal dictionary lives here, not in the home of whoever runs the tests.
    SetEnvironment("XDG_DATA_HOME", folder_.string());
    MakeTextLexicon(
        "trovam.tlx",
        {{"the", 'i', ""},    {"quick", 'i', ""}, {"brown", 'i', ""},   {"fox", 'i', ""},
         {"jumped", 'i', ""}, {"over", 'i', ""},  {"lazy", 'i', ""},    {"dog", 'i', ""},
         {"on", 'i', ""},     {"we", 'i', ""},    {"receive", 'i', ""}, {"letter", 'i', ""},
         {"a", 'i', ""},      {"is", 'i', ""},    {"this", 'i', ""},    {"good", 'i', ""},
         {"cat", 'i', ""},    {"cats", 'i', ""},  {"house", 'i', ""},   {"Monday", 'i', ""},
         {"café", 'i', ""},   {"naïve", 'i', ""}, {"don't", 'i', ""},   {"hello", 'i', ""},
         {"help", 'i', ""},   {"world", 'i', ""}, {"word", 'i', ""},    {"words", 'i', ""},
         {"text", 'i', ""},   {"and", 'i', ""},   {"sat", 'i', ""},     {"mat", 'i', ""}});
    CompileLexicon("trovam2.clx", {"colour", "harbour", "neighbour", "theatre"});
    MakeTextLexicon("userdic.tlx", {});
    MakeTextLexicon("correct.tlx", {{"teh", 'A', "the"}, {"recieve", 'A', "receive"}});
  }

  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  static void SetEnvironment(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    setenv(name, value.c_str(), 1);
#endif
  }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  std::string DictionaryDirectory() const { return folder_.string(); }

  // Words in the engine's character set 1; the test sources are UTF-8.
  static std::string Latin1(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      const auto byte = static_cast<unsigned char>(utf8[i]);
      if (byte == 0xC3 && i + 1 < utf8.size()) {
        out += static_cast<char>(static_cast<unsigned char>(utf8[++i]) + 0x40);
      } else {
        out += static_cast<char>(byte);
      }
    }
    return out;
  }

  struct Entry {
    std::string word;
    char action;
    std::string other;
  };

  void MakeTextLexicon(const std::string& name, std::initializer_list<Entry> entries) {
    const int16_t session = TROV_OpenSession();
    ASSERT_GE(session, 0);
    const int16_t lexicon = TROV_CreateLex(session, Path(name).c_str(), TROV_LANGUAGE_AM);
    ASSERT_GE(lexicon, 0) << name;
    for (const Entry& entry : entries) {
      ASSERT_GE(TROV_AddToLex(session, lexicon, Latin1(entry.word).c_str(), entry.action,
                              entry.other.c_str()),
                0)
          << entry.word;
    }
    TROV_CloseSession(session);
  }

  void CompileLexicon(const std::string& name, const std::vector<std::string>& words) {
    std::string bytes;
    std::string error;
    trov::lexcompile::CompileStats stats;
    ASSERT_TRUE(trov::lexcompile::CompileLexicon(words, {}, bytes, stats, error)) << error;
    WriteFile(name, bytes);
  }

  void WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream file(Path(name), std::ios::binary);
    file << bytes;
  }

  std::string ReadFile(const std::string& name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  bool Exists(const std::string& name) const { return std::filesystem::exists(folder_ / name); }

  ToolRun Run(std::vector<std::string> arguments, const std::string& input = {}) const {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunTool(arguments, DictionaryDirectory(), ToolStreams{in, out, err});
    return {status, out.str(), err.str()};
  }

  // The lines of text, without their ends.
  static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
  }

  std::filesystem::path folder_;
};

}  // namespace vantor

#endif  // VANTOR_TESTS_TOOL_FIXTURE_H
