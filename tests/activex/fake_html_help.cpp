// A stand-in for the HTML Help control: exports its entry by ordinal, as the real one does, and
// records what it is asked to show so a test can read the calls back through the same module.
#include <windows.h>

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

struct HelpCall {
  HWND caller;
  std::string file;
  UINT command;
  DWORD_PTR data;
};

std::mutex callsLock;
std::vector<HelpCall> calls;

}  // namespace

extern "C" HWND WINAPI FakeHtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
  std::lock_guard<std::mutex> hold(callsLock);
  calls.push_back({caller, file != nullptr ? file : "", command, data});
  return nullptr;
}

extern "C" int WINAPI FakeHelpCallCount() {
  std::lock_guard<std::mutex> hold(callsLock);
  return static_cast<int>(calls.size());
}

// Call index's file into buffer (bounded); its command, or -1 for an index out of range.
extern "C" int WINAPI FakeHelpCall(int index, char* file, int size, HWND* caller) {
  std::lock_guard<std::mutex> hold(callsLock);
  if (index < 0 || static_cast<std::size_t>(index) >= calls.size() || size < 1) return -1;
  const HelpCall& call = calls[static_cast<std::size_t>(index)];
  const std::size_t length = std::min(call.file.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(file, call.file.data(), length);
  file[length] = '\0';
  *caller = call.caller;
  return static_cast<int>(call.command);
}
