#include "framework/fault_log.h"

#include <windows.h>

#include <deque>
#include <exception>

namespace zfw {
namespace {

std::deque<std::string>& Lines() {
  static std::deque<std::string> lines;
  return lines;
}

}  // namespace

void LogFault(const char* where, const std::string& what) {
  std::string line = std::string(where) + ": " + what;
  OutputDebugStringA(("zembrel: " + line + "\n").c_str());
  Lines().push_back(std::move(line));
  if (Lines().size() > 200) Lines().pop_front();
}

void LogCaughtException(const char* where) {
  try {
    throw;
  } catch (const std::exception& e) {
    LogFault(where, e.what());
  } catch (...) {
    LogFault(where, "unknown exception");
  }
}

std::vector<std::string> FaultLogLines() { return {Lines().begin(), Lines().end()}; }
void ClearFaultLog() { Lines().clear(); }

}  // namespace zfw
