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

class BatchSession {
 public:
  BatchSession();
  ~BatchSession();

  // Answers one request object. A request that is not an object, has an
  // unknown op or a malformed field gets {"error": "..."}.
  nlohmann::json Handle(const nlohmann::json& request);
  // Answers one line of input with one line of output (no line break).
  // Whatever the line holds, the answer is one JSON object.
  std::string HandleLine(const std::string& line);
  // Answers every line of in with one line on out, flushed after each,
  // until in ends. A CR before the line break is dropped.
  void Serve(std::istream& in, std::ostream& out, std::size_t maxLine = kMaxRequestLine);

 private:
  // Runs one click handler (an empty one: none) with the message boxes
  // emptied first.
  void Run(const std::function<void()>& handler);
  // The response to request after its operation op has run.
  nlohmann::json Response(const nlohmann::json& request, const std::string& op);

  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace velsira
