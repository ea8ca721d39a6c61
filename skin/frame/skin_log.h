// The skin engine's one sink for failures it catches at its entry points (window procedures,
// hooks, timers): nothing thrown may leave them, and nothing caught may vanish without a trace.
// Each entry goes to the debugger output and to a short in-memory log that tests read.
#pragma once

#include <string>
#include <vector>

namespace zembrel {

void LogSkinFault(const char* where, const std::string& what);
// For use inside a catch (...) block: logs what the current exception says.
void LogCaughtException(const char* where);
// The most recent entries, oldest first (at most 200 are kept).
std::vector<std::string> SkinLogLines();
void ClearSkinLog();

}  // namespace zembrel
