#include "module.h"

#include <array>
#include <atomic>

#include "context_help.h"

namespace trov {
namespace {

// Process-wide by nature: the loader gives one instance handle per module.
HINSTANCE moduleInstance = nullptr;
std::atomic<long> moduleHolds{0};

}  // namespace

HINSTANCE ModuleInstance() { return moduleInstance; }

std::wstring ModuleFilePath() {
  std::array<wchar_t, MAX_PATH + 1> path{};
  const DWORD length =
      GetModuleFileNameW(moduleInstance, path.data(), static_cast<DWORD>(path.size()));
  return std::wstring(path.data(), length < path.size() ? length : 0);
}

std::string ModuleDirectory() {
  std::array<char, MAX_PATH + 1> path{};
  const DWORD length =
      GetModuleFileNameA(moduleInstance, path.data(), static_cast<DWORD>(path.size()));
  const std::string file(path.data(), length < path.size() ? length : 0);
  const std::size_t slash = file.rfind('\\');
  return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

std::wstring ModuleString(UINT id) {
  // A zero buffer size hands out a pointer to the resource's own, unterminated, text.
  const wchar_t* text = nullptr;
  const int length = LoadStringW(moduleInstance, id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 && text != nullptr ? std::wstring(text, static_cast<std::size_t>(length))
                                       : std::wstring();
}

void HoldModule() { ++moduleHolds; }
void ReleaseModule() { --moduleHolds; }
bool ModuleHeld() { return moduleHolds.load() > 0; }

}  // namespace trov

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    trov::moduleInstance = instance;
    DisableThreadLibraryCalls(instance);
    trov::ChooseHelpFile(trov::ModuleDirectory());
  }
  return TRUE;
}
