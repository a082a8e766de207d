// A fuzz target for the reader of velsira-batch: any bytes, read as request
// lines, get exactly one answer a line, every answer is a JSON object, and
// an error of an operation is one of the program's messages.
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "batch/BatchSession.h"
#include "engine/Cp1254.h"
#include "tests/fuzz/FuzzChecks.h"

namespace velsira::testing {
namespace {

using nlohmann::json;

// A root scan over a wide range is long by nature: such inputs are left out.
bool asksAWideScan(std::string_view bytes) {
  size_t from = 0;
  while (from < bytes.size()) {
    size_t end = bytes.find('\n', from);
    if (end == std::string_view::npos) end = bytes.size();
    const json request = json::parse(bytes.substr(from, end - from), nullptr, false);
    if (request.is_object() && request.contains("answers") && request["answers"].is_array()) {
      for (const json& a : request["answers"]) {
        if (!a.is_string()) continue;
        const std::string& t = a.get_ref<const std::string&>();
        size_t digits = 0;
        for (char ch : t) digits += (ch >= '0' && ch <= '9');
        if (digits > 3) return true;
      }
    }
    from = end + 1;
  }
  return false;
}

// typedMarks: whether the requests may hold a "?" (typed, or escaped).
void checkAnswer(const std::string& line, bool typedMarks) {
  const json answer = json::parse(line, nullptr, false);
  if (!answer.is_object()) fail("an answer that is not a JSON object", line);
  // The result and input boxes show a "?" only where one was typed.
  for (const char* box : {"result", "input"}) {
    if (typedMarks || !answer.contains(box) || !answer[box].is_string()) continue;
    if (answer[box].get_ref<const std::string&>().find('?') != std::string::npos)
      fail(std::string("the ") + box + " box shows a \"?\" that was not typed", line);
  }
  const json& error = answer.contains("error") ? answer["error"] : json();
  if (!answer.contains("result")) {
    // A refused request: {"error": text} alone.
    if (!error.is_string() || answer.size() != 1) fail("a refusal without its error text", line);
    return;
  }
  if (error.is_null()) return;
  if (!error.is_string()) fail("an error that is not a text", line);
  const std::string text = utf8ToCp1254(error.get_ref<const std::string&>());
  // An input in ordinary notation that could not be read or converted ran
  // nothing: its message is the reader's or the conversion's.
  if (answer.contains("converted") && answer["converted"].is_null()) {
    if (!isNotationMessage(text)) fail("not a message of the reader or the conversion", line);
    return;
  }
  checkMessage(text);
}

}  // namespace
}  // namespace velsira::testing

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velsira::testing;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  if (asksAWideScan(bytes)) return 0;
  size_t requests = 0;
  for (char c : bytes) requests += (c == '\n');
  if (!bytes.empty() && bytes.back() != '\n') ++requests;

  std::istringstream in(bytes);
  std::ostringstream out;
  velsira::BatchSession session;
  const double start = threadSeconds();
  session.Serve(in, out);
  const double seconds = threadSeconds() - start;
  checkTime("the requests", seconds / static_cast<double>(requests ? requests : 1));

  std::istringstream answers(out.str());
  size_t count = 0;
  const bool typedMarks = bytes.find('?') != std::string::npos || bytes.find("\\u") != std::string::npos;
  for (std::string line; std::getline(answers, line); ++count) checkAnswer(line, typedMarks);
  if (count != requests)
    fail(std::to_string(requests) + " requests got " + std::to_string(count) + " answers", bytes);
  return 0;
}
