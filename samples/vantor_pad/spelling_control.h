// The Vantor control as this program uses it, the way any automation client can: created by its
// ProgID and called through IDispatch by member name.
#ifndef VANTOR_PAD_SPELLING_CONTROL_H
#define VANTOR_PAD_SPELLING_CONTROL_H

#include <windows.h>

#include <oleauto.h>
#include <wrl/client.h>

#include <map>
#include <string>
#include <vector>

namespace pad {

// What background checking does to a problem word.
struct Marking {
  bool changeColour = true;
  bool bold = false;
  bool italics = false;
  bool underline = false;
  COLORREF colour = RGB(255, 0, 0);
};

class SpellingControl {
 public:
  // False when the control is not registered or does not start.
  bool Create();
  IUnknown* Object() const { return dispatch_.Get(); }

  // TextControlHWnd: the window Start checks; setting it also reads the window's text.
  void AttachTextWindow(HWND window);
  // The words of the text read last.
  long WordCount();
  // The Check Spelling dialog on the attached window: 0 at the end of the text, -17 when cancelled.
  long Start();
  void ShowOptionsDialog();
  void ShowUserDictionaryDialog();
  // Fails where the control has no About box.
  HRESULT AboutBox();

  // Background checking: after each change of the window's text or selection, over the whole
  // text, and the suggestion menu at a client point (x -1: y is a character position); Menu
  // answers 0 when the word there is not marked.
  long CheckBackgroundNotify(HWND window, const Marking& marking);
  long CheckBackgroundRecheck(HWND window, const Marking& marking);
  long CheckBackgroundMenu(HWND window, long x, long y, const Marking& marking);

 private:
  // Calls a member with its arguments in the order the type library lists them.
  HRESULT Invoke(const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result);
  long CallForLong(const wchar_t* name, WORD flags, std::vector<VARIANT> args);
  DISPID IdOf(const wchar_t* name);

  Microsoft::WRL::ComPtr<IDispatch> dispatch_;
  std::map<std::wstring, DISPID> ids_;
};

}  // namespace pad

#endif  // VANTOR_PAD_SPELLING_CONTROL_H
