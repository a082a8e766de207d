// velsira-batch's "notation": "ordinary": the input is read as ordinary
// notation and converted into the operation's syntax before it runs.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velsira {

// The outcome of converting one input: the program text (UTF-8, "\n"
// between lines), or the Turkish message saying why it cannot be.
struct NotationOutcome {
  std::optional<std::string> converted;
  std::string error;
};

// Whether op reads the input box, so that it has a syntax to convert into.
bool ReadsInput(std::string_view op);
// The input (UTF-8) read as ordinary notation and written in the syntax of
// op, one of the ops for which ReadsInput holds.
NotationOutcome ConvertForOp(std::string_view op, std::string_view utf8);

}  // namespace velsira
