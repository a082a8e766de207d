// velsira-batch never dies on its input: a line that is not a request gets
// one error line, and the next line is answered as usual.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "batch/BatchSession.h"
#include "engine/Errors.h"

namespace velsira {
namespace {

using nlohmann::json;
using namespace std::string_literals;

// A request whose answer is known: "[(2+3)]" calculated is 5.
const std::string kProbe = R"({"op":"calc","input":"[(2+3)]"})";

struct BadLine {
  const char* what;
  std::string line;
  bool refused;  // answered with {"error": ...} alone; otherwise run by the engine
};

// "[0,0,...,0]" with n values.
std::string flatArray(size_t n) {
  std::string line = "[0";
  for (size_t i = 1; i < n; ++i) line += ",0";
  return line + "]";
}

std::vector<BadLine> badLines() {
  return {
      {"empty line", "", true},
      {"blanks", "   \t", true},
      {"not JSON", "derive [(x)]", true},
      {"a lone byte that is not UTF-8", "\xff", true},
      {"broken UTF-8 in a JSON text", "\"\xc3(\"", true},
      {"broken UTF-8 in the input", "{\"op\":\"calc\",\"input\":\"[(\xe2\x82)]\"}", true},
      {"raw NUL byte", "{\"op\":\"calc\0\"}"s, true},
      {"escaped NUL in the input", R"({"op":"calc","input":"[(1\u0000)]"})", false},
      {"an array", "[1,2]", true},
      {"a number", "42", true},
      {"null", "null", true},
      {"a text", R"("calc")", true},
      {"unclosed object", R"({"op":"calc")", true},
      {"no op", R"({"input":"[(x)]"})", true},
      {"op a number", R"({"op":1})", true},
      {"op null", R"({"op":null})", true},
      {"op an array", R"({"op":["derive"]})", true},
      {"unknown op", R"({"op":"frobnicate"})", true},
      {"input a number", R"({"op":"calc","input":5})", true},
      {"input null", R"({"op":"calc","input":null})", true},
      {"input an object", R"({"op":"calc","input":{}})", true},
      {"selection a text", R"({"op":"calc","selection":"1,2"})", true},
      {"selection too short", R"({"op":"calc","selection":[1]})", true},
      {"selection too long", R"({"op":"calc","selection":[1,2,3]})", true},
      {"selection with a fraction", R"({"op":"calc","selection":[1.5,2]})", true},
      {"selection with a text", R"({"op":"calc","selection":["1",2]})", true},
      {"selection beyond 64 bits", R"({"op":"calc","selection":[99999999999999999999999,0]})", true},
      {"selection out of the number range", R"({"op":"calc","selection":[1e400,0]})", true},
      {"selection at the 64-bit ends", R"({"op":"calc","selection":[-9223372036854775808,9223372036854775807]})",
       true},
      {"selection at the unsigned end", R"({"op":"calc","selection":[18446744073709551615,18446744073709551615]})",
       true},
      {"selection past the end of the box", R"({"op":"calc","input":"[(2+3)]","selection":[7,1]})", true},
      {"selection with a negative length", R"({"op":"calc","input":"[(2+3)]","selection":[3,-1]})", true},
      {"selection of the whole box", R"({"op":"calc","input":"[(2+3)]","selection":[0,7]})", false},
      {"arrays 64 deep", std::string(64, '[') + std::string(64, ']'), true},
      {"an object 65 deep", R"({"op":"calc","input":"[(2+3)]","x":)" + std::string(64, '[') + std::string(64, ']') + "}",
       true},
      {"brackets inside a text do not nest", R"({"op":"calc","input":"[(2+3)]","x":")" + std::string(100, '[') + "\"}",
       false},
      {"a flat array of a million values", flatArray(1000000), true},
      {"insert past the length bound", R"({"op":"insert","input":")" + std::string(3999999, 'x') + R"(","text":"xx"})",
       false},
      {"unit a number", R"({"op":"calc","unit":1})", true},
      {"unknown unit", R"({"op":"calc","unit":"kelvin"})", true},
      {"edit a number", R"({"op":"at","edit":0})", true},
      {"edit true", R"({"op":"at","edit":true})", true},
      {"answers a text", R"({"op":"roots","answers":"3"})", true},
      {"answers holding a number", R"({"op":"roots","answers":[1]})", true},
      {"answers holding true", R"({"op":"roots","answers":[true]})", true},
      {"answers an object", R"({"op":"roots","answers":{"a":1}})", true},
      {"trace a number", R"({"op":"calc","input":"[(9)]","trace":3})", true},
      {"trace a text", R"({"op":"calc","input":"[(9)]","trace":"yes"})", true},
      {"trace null", R"({"op":"calc","input":"[(9)]","trace":null})", true},
      {"insert without text", R"({"op":"insert"})", true},
      {"insert with a number", R"({"op":"insert","text":5})", true},
      {"several megabytes that are not JSON", std::string(4 << 20, 'x'), true},
      {"a very long number", std::string(3 << 20, '1') + "x", true},
      {"deeply nested arrays", std::string(1 << 20, '[') + std::string(1 << 20, ']'), true},
      {"deeply nested and unclosed", std::string(2 << 20, '{'), true},
  };
}

json parsedObject(const std::string& line) {
  json j = json::parse(line, nullptr, false);
  EXPECT_TRUE(j.is_object()) << line.substr(0, 200);
  return j;
}

void expectProbeAnswer(const std::string& line, const std::string& after) {
  const json j = parsedObject(line);
  EXPECT_EQ(j.value("result", "?"), "5") << "after " << after << ": " << line.substr(0, 200);
}

void expectBadLineAnswer(const BadLine& bad, const std::string& line) {
  const json j = parsedObject(line);
  if (bad.refused) {
    ASSERT_TRUE(j.contains("error") && j["error"].is_string()) << bad.what;
    EXPECT_FALSE(j.contains("result")) << bad.what;
    EXPECT_LE(line.size(), 400u) << bad.what;  // the request is never echoed whole
  } else {
    EXPECT_TRUE(j.contains("result")) << bad.what << ": " << line.substr(0, 200);
  }
}

TEST(BatchInput, EveryBadLineGetsOneAnswerAndTheNextIsAnsweredAsUsual) {
  for (const BadLine& bad : badLines()) {
    BatchSession session;
    expectBadLineAnswer(bad, session.HandleLine(bad.line));
    expectProbeAnswer(session.HandleLine(kProbe), bad.what);
  }
}

TEST(BatchInput, ARefusedRequestDoesNotRunItsOperation) {
  BatchSession session;
  session.HandleLine(R"({"op":"calc","input":"[(1+1)]"})");
  const json refused = json::parse(session.HandleLine(R"({"op":"calc","input":"[(9)]","trace":"yes"})"));
  EXPECT_EQ(refused.value("error", ""), "field 'trace' must be true or false");
  const json next = json::parse(session.HandleLine(R"({"op":"clear"})"));
  EXPECT_EQ(next["input"], "[(1+1)]");
}

TEST(BatchInput, TheBoxBoundsAreKeptWithClearAnswers) {
  BatchSession session;
  const json outside = json::parse(session.HandleLine(R"({"op":"calc","input":"[(2+3)]","selection":[5,3]})"));
  EXPECT_EQ(outside.value("error", ""), "field 'selection' lies outside the input box of 7 characters");
  const json nested = json::parse(session.HandleLine(std::string(65, '[') + std::string(65, ']')));
  EXPECT_EQ(nested.value("error", ""), "JSON nested deeper than 64 levels");
  const json many = json::parse(session.HandleLine(flatArray(kMaxValues + 1)));
  EXPECT_EQ(many.value("error", ""), "a request of more than 100000 JSON values");

  const std::string full(kTextLimit - 1, 'x');
  const json fits = json::parse(session.HandleLine(R"({"op":"insert","input":")" + full + R"(","text":"x"})"));
  EXPECT_TRUE(fits["error"].is_null());
  EXPECT_EQ(fits["input"].get<std::string>().size(), kTextLimit);
  const json over = json::parse(session.HandleLine(R"({"op":"insert","text":"x"})"));
  EXPECT_EQ(over["error"], "Sonuç metni 4.000.000 karakter sınırını aşıyor; ifadeyi kısaltınız.");
  EXPECT_EQ(over["input"].get<std::string>().size(), kTextLimit);
}

TEST(BatchInput, TheStreamReaderAnswersEveryLineOnce) {
  std::string in;
  const std::vector<BadLine> bad = badLines();
  for (const BadLine& b : bad) in += b.line + "\n" + kProbe + "\r\n";
  in += std::string(5000, 'y') + "\n" + kProbe;  // over the limit below; no final line break
  std::istringstream input(in);
  std::ostringstream output;
  BatchSession session;
  session.Serve(input, output, 4000);

  std::vector<std::string> lines;
  std::istringstream answers(output.str());
  for (std::string line; std::getline(answers, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 2 * bad.size() + 2);
  for (size_t i = 0; i < bad.size(); ++i) {
    // Lines over 4000 bytes are all refused by the limit.
    if (bad[i].line.size() <= 4000) expectBadLineAnswer(bad[i], lines[2 * i]);
    else EXPECT_TRUE(parsedObject(lines[2 * i]).contains("error"));
    expectProbeAnswer(lines[2 * i + 1], bad[i].what);
  }
  EXPECT_EQ(parsedObject(lines[2 * bad.size()]).value("error", ""), "request line longer than 4000 bytes");
  expectProbeAnswer(lines.back(), "an overlong line");
}

// The program itself, fed a file of bad lines, each followed by the probe.
TEST(BatchInput, TheProgramAnswersEveryLineAndEndsNormally) {
  namespace fs = std::filesystem;
  const fs::path file = fs::temp_directory_path() / ("velsira-batch-input-" + std::to_string(::getpid()));
  size_t requests = 0;
  {
    std::ofstream out(file, std::ios::binary);
    for (const BadLine& b : badLines()) {
      out << b.line << '\n' << kProbe << '\n';
      requests += 2;
    }
    out << std::string(kMaxRequestLine + 10, ' ') << '\n' << kProbe << '\n';
    requests += 2;
  }
  const std::string command = "'" VELSIRA_BATCH_PROGRAM "' < '" + file.string() + "'";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::vector<std::string> lines(1);
  for (int c; (c = fgetc(pipe)) != EOF;) {
    if (c == '\n') lines.emplace_back();
    else lines.back() += static_cast<char>(c);
  }
  const int status = pclose(pipe);
  fs::remove(file);
  EXPECT_EQ(status, 0);
  ASSERT_EQ(lines.back(), "");  // the output ends with a line break
  lines.pop_back();
  ASSERT_EQ(lines.size(), requests);
  for (size_t i = 0; i < lines.size(); i += 2) {
    EXPECT_TRUE(parsedObject(lines[i]).contains("error") || parsedObject(lines[i]).contains("result"));
    expectProbeAnswer(lines[i + 1], "line " + std::to_string(i + 1));
  }
  EXPECT_EQ(parsedObject(lines[lines.size() - 2]).value("error", ""),
            "request line longer than " + std::to_string(kMaxRequestLine) + " bytes");
}

}  // namespace
}  // namespace velsira
