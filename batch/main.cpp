// velsira-batch: reads one JSON request per line from standard input and
// writes one JSON response per line, flushed after each.
#include <iostream>

#include "batch/BatchSession.h"

int main() {
  std::ios::sync_with_stdio(false);
  velsira::BatchSession session;
  session.Serve(std::cin, std::cout);
  return 0;
}
