// The checks every fuzz target makes. A failed check prints what it found
// and aborts, which the fuzzer records as a crash with its input.
//   VELSIRA_FUZZ_SECONDS      the processor time one input may take (default 1)
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fuzz/ProgramMessages.h"

namespace velsira::testing {

// No result text grows beyond this many characters.
inline constexpr size_t kResultLimit = 4'000'000;

[[noreturn]] inline void fail(const std::string& what, std::string_view detail) {
  std::fprintf(stderr, "\nCHECK FAILED: %s\n  %.*s%s\n", what.c_str(), static_cast<int>(std::min<size_t>(detail.size(), 300)),
               detail.data(), detail.size() > 300 ? "..." : "");
  std::abort();
}

inline double secondsAllowed() {
  static const double seconds = [] {
    const char* s = std::getenv("VELSIRA_FUZZ_SECONDS");
    return s ? std::atof(s) : 1.0;
  }();
  return seconds;
}

// The processor time this thread has used, in seconds: unlike the wall
// clock it does not grow while other programs share the machine.
inline double threadSeconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

inline void checkTime(std::string_view what, double seconds) {
  if (seconds > secondsAllowed())
    fail(std::string(what) + " took " + std::to_string(seconds) + " s", "");
}

// text: the error box as shown.
inline void checkMessage(const std::string& text) {
  if (!isProgramMessage(text, Quotes::Short)) fail("not one of the program's messages", text);
}

inline void checkResultSize(const std::vector<std::string>& lines) {
  size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 2;
  if (total > kResultLimit + 2) fail("a result of " + std::to_string(total) + " characters", "");
}

// typed: every text the user gave the operation (boxes and dialog answers),
// code page 1254. A result shows a "?" only where the user typed one: no
// character is ever replaced by it.
inline void checkNoInventedQuestionMarks(const std::vector<std::string>& typed, const std::vector<std::string>& lines) {
  for (const std::string& t : typed)
    if (cp1254ToUtf8(t).find('?') != std::string::npos) return;
  for (const std::string& line : lines)
    if (cp1254ToUtf8(line).find('?') != std::string::npos) fail("a result shows a \"?\" that was not typed", line);
}

}  // namespace velsira::testing
