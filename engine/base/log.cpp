#include "base/log.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "trov.h"
#include "trov_ext.h"

namespace trov {
namespace {

// Process-wide and unlocked: lines from two threads may interleave, which the log accepts.
char logFileName[TROV_MAX_PATH + 1];

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

void WriteLine(const char* format, std::va_list arguments) {
  const std::tm now = LocalTimeNow();
  if (logFileName[0] == '\0') return;
  std::FILE* file = std::fopen(logFileName, "a");
  if (file == nullptr) return;  // a lost line is the only consequence
  std::fprintf(file, "%02d:%02d:%02d ", now.tm_hour, now.tm_min, now.tm_sec);
  std::vfprintf(file, format, arguments);
  std::fputc('\n', file);
  std::fclose(file);
}

void WriteDateLine(const char* what) {
  const std::tm now = LocalTimeNow();
  LogLine("%04d/%02d/%02d %s", now.tm_year + 1900, now.tm_mon + 1, now.tm_mday, what);
}

}  // namespace

void LogLine(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  WriteLine(format, arguments);
  va_end(arguments);
}

bool LoggingOn() { return logFileName[0] != '\0'; }

}  // namespace trov

extern "C" void TROV_LogLineExt(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  trov::WriteLine(format, arguments);
  va_end(arguments);
}

extern "C" void TROV_SetLogFile(const char* fileName) {
  using namespace trov;
  if (fileName == nullptr) {
    if (LoggingOn()) WriteDateLine("Logging stopped");
    logFileName[0] = '\0';
    return;
  }
  std::strncpy(logFileName, fileName, TROV_MAX_PATH);
  logFileName[TROV_MAX_PATH] = '\0';
  if (LoggingOn()) WriteDateLine("Logging started");
}
