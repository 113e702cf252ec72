// lexcompile: compiles a plain word list into a compressed lexicon, dumps one back into a word
// list, or verifies that every word of a list is found in one.
#include <cstdio>
#include <string>
#include <vector>

#include "lexicon_compiler.h"

namespace {

using namespace trov::lexcompile;

constexpr const char* kUsage =
    "usage: lexcompile [--utf8] [--charset NAME | --set N] [--language LANG] WORDLIST OUTPUT\n"
    "       lexcompile --dump [--utf8] [--charset NAME | --set N] LEXICON [OUTPUT]\n"
    "       lexcompile --verify WORDLIST [--utf8] [--charset NAME | --set N] LEXICON\n"
    "  WORDLIST   one word per line, 8-bit in the lexicon's character set\n"
    "  --utf8     the word list is UTF-8, converted to (or, dumping, from) --charset\n"
    "  --charset  the 8-bit character set of the lexicon (default CP1252)\n"
    "  --set      the word list is UTF-8 and the lexicon in the engine's character set N\n"
    "             (1..10); words the set cannot hold are counted and left out\n"
    "  --language two lower-case letters or a number (default am)\n";

struct Arguments {
  enum { kCompile, kDump, kVerify } mode = kCompile;
  bool utf8 = false;
  std::string charset = "CP1252";
  int16_t language = 0x616D;
  int engineSet = 0;  // --set; 0 when not given
  std::string verifyList;
  std::vector<std::string> files;
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "lexcompile: %s\n", message.c_str());
  return 1;
}

bool Parse(int argc, char** argv, Arguments& args, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "--utf8") {
      args.utf8 = true;
    } else if (arg == "--dump") {
      args.mode = Arguments::kDump;
    } else if (arg == "--verify" && hasValue) {
      args.mode = Arguments::kVerify;
      args.verifyList = argv[++i];
    } else if (arg == "--charset" && hasValue) {
      args.charset = argv[++i];
    } else if (arg == "--set" && hasValue) {
      const std::string value = argv[++i];
      if (value.size() > 2 || value.find_first_not_of("0123456789") != std::string::npos ||
          std::stoi(value) < 1 || std::stoi(value) > 10) {
        error = "bad character set " + value + " (1..10)";
        return false;
      }
      args.engineSet = std::stoi(value);
    } else if (arg == "--language" && hasValue) {
      if (!ParseLanguage(argv[++i], args.language)) {
        error = std::string("bad language ") + argv[i];
        return false;
      }
    } else if (arg.starts_with("--")) {
      error = "unknown or incomplete option " + arg;
      return false;
    } else {
      args.files.push_back(arg);
    }
  }
  std::size_t wanted = args.mode == Arguments::kCompile ? 2 : 1;
  bool countOk =
      args.files.size() == wanted || (args.mode == Arguments::kDump && args.files.size() == 2);
  if (!countOk) {
    error = "wrong number of files";
    return false;
  }
  if (args.engineSet != 0 && args.utf8) {
    error = "--set and --utf8 exclude each other";
    return false;
  }
  if (args.utf8 && !CanConvertUtf8()) {
    error = "--utf8 is not available in this build; convert the list to 8-bit first";
    return false;
  }
  return true;
}

// The list of path as the arguments say to read it; a --set read reports what it left out.
bool ReadList(const Arguments& args, const std::string& path, std::vector<std::string>& words,
              std::string& error) {
  if (args.engineSet == 0) return ReadWordList(path, args.utf8 ? args.charset : "", words, error);
  SetConversion conversion;
  if (!ReadWordListInSet(path, args.engineSet, words, conversion, error)) return false;
  std::printf(
      "%s: %d words, %d not held by set %d (%d with a character the set lacks, %d with a "
      "character it does not class as a letter)\n",
      path.c_str(), conversion.words, conversion.LeftOut(), args.engineSet,
      conversion.missingCharacter, conversion.notLetter);
  for (const std::string& example : conversion.examples) {
    std::printf("  left out: %s\n", example.c_str());
  }
  return true;
}

int Compile(const Arguments& args) {
  std::string error;
  std::vector<std::string> words;
  if (!ReadList(args, args.files[0], words, error)) return Fail(error);
  CompileOptions options;
  options.language = args.language;
  std::string bytes;
  CompileStats stats;
  if (!CompileLexicon(words, options, bytes, stats, error)) return Fail(error);
  if (!WriteFileBytes(args.files[1], bytes, error)) return Fail(error);
  std::printf(
      "%s: %d words, %d segments, %d short-word entries, %d simple and %d extended "
      "suffixes, %lld bytes\n",
      args.files[1].c_str(), stats.words, stats.segments, stats.wordEntries, stats.simpleSuffixes,
      stats.extendedSuffixes, static_cast<long long>(stats.fileBytes));
  return 0;
}

int Dump(const Arguments& args) {
  std::string error;
  std::vector<std::string> words;
  if (!DumpLexicon(args.files[0], words, error)) return Fail(error);
  std::string charset = args.utf8 ? args.charset : "";
  if (args.files.size() == 2) {
    const bool written = args.engineSet != 0
                             ? WriteWordListFromSet(args.files[1], words, args.engineSet, error)
                             : WriteWordList(args.files[1], words, charset, error);
    return written ? 0 : Fail(error);
  }
  for (const std::string& word : words) std::printf("%s\n", word.c_str());
  return 0;
}

int Verify(const Arguments& args) {
  std::string error;
  std::vector<std::string> list;
  std::vector<std::string> missing;
  if (!ReadList(args, args.verifyList, list, error) ||
      !FindMissingWords(args.files[0], list, missing, error)) {
    return Fail(error);
  }
  constexpr std::size_t kShown = 20;
  for (std::size_t i = 0; i < missing.size() && i < kShown; ++i) {
    std::fprintf(stderr, "missing: %s\n", missing[i].c_str());
  }
  if (!missing.empty()) {
    return Fail(std::to_string(missing.size()) + " of " + std::to_string(list.size()) +
                " words not found in " + args.files[0]);
  }
  std::printf("%s: all %zu words found\n", args.files[0].c_str(), list.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  std::string error;
  if (!Parse(argc, argv, args, error)) {
    std::fprintf(stderr, "lexcompile: %s\n%s", error.c_str(), kUsage);
    return 2;
  }
  switch (args.mode) {
    case Arguments::kDump:
      return Dump(args);
    case Arguments::kVerify:
      return Verify(args);
    case Arguments::kCompile:
      break;
  }
  return Compile(args);
}
