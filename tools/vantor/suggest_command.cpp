// vantor suggest: per word, its check-result flags and the ranked suggestions, tab-separated.
#include <string>
#include <variant>

#include "speller.h"
#include "tool.h"

namespace vantor {
namespace {

// Answers one word at a time through the shared speller; words arrive in the text encoding.
class WordSuggester {
 public:
  WordSuggester(Speller& speller, const ToolContext& context)
      : speller_(speller), context_(context) {}

  // False when the word cannot be checked (invalid in the encoding, or not in the character set).
  bool Answer(const std::string& word) {
    std::ostream& out = context_.streams.out;
    const auto engineWord = speller_.Charset().FromEncoding(word, speller_.Encoding());
    if (!engineWord || engineWord->empty() || engineWord->size() > TROV_MAX_WORD) {
      ReportError(
          context_.streams.err,
          "cannot check '" + speller_.Encoding().ToUtf8(word) + "': " +
              (engineWord && engineWord->size() > TROV_MAX_WORD ? "longer than 80 characters"
               : engineWord                                     ? "empty"
                            : "not representable in the character set"));
      return false;
    }
    char replacement[TROV_WORD_BUFFER] = {};
    const int16_t flags =
        TROV_CheckText(speller_.Session(), engineWord->c_str(), replacement, sizeof replacement);
    out << word << '\t' << flags;
    for (const trov::SuggestedWord& entry : speller_.SuggestFor(*engineWord)) {
      out << '\t' << speller_.Charset().ToEncoding(entry.word, speller_.Encoding());
      if (context_.options.scores) out << ':' << entry.score;
    }
    out << '\n';
    return true;
  }

 private:
  Speller& speller_;
  const ToolContext& context_;
};

}  // namespace

int RunSuggest(const ToolContext& context) {
  const ToolOptions& options = context.options;
  if (options.operands.empty() == !options.wordsFromStdin) {
    ReportError(context.streams.err, "suggest needs WORD arguments or --stdin, not both");
    return kExitError;
  }
  const std::unique_ptr<Speller> opened = OpenSpeller(options, context, true);
  if (!opened) return kExitError;
  Speller& speller = *opened;
  WordSuggester suggester(speller, context);
  int status = kExitClean;
  const auto answer = [&](const std::string& word) {
    if (!suggester.Answer(word)) status = kExitError;
  };
  if (!options.wordsFromStdin) {
    for (const std::string& word : options.operands) answer(word);
    return status;
  }
  std::string line;
  while (std::getline(context.streams.in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) answer(line);
  }
  return status;
}

}  // namespace vantor
