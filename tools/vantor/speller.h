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

// The subcommands read the loop's state after each call; of its events only the one that has no
// trace in that state is kept: an automatic replacement that found no room.
class OutOfSpaceRecorder : public trov::CheckListener {
 public:
  void OnCheckEvent(trov::CheckEvent, int32_t) override {}
  void OnReplaceOutOfSpace() override { happened_ = true; }
  // Whether it happened since the last call.
  bool Take() { return std::exchange(happened_, false); }

 private:
  bool happened_ = false;
};

class Speller {
 public:
  // The speller, or a message saying why there is none (unknown encoding, no dictionary).
  // Dictionaries that fail to open beside others that do are listed in Warnings().
  static std::variant<std::unique_ptr<Speller>, std::string> Open(const ToolOptions& options,
                                                                  const std::string& programDirectory,
                                                                  bool needDictionaries);
  ~Speller();
  Speller(const Speller&) = delete;
  Speller& operator=(const Speller&) = delete;

  trov::ControlCore& Core() { return core_; }
  trov::CheckLoop& Loop() { return loop_; }
  OutOfSpaceRecorder& OutOfSpace() { return listener_; }
  int16_t Session() const { return core_.Session(); }
  const TextEncoding& Encoding() const { return encoding_; }
  const EngineCharset& Charset() const { return charset_; }
  const std::vector<std::string>& Warnings() const { return warnings_; }

  // Moves the loop's offset past the current problem word. The loop's own step to the next word
  // goes through the engine's 16-bit word offsets and stops working past 32767 characters; the
  // check that follows finds the next word itself with 32-bit offsets.
  void SkipProblemWord();

  // Suggestions for word (engine bytes) through the loop's Suggest step, with their scores, best
  // first, filtered by the score limits.
  std::vector<trov::SuggestionEntry> SuggestFor(const std::string& word);

  // A dictionary name from the command line as a full path: a name that exists from the current
  // folder is taken from there, any other resolves beside the program.
  static std::string ResolveName(const std::string& name, const std::string& programDirectory);

 private:
  Speller(std::string programDirectory, TextEncoding encoding, EngineCharset charset);
  void ApplyOptions(const ToolOptions& options);
  // Opens both lists; names that did not open go to warnings_.
  void OpenLists(const std::string& mainList, const std::string& userList);
  std::vector<std::string> ResolveList(const std::string& list) const;
  void WarnAboutUnopened(trov::DictionaryKind kind, const std::vector<std::string>& paths);

  trov::ControlCore core_;
  OutOfSpaceRecorder listener_;
  trov::CheckLoop loop_;
  TextEncoding encoding_;
  EngineCharset charset_;
  std::string programDirectory_;
  std::vector<std::string> warnings_;
  bool logging_ = false;
};

}  // namespace vantor

#endif  // VANTOR_TOOL_SPELLER_H
