// Vantor Pad: a small editor that hosts the Vantor spelling control through COM, as a customer's
// program would.
//
//   vantor_pad [file]
//   vantor_pad --screenshot <picture.bmp> <file>   (the documentation's picture)
#include <windows.h>

#include <ole2.h>
#include <shellapi.h>

#include <string>

#include "menu_photographer.h"
#include "pad_commands.h"
#include "pad_menu.h"
#include "pad_window.h"

namespace {

int RunMessageLoop(HWND pad) {
  HACCEL keys = pad::CreateShortcutKeys();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(pad, keys, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  DestroyAcceleratorTable(keys);
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const bool screenshot = count == 4 && std::wstring(arguments[1]) == L"--screenshot";
  const std::wstring file = screenshot ? arguments[3] : count > 1 ? arguments[1] : L"";
  const std::wstring picture = screenshot ? arguments[2] : L"";
  LocalFree(arguments);

  // The rich edit's clipboard and drag and drop need OLE, the control needs COM.
  if (FAILED(OleInitialize(nullptr))) return 1;
  int exitCode = 1;
  if (HWND pad = pad::PadWindow::Open(file)) {
    pad::MenuPhotographer photographer;
    if (screenshot) {
      SendMessageW(pad, WM_COMMAND, pad::kToolsCheckAsYouType, 0);
      photographer.Start(pad, picture);
    }
    exitCode = RunMessageLoop(pad);
    if (screenshot && !photographer.Finish()) exitCode = 1;
  }
  OleUninitialize();
  return exitCode;
}
