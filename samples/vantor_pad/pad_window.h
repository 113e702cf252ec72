// Vantor Pad's main window: a rich-edit document with a menu bar and a status bar, checked by the
// Vantor control. The window owns everything in it and deletes itself when it is destroyed.
//
// pad_window.cpp holds the window and its messages, pad_file_commands.cpp the File menu and
// pad_spelling_commands.cpp the control's part: the Tools and Help menus, checking as the user
// types, the status bar's counts and the control's events.
#ifndef VANTOR_PAD_PAD_WINDOW_H
#define VANTOR_PAD_PAD_WINDOW_H

#include <windows.h>

#include <string>

#include "control_events.h"
#include "mark_counter.h"
#include "spelling_control.h"
#include "status_bar.h"
#include "text_file.h"

namespace pad {

inline constexpr wchar_t kPadClassName[] = L"VantorPad";
inline constexpr wchar_t kProgramName[] = L"Vantor Pad";

class PadWindow {
 public:
  // Shows a new pad holding file (a new document when file is empty). Null, after telling the
  // user, when the spelling control cannot be created.
  static HWND Open(const std::wstring& file);

  PadWindow(const PadWindow&) = delete;
  PadWindow& operator=(const PadWindow&) = delete;

 private:
  PadWindow() = default;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool CreateChildren();
  void Layout();
  void OnCommand(int command);
  void OnEditorChanged();
  void OnSelectionChanged();
  void OnContextMenu(LPARAM screenPoint);
  void OnClose();

  // ---- File (pad_file_commands.cpp) ----
  void NewDocument();
  void OpenDocument();
  // False when the user cancelled or the file could not be read or written.
  bool Load(const std::wstring& path);
  bool Save();
  bool SaveAs();
  bool Write(const std::wstring& path);
  // Offers to save changes; false when the user cancels what he was doing.
  bool ConfirmDiscard();
  void SetModified(bool modified);
  void UpdateTitle();
  // After the editor was given a whole new text.
  void DocumentReplaced();

  // ---- The control (pad_spelling_commands.cpp) ----
  bool ConnectControl();
  void OnControlEvent(DISPID event);
  void CheckSpelling();
  void ToggleCheckAsYouType();
  // One of the control's settings dialogs; what counts as a problem may change in it.
  void ShowSettingsDialog(void (SpellingControl::*dialog)());
  void ShowAbout();
  void ForwardChange();
  void Recheck();
  // Counting words and marks waits until the user pauses, then goes a slice per timer tick.
  void ScheduleRecount();
  void RecountSlice();

  // Holds off background notifications and timer work while a control call runs: the control
  // changes the editor's text and selection itself, and its menus and dialogs dispatch messages.
  class ControlCall {
   public:
    explicit ControlCall(PadWindow& pad) : pad_(pad) { ++pad_.controlCalls_; }
    ControlCall(const ControlCall&) = delete;
    ControlCall& operator=(const ControlCall&) = delete;
    ~ControlCall() { --pad_.controlCalls_; }

   private:
    PadWindow& pad_;
  };

  HWND window_ = nullptr;
  HWND editor_ = nullptr;
  StatusBar status_;
  SpellingControl control_;
  ControlEvents events_;
  Marking marking_;
  MarkCounter marks_{nullptr, 0};
  bool checkAsYouType_ = false;
  int controlCalls_ = 0;
  bool wordsStale_ = true;
  bool replacingText_ = false;  // the editor's change is a new document, not an edit
  long changesInCheck_ = 0;     // words changed or deleted by the running Check Spelling

  std::wstring path_;  // empty for a document never saved
  Encoding encoding_ = Encoding::kUtf8;
  bool modified_ = false;
};

}  // namespace pad

#endif  // VANTOR_PAD_PAD_WINDOW_H
