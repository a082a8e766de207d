// velsira-batch: reads one JSON request per line from standard input and
// writes one JSON response per line, flushed after each.
#include <cstring>
#include <iostream>

#include "batch/BatchSession.h"

#ifndef VELSIRA_VERSION
#define VELSIRA_VERSION "1.0"
#endif

namespace {

constexpr const char* kHelp =
    R"help(Usage: velsira-batch [--help | --version]
One JSON request per line on standard input, one JSON response per line
out; one process holds one program state. Request fields ("op" required;
the others keep what the last request left):
  op         derive integrate calc at quadratic roots limit delta-epsilon
             plot clear hint insert reset
  input      the whole input box, lines separated by \n    (start: "[()]")
  selection  [start, length] in characters of the input box
  unit       deg, rad or grad                              (start: deg)
  edit       the number entry box read by "at"             (start: "0")
  answers    texts typed into the input dialogs; null is Cancel
  text       what "insert" puts at the caret, as a pad button
  trace      true: also return the fifteen work lists
  notation   "ordinary": read input as ordinary notation (x^2+sin(x)) and
             convert it to the op's syntax first ("program": as written)
  simplify   true: also the answer simplified and checked by GiNaC
Response fields: result, display (as seen on screen), charset, input,
  selection, messages, error (as raised, or null), error_tr (the Turkish
  text the window shows), windows, progress; worklists (trace); converted
  (notation); simplified, plain, check {status: ok|wrong|unknown, detail}
  (simplify); plot: axes and points ([x, y]; exact up to 1,000,001, else
  640 columns' extremes with "points_reduced": true).
A bad line (not JSON, nested over 64 levels, over 100,000 values, a
selection outside the box) gets {"error": "..."}, running out of memory
{"error": "bellek yetersiz: ..."}; the program goes on either way.
Example:
  $ echo '{"op":"derive","input":"[(x²)]+[Sin(x)]"}' | velsira-batch
  {"result":"(((2x))+((1)*(Cos(x))))","error":null,...}
)help";

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
      std::cout << kHelp;
      return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
      std::cout << "velsira-batch " VELSIRA_VERSION "\n";
      return 0;
    }
    const bool firstKnown = std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
                            std::strcmp(argv[1], "--version") == 0;
    std::cerr << "velsira-batch: unknown option '" << argv[firstKnown ? 2 : 1] << "' (see velsira-batch --help)\n";
    return 2;
  }
  std::ios::sync_with_stdio(false);
  velsira::BatchSession session;
  session.Serve(std::cin, std::cout);
  return 0;
}
