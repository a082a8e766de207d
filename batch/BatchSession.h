// velsira-batch: the headless front end. One session holds one program state,
// as one run of the desktop program would, and answers JSON requests by
// driving the same click handlers as the window.
#pragma once

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

namespace velsira {

class BatchSession {
 public:
  BatchSession();
  ~BatchSession();

  // Answers one request object. A request that is not an object, has an
  // unknown op or a malformed field gets {"error": "..."}.
  nlohmann::json Handle(const nlohmann::json& request);
  // Answers one line of input with one line of output (no line break).
  std::string HandleLine(const std::string& line);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace velsira
