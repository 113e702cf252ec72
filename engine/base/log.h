// The engine's diagnostic log: one process-wide file name, one line per call, the file opened and
// closed for every line so each line is on disk when the call returns.
#ifndef TROV_LOG_H
#define TROV_LOG_H

namespace trov {

// Writes "HH:MM:SS " plus the formatted message and a newline when logging is on.
void LogLine(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

bool LoggingOn();

}  // namespace trov

#endif  // TROV_LOG_H
