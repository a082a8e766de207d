// velsira-batch: reads one JSON request per line from standard input and
// writes one JSON response per line, flushed after each.
#include <iostream>
#include <string>

#include "batch/BatchSession.h"

int main() {
  std::ios::sync_with_stdio(false);
  velsira::BatchSession session;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << session.HandleLine(line) << '\n' << std::flush;
  }
  return 0;
}
