// The File menu: new, open and save, in the encoding the file came in, and the question about
// unsaved changes before a document is dropped.
#include <windows.h>

#include <commdlg.h>

#include <filesystem>

#include "editor_text.h"
#include "pad_window.h"

namespace pad {
namespace {

constexpr wchar_t kFilter[] = L"Text files (*.txt)\0*.txt\0All files (*.*)\0*.*\0";

// The file the user picks; empty when he cancels.
std::wstring AskForFile(HWND owner, bool save, const std::wstring& current) {
  wchar_t name[MAX_PATH] = {};
  current.copy(name, MAX_PATH - 1);
  OPENFILENAMEW ask{};
  ask.lStructSize = sizeof ask;
  ask.hwndOwner = owner;
  ask.lpstrFilter = kFilter;
  ask.lpstrFile = name;
  ask.nMaxFile = MAX_PATH;
  ask.lpstrDefExt = L"txt";
  ask.Flags = save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST;
  const BOOL chosen = save ? GetSaveFileNameW(&ask) : GetOpenFileNameW(&ask);
  return chosen ? std::wstring(name) : std::wstring();
}

std::wstring DisplayName(const std::wstring& path) {
  return path.empty() ? L"Untitled" : std::filesystem::path(path).filename().wstring();
}

}  // namespace

void PadWindow::NewDocument() {
  if (!ConfirmDiscard()) return;
  replacingText_ = true;
  SetEditorText(editor_, L"");
  replacingText_ = false;
  path_.clear();
  encoding_ = Encoding::kUtf8;
  DocumentReplaced();
}

void PadWindow::OpenDocument() {
  if (!ConfirmDiscard()) return;
  const std::wstring path = AskForFile(window_, false, L"");
  if (!path.empty()) Load(path);
}

bool PadWindow::Load(const std::wstring& path) {
  std::string bytes;
  if (!ReadBytes(path, bytes)) {
    MessageBoxW(window_, (L"Cannot read " + path + L".").c_str(), kProgramName,
                MB_OK | MB_ICONERROR);
    return false;
  }
  DecodedText decoded = DecodeText(bytes);
  replacingText_ = true;
  SetEditorText(editor_, decoded.text);
  replacingText_ = false;
  path_ = path;
  encoding_ = decoded.encoding;
  DocumentReplaced();
  return true;
}

void PadWindow::DocumentReplaced() {
  modified_ = false;
  UpdateTitle();
  if (checkAsYouType_) Recheck();
  ScheduleRecount();
}

bool PadWindow::Save() { return path_.empty() ? SaveAs() : Write(path_); }

bool PadWindow::SaveAs() {
  const std::wstring path = AskForFile(window_, true, path_);
  if (path.empty() || !Write(path)) return false;
  path_ = path;
  UpdateTitle();
  return true;
}

bool PadWindow::Write(const std::wstring& path) {
  const std::wstring text = EditorText(editor_);
  bool lossy = false;
  std::string bytes = EncodeText(text, encoding_, lossy);
  if (lossy) {
    const int answer = MessageBoxW(window_,
                                   L"Some characters of this document have no ANSI form and would "
                                   L"be saved as question marks.\n\nSave it as UTF-8 instead?",
                                   kProgramName, MB_YESNOCANCEL | MB_ICONWARNING);
    if (answer == IDCANCEL) return false;
    if (answer == IDYES) {
      encoding_ = Encoding::kUtf8;
      bytes = EncodeText(text, encoding_, lossy);
    }
  }
  if (!WriteBytes(path, bytes)) {
    MessageBoxW(window_, (L"Cannot write " + path + L".").c_str(), kProgramName,
                MB_OK | MB_ICONERROR);
    return false;
  }
  SetModified(false);
  status_.ShowMessage(L"Saved " + DisplayName(path));
  return true;
}

bool PadWindow::ConfirmDiscard() {
  if (!modified_) return true;
  const std::wstring question = L"Save the changes to " + DisplayName(path_) + L"?";
  switch (MessageBoxW(window_, question.c_str(), kProgramName, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return Save();
    case IDNO:
      return true;
    default:
      return false;
  }
}

void PadWindow::SetModified(bool modified) {
  if (modified == modified_) return;
  modified_ = modified;
  UpdateTitle();
}

void PadWindow::UpdateTitle() {
  const std::wstring title = (modified_ ? L"*" : L"") + DisplayName(path_) + L" - " + kProgramName;
  SetWindowTextW(window_, title.c_str());
}

}  // namespace pad
