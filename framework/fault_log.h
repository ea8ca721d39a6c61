// The program's one sink for failures caught where nothing may be thrown on (window procedures,
// hooks, timers, the message loop): what is caught is never allowed to vanish without a trace.
// Each entry goes to the debugger output and to a short in-memory log that tests read.
#pragma once

#include <string>
#include <vector>

namespace zfw {

void LogFault(const char* where, const std::string& what);
// For use inside a catch (...) block: logs what the current exception says.
void LogCaughtException(const char* where);
// The most recent entries, oldest first (at most 200 are kept).
std::vector<std::string> FaultLogLines();
void ClearFaultLog();

}  // namespace zfw
