// vantor fix: the interactive check loop on a file. Each stop shows its line and numbered
// suggestions and waits for one answer line; the file is written back only when the user agrees
// at the end, atomically and with a backup of the original.
#include <cctype>
#include <string>
#include <variant>

#include "atomic_write.h"
#include "document.h"
#include "input_file.h"
#include "problem_report.h"
#include "speller.h"
#include "tool.h"

namespace vantor {
namespace {

constexpr char kAnswerHelp[] =
    "  RETURN or i  ignore this time        I  ignore everywhere\n"
    "  1-N          take suggestion N       r WORD  replace with WORD\n"
    "  c [N|WORD]   change everywhere (to suggestion N, WORD, or the first offer)\n"
    "  d            delete the word (doubled words)\n"
    "  a            add the word to the user dictionary\n"
    "  u            undo the last change    s  suggest more (deeper search)\n"
    "  q            stop checking\n";

class FixSession {
 public:
  FixSession(Speller& speller, Document& document, const ToolContext& context,
             const std::string& name)
      : speller_(speller),
        loop_(speller.Loop()),
        document_(document),
        in_(context.streams.in),
        out_(context.streams.out),
        name_(name) {}

  // Walks the text; false when the user quit before its end.
  bool Walk() {
    for (;;) {
      speller_.Recorder().TakeReplacements();  // the user's own, already shown
      const int16_t flags = loop_.Resume();
      Synchronise();
      ShowAutomaticReplacements();
      if (speller_.Recorder().TakeOutOfSpace()) NoRoom();
      if (flags & TROV_RESULT_END_OF_TEXT) return true;
      flags_ = flags;
      if (!(flags & TROV_RESULT_DOUBLED_WORD)) loop_.Suggest();
      Show();
      if (!Answer()) return false;
    }
  }

  bool AskYesNo(const std::string& question) {
    out_ << question << " [y/n] " << std::flush;
    std::string line;
    if (!std::getline(in_, line)) return false;
    return !line.empty() && (line[0] == 'y' || line[0] == 'Y');
  }

 private:
  void Synchronise() { document_.UpdateEngineText(loop_.Text()); }

  void NoRoom() {
    out_ << "There is no room left in the text for this change; write the changes and run fix "
            "again.\n";
  }

  // Later replacements of one resumed check lie further on, so each offset still holds in the
  // synchronised text.
  void ShowAutomaticReplacements() {
    for (const LoopRecorder::Replacement& change : speller_.Recorder().TakeReplacements()) {
      const TextPosition position = document_.PositionOf(static_cast<std::size_t>(change.offset));
      out_ << name_ << ':' << position.line << ':' << position.column
           << ": changed: " << Utf8(change.word) << " -> " << Utf8(change.replacement) << '\n';
    }
  }

  std::string Utf8(const std::string& engineText) const {
    return speller_.Charset().ToUtf8(engineText);
  }

  void Show() {
    const auto offset = static_cast<std::size_t>(loop_.WordOffset());
    const TextPosition position = document_.PositionOf(offset);
    const std::string word = loop_.MisspelledWord();
    out_ << '\n'
         << name_ << ':' << position.line << ':' << position.column << ": " << ProblemKind(flags_)
         << ": " << Utf8(word) << '\n';
    out_ << "  " << Utf8(std::string(document_.LineAround(offset))) << '\n';
    out_ << "  " << std::string(position.column - 1, ' ') << std::string(word.size(), '^') << '\n';
    const std::string replacement = loop_.ReplacementWord();
    if (HasOfferedReplacement()) out_ << "  proposed: " << Utf8(replacement) << '\n';
    for (int16_t i = 0; i < loop_.SuggestionCount(); ++i) {
      out_ << "  " << (i + 1) << ") " << Utf8(loop_.Suggestion(i)) << '\n';
    }
    Prompt();
  }

  void Prompt() { out_ << "[i I 1-N r c d a u s q ?] " << std::flush; }

  bool HasOfferedReplacement() const {
    return (flags_ & (TROV_RESULT_COND_CHANGE | TROV_RESULT_CAPITALIZATION)) &&
           !loop_.ReplacementWord().empty();
  }

  // Reads answers until one moves the check on; false to quit (also at the end of the input).
  bool Answer() {
    std::string line;
    while (std::getline(in_, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const char key = line.empty() ? 'i' : line[0];
      std::string argument = line.size() > 1 ? line.substr(1) : std::string();
      argument.erase(0, argument.find_first_not_of(' '));
      if (std::isdigit(static_cast<unsigned char>(key))) {
        if (ReplaceWith(SuggestionByNumber(line))) return true;
      } else if (Handle(key, argument)) {
        return key != 'q';
      }
      Prompt();
    }
    return false;
  }

  // True when the answer was acted on.
  bool Handle(char key, const std::string& argument) {
    switch (key) {
      case 'i':
        loop_.IgnoreWord();
        return true;
      case 'I':
        loop_.IgnoreAllWord();
        return true;
      case 'r':
        return ReplaceWith(argument.empty() ? AskWord() : FromUser(argument));
      case 'c':
        return ChangeAll(argument);
      case 'd':
        return Delete();
      case 'a':
        return AddToUserDictionary();
      case 'u':
        return Undo();
      case 's':
        loop_.Suggest();
        Show();
        return false;
      case 'q':
        return true;
      case '?':
        out_ << kAnswerHelp;
        return false;
      default:
        out_ << "Unknown answer; ? lists them.\n";
        return false;
    }
  }

  std::optional<std::string> SuggestionByNumber(const std::string& text) {
    int number = 0;
    for (const char c : text) {
      if (!std::isdigit(static_cast<unsigned char>(c)) || number > 1000) {
        out_ << "Not a suggestion number.\n";
        return std::nullopt;
      }
      number = number * 10 + (c - '0');
    }
    if (number < 1 || number > loop_.SuggestionCount()) {
      out_ << "No suggestion " << number << ".\n";
      return std::nullopt;
    }
    return loop_.Suggestion(static_cast<int16_t>(number - 1));
  }

  // The word in the engine's character set; nullopt (with a message) when it does not fit there.
  std::optional<std::string> FromUser(const std::string& text) {
    auto engine = speller_.Charset().FromEncoding(text, speller_.Encoding());
    if (!engine || engine->empty() || engine->size() > TROV_MAX_WORD) {
      out_ << "That replacement cannot be used: it must be 1 to 80 characters of character set "
           << speller_.Charset().Set() << ".\n";
      return std::nullopt;
    }
    return engine;
  }

  std::optional<std::string> AskWord() {
    out_ << "Replace with: " << std::flush;
    std::string line;
    if (!std::getline(in_, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return FromUser(line);
  }

  bool ReplaceWith(const std::optional<std::string>& replacement) {
    if (!replacement) return false;
    loop_.SetReplacementWord(replacement->c_str());
    const int16_t result = loop_.ReplaceWord();
    if (result < 0) {
      NoRoom();
      return false;
    }
    Synchronise();
    return true;
  }

  // The replacement for change-all: a number, a word, or what the check or the search offered.
  bool ChangeAll(const std::string& argument) {
    std::optional<std::string> replacement;
    if (!argument.empty() && std::isdigit(static_cast<unsigned char>(argument[0]))) {
      replacement = SuggestionByNumber(argument);
    } else if (!argument.empty()) {
      replacement = FromUser(argument);
    } else if (HasOfferedReplacement()) {
      replacement = loop_.ReplacementWord();
    } else if (loop_.SuggestionCount() > 0) {
      replacement = loop_.Suggestion(0);
    } else {
      out_ << "Nothing to change it to; give c WORD.\n";
    }
    if (!replacement) return false;
    loop_.SetReplacementWord(replacement->c_str());
    if (loop_.ReplaceAllWord() != 1) {
      out_ << "That is the word itself.\n";
      return false;
    }
    return true;
  }

  bool Delete() {
    if (loop_.DeleteWord() < 0) {
      out_ << "Nothing to delete here.\n";
      return false;
    }
    Synchronise();
    return true;
  }

  bool AddToUserDictionary() {
    const auto& user = speller_.Core().Dictionaries(trov::DictionaryKind::kUser);
    if (user.empty()) {
      out_ << "No user dictionary is open (see --user); use I to ignore it everywhere.\n";
      return false;
    }
    const std::string word = loop_.MisspelledWord();
    const int16_t result =
        speller_.Core().AddToUserDictionary(user.front().fileName.c_str(), word.c_str(), 'i', "");
    if (result < 0) {
      out_ << "Cannot add it to " << user.front().fileName << " (error " << result << ").\n";
      return false;
    }
    loop_.IgnoreWord();
    return true;
  }

  bool Undo() {
    if (!loop_.CanUndo()) {
      out_ << "Nothing to undo.\n";
      return false;
    }
    loop_.Undo();
    Synchronise();
    return true;
  }

  Speller& speller_;
  trov::CheckLoop& loop_;
  Document& document_;
  std::istream& in_;
  std::ostream& out_;
  const std::string& name_;
  int16_t flags_ = 0;
};

}  // namespace

int RunFix(const ToolContext& context) {
  const auto& operands = context.options.operands;
  if (operands.size() != 1 || operands[0] == "-") {
    ReportError(context.streams.err, "fix needs exactly one FILE (it writes the file back)");
    return kExitError;
  }
  const std::string& name = operands[0];
  const std::unique_ptr<Speller> opened = OpenSpeller(context.options, context, true);
  if (!opened) return kExitError;
  Speller& speller = *opened;
  std::string bytes;
  std::string error;
  if (!ReadInput(name, context.streams.in, bytes, error)) {
    ReportError(context.streams.err, name + ": " + error);
    return kExitError;
  }
  auto decoded = Document::Decode(std::move(bytes), speller.Encoding(), speller.Charset());
  if (const auto* message = std::get_if<std::string>(&decoded)) {
    ReportError(context.streams.err, name + ": " + *message);
    return kExitError;
  }
  Document& document = std::get<Document>(decoded);
  speller.Loop().SetText(document.EngineText().c_str());
  if (speller.Core().ErrorCode() < 0) {
    ReportError(context.streams.err, name + ": out of memory");
    return kExitError;
  }
  FixSession session(speller, document, context, name);
  const bool finished = session.Walk();
  std::ostream& out = context.streams.out;
  out << (finished ? "\nEnd of text.\n" : "\nStopped.\n");
  if (!document.Changed()) {
    out << name << " is unchanged.\n";
    return kExitClean;
  }
  const int changes = speller.Loop().WordsReplacedCount();
  if (!session.AskYesNo("Write " + std::to_string(changes) + " change(s) to " + name + "?")) {
    out << name << " is unchanged.\n";
    return kExitClean;
  }
  auto serialised = document.Serialise(speller.Encoding(), speller.Charset());
  if (serialised.index() == 1) {
    ReportError(context.streams.err, name + ": " + std::get<1>(serialised));
    return kExitError;
  }
  if (!ReplaceFileAtomically(name, std::get<0>(serialised), context.options.backupOnWrite, error)) {
    ReportError(context.streams.err, name + ": " + error);
    return kExitError;
  }
  out << "Wrote " << name;
  if (context.options.backupOnWrite) out << " (the original is in " << BackupName(name) << ")";
  out << ".\n";
  return kExitClean;
}

}  // namespace vantor
