// velsira-batch: the headless front end. One session holds one program state,
// as one run of the desktop program would, and answers JSON requests by
// driving the same click handlers as the window.
#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

namespace velsira {

// The longest request line that is read: 16 MiB. A longer line is read to
// its end without being kept and is answered with an error.
inline constexpr std::size_t kMaxRequestLine = std::size_t{16} << 20;
// A plot's response lists its series exactly up to this many points; a
// longer series is kept and listed as the extremes of each pixel column.
inline constexpr std::size_t kExactPlotPoints = 1000001;
// The deepest nesting of arrays and objects a request may have; a deeper
// line is refused before it is parsed.
inline constexpr std::size_t kMaxNesting = 64;
// The most JSON values (numbers, texts, arrays, ...) a request may hold; a
// line with more is refused before it is parsed.
inline constexpr std::size_t kMaxValues = 100000;

class BatchSession {
 public:
  BatchSession();
  ~BatchSession();

  // The answer to a request that ran out of memory; the session goes on.
  static const char* const kOutOfMemoryLine;

  // Answers one request object. A request that is not an object, has an
  // unknown op or a malformed field gets {"error": "..."}. Running out of
  // memory raises std::bad_alloc.
  nlohmann::json Handle(const nlohmann::json& request);
  // Answers one line of input with one line of output (no line break).
  // Whatever the line holds, the answer is one JSON object; running out of
  // memory anywhere in the request gives kOutOfMemoryLine.
  std::string HandleLine(const std::string& line);
  // Answers every line of in with one line on out, flushed after each,
  // until in ends. A CR before the line break is dropped.
  void Serve(std::istream& in, std::ostream& out, std::size_t maxLine = kMaxRequestLine);

 private:
  // The response to request; the plot's series only withPoints.
  nlohmann::json Respond(const nlohmann::json& request, bool withPoints);
  // HandleLine, with running out of memory raised.
  std::string AnswerLine(const std::string& line);
  // Writes the answer to line (or, with noMemory, the out-of-memory line).
  void writeAnswer(std::ostream& out, const std::string& line, bool noMemory);
  // Runs one click handler (an empty one: none) with the message boxes
  // emptied first; running
  // out of memory inside it raises std::bad_alloc after the window's error
  // handling.
  void Run(const std::function<void()>& handler);
  // The response to request after its operation op has run.
  nlohmann::json Response(const nlohmann::json& request, const std::string& op);

  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace velsira
