#include "skin/frame/skin_log.h"

#include <windows.h>

#include <deque>
#include <exception>

namespace zembrel {
namespace {

std::deque<std::string>& Lines() {
  static std::deque<std::string> lines;
  return lines;
}

}  // namespace

void LogSkinFault(const char* where, const std::string& what) {
  std::string line = std::string(where) + ": " + what;
  OutputDebugStringA(("zembrel skin: " + line + "\n").c_str());
  Lines().push_back(std::move(line));
  if (Lines().size() > 200) Lines().pop_front();
}

void LogCaughtException(const char* where) {
  try {
    throw;
  } catch (const std::exception& e) {
    LogSkinFault(where, e.what());
  } catch (...) {
    LogSkinFault(where, "unknown exception");
  }
}

std::vector<std::string> SkinLogLines() { return {Lines().begin(), Lines().end()}; }
void ClearSkinLog() { Lines().clear(); }

}  // namespace zembrel
