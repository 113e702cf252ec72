#include "text_window.h"

#include <algorithm>

namespace vantor {
namespace {

// Enough text per window that the per-window work is small beside the checking, and little
// enough that the tool's memory does not grow with the file.
constexpr std::size_t kWindowText = 8 * 1024;
constexpr std::size_t kReadBlock = 32 * 1024;

constexpr char kLineEnds[] = "\r\n";
constexpr char kBlanks[] = " \t\r\n";  // the engine's white space in every character set

}  // namespace

bool TextWindow::Fill(std::string& error) {
  std::string block(kReadBlock, '\0');
  for (;;) {
    if (inputEnded_) {
      cut_ = decoded_.size();
      return true;
    }
    if (decoded_.size() >= resume_ + kWindowText) {
      if (const std::size_t cut = FindCut(); cut != 0) {
        cut_ = cut;
        return true;
      }
    }
    std::size_t count = 0;
    if (!input_.Read(block.data(), block.size(), count, error)) return false;
    if (count == 0) {
      inputEnded_ = true;
      if (!decoder_.Finish()) {
        error = decoder_.Error();
        return false;
      }
    } else if (!decoder_.Feed(std::string_view(block.data(), count), decoded_)) {
      error = decoder_.Error();
      return false;
    }
  }
}

std::size_t TextWindow::FindCut() const {
  const std::size_t lineEnd = decoded_.find_last_of(kLineEnds);
  if (lineEnd == std::string::npos || lineEnd < resume_) return 0;
  const std::size_t cut = lineEnd + 1;
  return tagsSkipped_ && InsideTag(resume_, cut) ? 0 : cut;
}

bool TextWindow::InsideTag(std::size_t from, std::size_t to) const {
  // No tag is open at from (every cut is checked so). A tag open at to must have been opened by
  // the last '<' before it and not closed since; a '>' after the last '<' closes whatever tag
  // might be open.
  const std::string_view region = std::string_view(decoded_).substr(from, to - from);
  const std::size_t opening = region.find_last_of('<');
  return opening != std::string_view::npos && region.find('>', opening) == std::string_view::npos;
}

void TextWindow::Slide() {
  std::size_t keep = cut_;
  const std::size_t lastNonBlank =
      cut_ == 0 ? std::string::npos : decoded_.find_last_not_of(kBlanks, cut_ - 1);
  if (lastNonBlank != std::string::npos) {
    // Words and the backward walk to the word before never cross a line end.
    const std::size_t lineEnd = decoded_.find_last_of(kLineEnds, lastNonBlank);
    keep = lineEnd == std::string::npos ? 0 : lineEnd + 1;
  }
  PositionOf(keep);  // counts the lines of what is dropped
  decoded_.erase(0, keep);
  cut_ -= keep;
  countedTo_ -= keep;
  resume_ = cut_;
}

TextPosition TextWindow::PositionOf(std::size_t offset) {
  if (offset <= countedTo_) return {line_, column_};
  const std::string_view passed =
      std::string_view(decoded_).substr(countedTo_, offset - countedTo_);
  const std::size_t lastLineEnd = passed.rfind('\n');
  if (lastLineEnd == std::string_view::npos) {
    column_ += passed.size();
  } else {
    line_ += static_cast<std::size_t>(std::count(passed.begin(), passed.end(), '\n'));
    column_ = passed.size() - lastLineEnd;
  }
  countedTo_ = offset;
  return {line_, column_};
}

}  // namespace vantor
