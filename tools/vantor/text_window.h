// A text checked through a window of bounded size, so that "vantor check" holds a few tens of
// kilobytes of any file instead of the whole file. The window always ends just after a line end
// (or at the end of the input), and it starts at the beginning of the line that holds the last
// non-blank character before the point where checking resumes. Checking the windows one after
// another then finds exactly what checking the whole text would: no word and no character entity
// spans a line end; the doubled-word test looks back only over blanks to the word before; and a
// window is never cut inside an HTML tag when tags are skipped.
#ifndef VANTOR_TOOL_TEXT_WINDOW_H
#define VANTOR_TOOL_TEXT_WINDOW_H

#include <cstddef>
#include <string>

#include "document.h"
#include "engine_text_decoder.h"
#include "input_file.h"

namespace vantor {

class TextWindow {
 public:
  // tagsSkipped: the check skips HTML tags, which may span lines.
  TextWindow(InputStream& input, EngineTextDecoder& decoder, bool tagsSkipped)
      : input_(input), decoder_(decoder), tagsSkipped_(tagsSkipped) {}

  // Reads on until the window holds a good piece of text after the resume offset, or the input
  // ends. False with error on a read or decoding error (the window then ends at the last line
  // end before the fault, so what precedes it can still be checked).
  bool Fill(std::string& error);
  // The window's engine text, up to the cut.
  std::string Text() const { return decoded_.substr(0, cut_); }
  // Where checking continues, as an offset in Text().
  std::size_t ResumeOffset() const { return resume_; }
  bool Finished() const { return inputEnded_ && cut_ == decoded_.size(); }
  // Moves on past the cut: drops the text the next window does not need.
  void Slide();
  // The line and column of an offset in Text(); the offsets asked for must not decrease.
  TextPosition PositionOf(std::size_t offset);

 private:
  // Where the window may end (just after a line end, not inside a tag), searching back from the
  // end of what is decoded; 0 when nowhere after the resume offset.
  std::size_t FindCut() const;
  bool InsideTag(std::size_t from, std::size_t to) const;

  InputStream& input_;
  EngineTextDecoder& decoder_;
  const bool tagsSkipped_;
  std::string decoded_;  // the window's text and, after the cut, text decoded ahead
  std::size_t cut_ = 0;
  std::size_t resume_ = 0;
  bool inputEnded_ = false;
  // Lines are counted as the offsets asked for advance: the line and column of countedTo_.
  std::size_t countedTo_ = 0;
  std::size_t line_ = 1;
  std::size_t column_ = 1;
};

}  // namespace vantor

#endif  // VANTOR_TOOL_TEXT_WINDOW_H
