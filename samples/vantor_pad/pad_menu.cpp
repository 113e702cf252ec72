#include "pad_menu.h"

#include <iterator>

#include "pad_commands.h"

namespace pad {
namespace {

struct Item {
  int command;  // 0 for a separator
  const wchar_t* text;
};

HMENU Popup(std::initializer_list<Item> items) {
  HMENU popup = CreatePopupMenu();
  for (const Item& item : items) {
    if (item.command == 0) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.command), item.text);
    }
  }
  return popup;
}

}  // namespace

HMENU CreateEditPopup() {
  return Popup({{kEditUndo, L"&Undo\tCtrl+Z"},
                {0, nullptr},
                {kEditCut, L"Cu&t\tCtrl+X"},
                {kEditCopy, L"&Copy\tCtrl+C"},
                {kEditPaste, L"&Paste\tCtrl+V"},
                {0, nullptr},
                {kEditSelectAll, L"Select &All\tCtrl+A"}});
}

HMENU CreateMenuBar() {
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP,
              reinterpret_cast<UINT_PTR>(Popup({{kFileNew, L"&New\tCtrl+N"},
                                                {kFileOpen, L"&Open...\tCtrl+O"},
                                                {kFileSave, L"&Save\tCtrl+S"},
                                                {kFileSaveAs, L"Save &As..."},
                                                {0, nullptr},
                                                {kFileExit, L"E&xit"}})),
              L"&File");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreateEditPopup()), L"&Edit");
  AppendMenuW(
      bar, MF_POPUP,
      reinterpret_cast<UINT_PTR>(Popup({{kToolsCheckSpelling, L"&Check Spelling...\tF7"},
                                        {kToolsCheckAsYouType, L"Check as You &Type"},
                                        {0, nullptr},
                                        {kToolsOptions, L"&Options..."},
                                        {kToolsUserDictionaries, L"&User Dictionaries..."}})),
      L"&Tools");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({{kHelpAbout, L"&About..."}})),
              L"&Help");
  return bar;
}

HACCEL CreateShortcutKeys() {
  // The editing keys too, so that paste takes plain text and undo goes through the pad.
  ACCEL keys[] = {
      {FCONTROL | FVIRTKEY, 'N', kFileNew},   {FCONTROL | FVIRTKEY, 'O', kFileOpen},
      {FCONTROL | FVIRTKEY, 'S', kFileSave},  {FCONTROL | FVIRTKEY, 'Z', kEditUndo},
      {FCONTROL | FVIRTKEY, 'X', kEditCut},   {FCONTROL | FVIRTKEY, 'C', kEditCopy},
      {FCONTROL | FVIRTKEY, 'V', kEditPaste}, {FCONTROL | FVIRTKEY, 'A', kEditSelectAll},
      {FVIRTKEY, VK_F7, kToolsCheckSpelling},
  };
  return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

}  // namespace pad
