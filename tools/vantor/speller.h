// A control core set up from the command line: character set selected, options applied,
// dictionaries opened, log started. Every subcommand checks and suggests through one.
#ifndef VANTOR_TOOL_SPELLER_H
#define VANTOR_TOOL_SPELLER_H

#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "check_loop.h"
#include "control_core.h"
#include "text_encoding.h"
#include "tool_options.h"

namespace vantor {

// The subcommands read the loop's state after each call; of its events only those that leave no
// trace in that state are kept: the replacements a resumed check made on its own (auto-change
// pairs, changes everywhere), and an automatic replacement that found no room.
class LoopRecorder : public trov::CheckListener {
 public:
  struct Replacement {
    int32_t offset;  // in the text as it was after the replacement
    std::string word;
    std::string replacement;
  };

  explicit LoopRecorder(const trov::CheckState& state) : state_(state) {}
  void OnCheckEvent(trov::CheckEvent event, int32_t) override {
    if (event != trov::CheckEvent::kReplaceWord) return;
    replacements_.push_back(
        {state_.offset, state_.misspelledWord.data(), state_.replacementWord.data()});
  }
  void OnReplaceOutOfSpace() override { outOfSpace_ = true; }
  // Whether it happened since the last call.
  bool TakeOutOfSpace() { return std::exchange(outOfSpace_, false); }
  // The replacements since the last call, in the order they were made.
  std::vector<Replacement> TakeReplacements() { return std::exchange(replacements_, {}); }

 private:
  const trov::CheckState& state_;
  bool outOfSpace_ = false;
  std::vector<Replacement> replacements_;
};

class Speller {
 public:
  // The speller, or a message saying why there is none (unknown encoding, no dictionary).
  // Dictionaries that fail to open beside others that do are listed in Warnings().
  static std::variant<std::unique_ptr<Speller>, std::string> Open(
      const ToolOptions& options, const std::string& dictionaryDirectory, bool needDictionaries);
  ~Speller();
  Speller(const Speller&) = delete;
  Speller& operator=(const Speller&) = delete;

  trov::ControlCore& Core() { return core_; }
  trov::CheckLoop& Loop() { return loop_; }
  LoopRecorder& Recorder() { return listener_; }
  int16_t Session() const { return core_.Session(); }
  const TextEncoding& Encoding() const { return encoding_; }
  const EngineCharset& Charset() const { return charset_; }
  const std::vector<std::string>& Warnings() const { return warnings_; }

  // Suggestions for word (engine bytes) through the loop's Suggest step, with their scores, best
  // first, filtered by the score limits.
  std::vector<trov::SuggestedWord> SuggestFor(const std::string& word);

  // A dictionary name from the command line as a full path: a name that exists from the current
  // folder is taken from there, any other resolves in the dictionary folder.
  static std::string ResolveName(const std::string& name, const std::string& dictionaryDirectory);

 private:
  Speller(std::string dictionaryDirectory, TextEncoding encoding, EngineCharset charset);
  void ApplyOptions(const ToolOptions& options);
  // Opens both lists; names that did not open go to warnings_.
  void OpenLists(const std::string& mainList, const std::string& userList);
  std::vector<std::string> ResolveList(const std::string& list) const;
  void WarnAboutUnopened(trov::DictionaryKind kind, const std::vector<std::string>& paths);

  trov::ControlCore core_;
  LoopRecorder listener_;
  trov::CheckLoop loop_;
  TextEncoding encoding_;
  EngineCharset charset_;
  std::string dictionaryDirectory_;
  std::vector<std::string> warnings_;
  bool logging_ = false;
};

}  // namespace vantor

#endif  // VANTOR_TOOL_SPELLER_H
