// vantor check: every problem word of every file, with its position in the original text.
#include <algorithm>

#include "engine_text_decoder.h"
#include "input_file.h"
#include "problem_report.h"
#include "speller.h"
#include "text_window.h"
#include "tool.h"

namespace vantor {
namespace {

constexpr int16_t kSuggestionFlags =
    TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_CASE | TROV_RESULT_MIXED_DIGITS;

class FileChecker {
 public:
  FileChecker(Speller& speller, const ToolContext& context)
      : speller_(speller), context_(context) {}

  // kExitClean, kExitProblems or kExitError for one file.
  int Check(const std::string& name) {
    const std::string display = DisplayName(name);
    std::string error;
    InputStream input;
    if (!input.Open(name, context_.streams.in, error)) return Fail(display, error);
    EngineTextDecoder decoder(speller_.Encoding(), speller_.Charset());
    TextWindow window(input, decoder,
                      speller_.Core().Option(trov::OptionProperty::kIgnoreHTMLMarkups) != 0);
    int status = kExitClean;
    for (;;) {
      if (!window.Fill(error)) return Fail(display, error);
      const int windowStatus = CheckWindow(display, window);
      if (windowStatus == kExitError) return windowStatus;
      status = std::max(status, windowStatus);
      if (window.Finished()) return status;
      window.Slide();
    }
  }

 private:
  int Fail(const std::string& display, const std::string& message) {
    ReportError(context_.streams.err, display + ": " + message);
    return kExitError;
  }

  int CheckWindow(const std::string& display, TextWindow& window) {
    trov::CheckLoop& loop = speller_.Loop();
    loop.SetText(window.Text().c_str());
    if (speller_.Core().ErrorCode() < 0) return Fail(display, "out of memory");
    // The first window starts where loading put the offset, as for a whole text.
    if (window.ResumeOffset() > 0) {
      speller_.Core().State().offset = static_cast<int32_t>(window.ResumeOffset());
    }
    int status = kExitClean;
    for (;;) {
      const int16_t flags = loop.CheckNext();
      if (flags & TROV_RESULT_END_OF_TEXT) return status;
      Report(display, window, flags);
      status = kExitProblems;
      loop.IgnoreWord();
    }
  }

  void Report(const std::string& display, TextWindow& window, int16_t flags) {
    const trov::CheckState& state = speller_.Core().State();
    const EngineCharset& charset = speller_.Charset();
    Problem problem;
    problem.file = display;
    problem.position = window.PositionOf(static_cast<std::size_t>(state.offset));
    problem.flags = flags;
    const std::string word = state.misspelledWord.data();
    problem.word = charset.ToUtf8(word);
    if (flags & kFlagsWithReplacement)
      problem.replacement = charset.ToUtf8(state.replacementWord.data());
    const bool wantsSuggestions = context_.options.suggestionsInReport &&
                                  problem.replacement.empty() && (flags & kSuggestionFlags) &&
                                  !(flags & TROV_RESULT_DOUBLED_WORD);
    if (wantsSuggestions) {
      for (const trov::SuggestedWord& entry : speller_.SuggestFor(word)) {
        problem.suggestions.push_back(charset.ToUtf8(entry.word));
      }
    }
    if (context_.options.json) {
      WriteProblemJson(problem, context_.streams.out);
    } else {
      WriteProblemText(problem, context_.streams.out);
    }
  }

  Speller& speller_;
  const ToolContext& context_;
};

}  // namespace

int RunCheck(const ToolContext& context) {
  if (context.options.operands.empty()) {
    ReportError(context.streams.err, "check needs at least one FILE ('-' for standard input)");
    return kExitError;
  }
  const std::unique_ptr<Speller> opened = OpenSpeller(context.options, context, true);
  if (!opened) return kExitError;
  Speller& speller = *opened;
  FileChecker checker(speller, context);
  int status = kExitClean;
  for (const std::string& name : context.options.operands) {
    status = std::max(status, checker.Check(name));
  }
  return status;
}

}  // namespace vantor
