// The control's part of the pad: Check Spelling, Check as You Type, the control's settings
// dialogs and About box, its events, and the status bar's counts.
#include <richedit.h>

#include "editor_text.h"
#include "pad_commands.h"
#include "pad_window.h"

namespace pad {
namespace {

constexpr long kCancelled = -17;  // Start's result when the user closed the dialog early
constexpr UINT_PTR kRecountTimer = 1;
constexpr UINT kPauseBeforeRecountMs = 400;
constexpr UINT kSliceIntervalMs = 10;
constexpr DWORD kSliceBudgetMs = 25;

}  // namespace

bool PadWindow::ConnectControl() {
  if (!control_.Create()) {
    MessageBoxW(window_,
                L"The Vantor spelling control is not registered.\n\n"
                L"Register it with \"regsvr32 vantor.dll\" and start Vantor Pad again.",
                kProgramName, MB_OK | MB_ICONERROR);
    return false;
  }
  // The pad works without events; it then only misses the summary after Check Spelling.
  events_.Connect(control_.Object(), [this](DISPID event) { OnControlEvent(event); });
  return true;
}

void PadWindow::OnControlEvent(DISPID event) {
  switch (event) {
    case kReplaceWordEvent:
    case kDeleteWordEvent:
      ++changesInCheck_;
      break;
    case kEndOfTextEvent:
      status_.ShowMessage(L"Spelling check complete: " + std::to_wstring(changesInCheck_) +
                          (changesInCheck_ == 1 ? L" change" : L" changes"));
      break;
  }
}

void PadWindow::CheckSpelling() {
  changesInCheck_ = 0;
  status_.ShowMessage(L"Checking spelling...");
  long result = 0;
  {
    ControlCall call(*this);
    control_.AttachTextWindow(editor_);
    result = control_.Start();
  }
  if (result == kCancelled) status_.ShowMessage(L"Spelling check cancelled");
  // The marks follow the changes the dialog made.
  if (checkAsYouType_) Recheck();
  ScheduleRecount();
}

void PadWindow::ToggleCheckAsYouType() {
  checkAsYouType_ = !checkAsYouType_;
  CheckMenuItem(GetMenu(window_), kToolsCheckAsYouType,
                MF_BYCOMMAND | (checkAsYouType_ ? MF_CHECKED : MF_UNCHECKED));
  if (checkAsYouType_) {
    Recheck();
  } else {
    ClearMarks(editor_);
    status_.ShowMarks(-1);
  }
  ScheduleRecount();
}

void PadWindow::ShowSettingsDialog(void (SpellingControl::*dialog)()) {
  {
    ControlCall call(*this);
    (control_.*dialog)();
  }
  if (checkAsYouType_) Recheck();
  ScheduleRecount();
}

void PadWindow::ShowAbout() {
  HRESULT shown = E_FAIL;
  {
    ControlCall call(*this);
    shown = control_.AboutBox();
  }
  if (SUCCEEDED(shown)) return;
  MessageBoxW(window_,
              L"Vantor Pad\nA sample editor that hosts the Vantor spelling control.\n\n"
              L"The control's About box is not available in this version.",
              L"About Vantor Pad", MB_OK | MB_ICONINFORMATION);
}

void PadWindow::ForwardChange() {
  // A new document is checked whole once it is in.
  if (!checkAsYouType_ || controlCalls_ > 0 || replacingText_) return;
  {
    ControlCall call(*this);
    control_.CheckBackgroundNotify(editor_, marking_);
  }
  ScheduleRecount();
}

void PadWindow::Recheck() {
  ControlCall call(*this);
  // The editor's painting and scroll position stay as the user left them.
  FrozenView frozen(editor_);
  control_.CheckBackgroundRecheck(editor_, marking_);
}

void PadWindow::ScheduleRecount() {
  wordsStale_ = true;
  marks_.Restart();
  SetTimer(window_, kRecountTimer, kPauseBeforeRecountMs, nullptr);
}

void PadWindow::RecountSlice() {
  // A dialog or menu of the control is open: the text may be mid-change.
  if (controlCalls_ > 0) return;
  if (wordsStale_) {
    // The control counts the words of the text it read when the window was attached.
    ControlCall call(*this);
    control_.AttachTextWindow(editor_);
    status_.ShowWords(control_.WordCount());
    wordsStale_ = false;
  }
  if (!checkAsYouType_) {
    KillTimer(window_, kRecountTimer);
    return;
  }
  if (marks_.Continue(kSliceBudgetMs)) {
    KillTimer(window_, kRecountTimer);
    status_.ShowMarks(marks_.count());
  } else {
    SetTimer(window_, kRecountTimer, kSliceIntervalMs, nullptr);
  }
}

}  // namespace pad
