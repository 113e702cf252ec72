// vantor pipe (vantor -a): the ispell pipe protocol that editors speak. After the banner, each
// input line is either a command (its first character says which) or text to check; text gets
// one answer line per word ("*" correct, "+ ROOT" correct through its root, "-" correct as a
// compound, "& WORD COUNT OFFSET: S1, S2" with suggestions, "# WORD OFFSET" without) and then a
// blank line. Offsets count characters from the start of the line as received. With -l, ispell's
// list mode, which editors use for long texts: every line is text, and only the misspelled words
// come back, one a line.
#include <optional>
#include <string>
#include <variant>

#include "personal_dictionary.h"
#include "problem_report.h"
#include "speller.h"
#include "tool.h"
#include "trov_ext.h"

namespace vantor {
namespace {

constexpr uint32_t kSplitOptions =
    TROV_OPT_SPLIT_HYPHENATED_WORDS | TROV_OPT_SPLIT_WORDS | TROV_OPT_SPLIT_CONTRACTED_WORDS;

class PipeSession {
 public:
  // personal: null when there is no place for one; personal words then last for the session.
  PipeSession(Speller& speller, PersonalDictionary* personal, const ToolContext& context)
      : speller_(speller),
        personal_(personal),
        out_(context.streams.out),
        err_(context.streams.err),
        shortWordLength_(static_cast<std::size_t>(context.options.shortWordLength)),
        listOnly_(context.options.listMisspelled),
        terse_(listOnly_),
        encoding_(&speller.Encoding()) {
    // Emacs speaks ISO-8859-1 with its default dictionary and names no encoding: the first line
    // that is not UTF-8 shows that, and the rest of the session reads and answers in it.
    if (context.options.encoding.empty()) latin1_ = TextEncoding::Named("ISO-8859-1");
  }

  void Run(std::istream& in) {
    if (!listOnly_) out_ << VersionLine() << '\n' << std::flush;
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (latin1_ && encoding_ != &*latin1_ && !IsUtf8(line)) encoding_ = &*latin1_;
      if (listOnly_) {
        CheckLine(line, 0);
      } else {
        Handle(line);
      }
      out_.flush();  // the editor waits for each answer before it sends more
    }
  }

 private:
  void Handle(const std::string& line) {
    if (line.empty()) {
      out_ << '\n';
      return;
    }
    const std::string argument = line.substr(1);
    switch (line[0]) {
      case '*':
        AddToPersonal(argument);
        return;
      case '&':
        AddToPersonal(LowerCase(argument));
        return;
      case '@':
        AcceptForSession(argument);
        return;
      case '#':
        SavePersonal();
        return;
      case '!':
        terse_ = true;
        return;
      case '%':
        terse_ = false;
        return;
      case '^':
        CheckLine(line, 1);
        return;
      // TeX mode on and off, the formatter's string type and "$$" settings: plain text only.
      case '+':
      case '-':
      case '~':
      case '$':
        return;
      default:
        CheckLine(line, 0);
        return;
    }
  }

  // The line's characters as engine bytes (each one byte), from the first character to check.
  std::string EngineLine(const std::string& line, std::size_t start) const {
    std::string engine;
    engine.append(start, ' ');  // keeps engine offsets equal to character offsets in the line
    for (std::size_t position = start; position < line.size();) {
      const Utf8Char decoded = encoding_->DecodeAt(line, position);
      engine += decoded.length == 0 || decoded.codePoint == 0
                    ? static_cast<char>(EngineCharset::kStandIn)
                    : static_cast<char>(speller_.Charset().ToEngine(decoded.codePoint));
      position += decoded.length == 0 ? 1 : decoded.length;
    }
    return engine;
  }

  void CheckLine(const std::string& line, std::size_t start) {
    const std::string text = EngineLine(line, start);
    const auto length = static_cast<int32_t>(text.size());
    char word[TROV_WORD_BUFFER];
    int32_t offset = static_cast<int32_t>(start);
    for (;;) {
      const int32_t found = TROV_GetStringWordExt(speller_.Session(), text.c_str(), length, offset,
                                                  word, sizeof word);
      if (found < 0) break;
      Answer(word, found);
      offset = found + static_cast<int32_t>(std::string_view(word).size());
    }
    if (!listOnly_) out_ << '\n';
  }

  int16_t CheckWord(const char* word, char (&replacement)[TROV_WORD_BUFFER]) const {
    replacement[0] = '\0';
    return TROV_CheckText(speller_.Session(), word, replacement, sizeof replacement);
  }

  // Whether word is rejected once the options in mask are off; the options are restored.
  bool RejectedWithout(const char* word, uint32_t mask) const {
    const uint32_t was = Options(mask);
    if (was == 0) return false;
    SetOptions(mask, 0);
    char replacement[TROV_WORD_BUFFER];
    const bool rejected = CheckWord(word, replacement) != 0;
    SetOptions(was, 1);
    return rejected;
  }

  uint32_t Options(uint32_t mask) const {
    uint32_t set = 0;
    for (uint32_t bit = 1; bit != 0; bit <<= 1) {
      if ((mask & bit) && TROV_GetOption(speller_.Session(), bit) == 1) set |= bit;
    }
    return set;
  }
  void SetOptions(uint32_t mask, int32_t value) const {
    for (uint32_t bit = 1; bit != 0; bit <<= 1) {
      if (mask & bit) TROV_SetOption(speller_.Session(), bit, value);
    }
  }

  void AnswerCorrect(const std::string& word) {
    if (terse_) return;
    if (RejectedWithout(word.c_str(), kSplitOptions)) {
      out_ << "-\n";
    } else if (RejectedWithout(word.c_str(), TROV_OPT_STRIP_POSSESSIVES)) {
      out_ << "+ " << Show(PossessiveRoot(word)) << '\n';
    } else {
      out_ << "*\n";
    }
  }

  void Answer(const std::string& word, int32_t offset) {
    if (word.size() <= shortWordLength_) {  // -W: engine bytes are characters
      if (!terse_) out_ << "*\n";
      return;
    }
    char replacement[TROV_WORD_BUFFER];
    const int16_t flags = CheckWord(word.c_str(), replacement);
    if (listOnly_) {
      if (flags != 0) out_ << Show(word) << '\n';
      return;
    }
    if (flags == 0) {
      AnswerCorrect(word);
      return;
    }
    std::vector<std::string> suggestions;
    if ((flags & kFlagsWithReplacement) && replacement[0] != '\0')
      suggestions.push_back(replacement);
    for (const trov::SuggestedWord& entry : speller_.SuggestFor(word)) {
      if (suggestions.empty() || suggestions.front() != entry.word)
        suggestions.push_back(entry.word);
    }
    if (suggestions.empty()) {
      out_ << "# " << Show(word) << ' ' << offset << '\n';
      return;
    }
    out_ << "& " << Show(word) << ' ' << suggestions.size() << ' ' << offset << ':';
    for (std::size_t i = 0; i < suggestions.size(); ++i) {
      out_ << (i == 0 ? " " : ", ") << Show(suggestions[i]);
    }
    out_ << '\n';
  }

  static std::string PossessiveRoot(const std::string& word) {
    if (word.size() > 2 && word[word.size() - 2] == '\'' &&
        (word.back() == 's' || word.back() == 'S')) {
      return word.substr(0, word.size() - 2);
    }
    if (word.size() > 1 && word.back() == '\'') return word.substr(0, word.size() - 1);
    return word;
  }

  std::string Show(const std::string& engineText) const {
    return speller_.Charset().ToEncoding(engineText, *encoding_);
  }

  std::string LowerCase(const std::string& text) const {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
  }

  void AddToPersonal(const std::string& word) {
    const auto engineWord = EngineWord(word);
    if (!engineWord) return;
    if (personal_ != nullptr) {
      personal_->Add(*engineWord);
    } else {
      AddToTemporary(*engineWord);
    }
  }

  void SavePersonal() {
    if (personal_ == nullptr) return;
    // The protocol has no answer to a save; a failure goes where the client shows errors.
    if (const auto error = personal_->Save()) ReportError(err_, *error);
  }

  void AcceptForSession(const std::string& word) {
    if (const auto engineWord = EngineWord(word)) AddToTemporary(*engineWord);
  }

  std::optional<std::string> EngineWord(const std::string& word) const {
    auto engineWord = speller_.Charset().FromEncoding(word, *encoding_);
    if (!engineWord || engineWord->empty()) return std::nullopt;
    return engineWord;
  }

  void AddToTemporary(const std::string& engineWord) {
    TROV_AddToLex(speller_.Session(), speller_.Core().TempLexicon(), engineWord.c_str(), 'i', "");
  }

  Speller& speller_;
  PersonalDictionary* personal_;
  std::ostream& out_;
  std::ostream& err_;
  std::size_t shortWordLength_;
  bool listOnly_;  // -l: only the misspelled words, one a line, and no commands
  bool terse_;
  const TextEncoding* encoding_;        // of the client's lines and of the answers
  std::optional<TextEncoding> latin1_;  // what encoding_ may become; none when one was named
};

}  // namespace

int RunPipe(const ToolContext& context) {
  if (!context.options.operands.empty()) {
    ReportError(context.streams.err, "pipe takes no operands");
    return kExitError;
  }
  ToolOptions options = context.options;
  // The protocol has no answer for a doubled word.
  options.switches[trov::OptionProperty::kCatchDoubledWords] = false;
  const std::unique_ptr<Speller> opened = OpenSpeller(options, context, true);
  if (!opened) return kExitError;
  const std::string path = options.personalDictionary.empty() ? DefaultPersonalDictionaryPath()
                                                              : options.personalDictionary;
  std::optional<PersonalDictionary> personal;
  if (!path.empty()) {
    std::string error;
    personal = PersonalDictionary::Open(*opened, path, error);
    if (!personal) {
      ReportError(context.streams.err, error);
      return kExitError;
    }
  }
  PipeSession(*opened, personal ? &*personal : nullptr, context).Run(context.streams.in);
  return kExitClean;
}

}  // namespace vantor
