// Replays the end-to-end cases through velsira-batch. Every *.jsonl file of
// the cases folder holds one case a line:
//   {"name": ..., "request": {...}, "expect": {...}}  or
//   {"name": ..., "seq": [{...}, ...], "expect": {...}}
// Each case starts from a fresh program state; "expect" holds the response
// fields of its last request that must match exactly.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

struct Case {
  std::string where;
  std::vector<json> requests;
  json expect;
};

std::vector<std::string> runBatch(const std::string& program, const std::vector<json>& requests) {
  const fs::path input = fs::temp_directory_path() / ("velsira-replay-" + std::to_string(::getpid()) + ".jsonl");
  {
    std::ofstream out(input);
    for (const auto& r : requests) out << r.dump() << '\n';
  }
  std::vector<std::string> lines;
  const std::string command = "'" + program + "' < '" + input.string() + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return lines;
  std::string line;
  int c;
  while ((c = fgetc(pipe)) != EOF) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  const int status = pclose(pipe);
  fs::remove(input);
  if (status != 0) std::cerr << "velsira-batch exited with status " << status << "\n";
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: replay_cases VELSIRA_BATCH CASES_DIR\n";
    return 2;
  }
  const std::string program = argv[1];
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(argv[2]))
    if (entry.path().extension() == ".jsonl") files.push_back(entry.path());
  std::sort(files.begin(), files.end());

  int passed = 0, failed = 0;
  for (const auto& file : files) {
    std::ifstream in(file);
    std::vector<Case> cases;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
      ++lineNo;
      if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
      Case c;
      c.where = file.filename().string() + ":" + std::to_string(lineNo);
      json j;
      try {
        j = json::parse(line);
      } catch (const json::exception& e) {
        std::cerr << c.where << ": not JSON: " << e.what() << "\n";
        ++failed;
        continue;
      }
      if (j.contains("name")) c.where += " (" + j["name"].get<std::string>() + ")";
      if (j.contains("seq"))
        for (const auto& r : j["seq"]) c.requests.push_back(r);
      else
        c.requests.push_back(j["request"]);
      c.expect = j["expect"];
      cases.push_back(std::move(c));
    }

    std::vector<json> requests;
    for (const auto& c : cases) {
      requests.push_back(json{{"op", "reset"}});
      for (const auto& r : c.requests) requests.push_back(r);
    }
    const auto responses = runBatch(program, requests);
    size_t at = 0;
    for (const auto& c : cases) {
      at += 1 + c.requests.size();
      if (at > responses.size()) {
        std::cerr << c.where << ": no response\n";
        ++failed;
        continue;
      }
      const json response = json::parse(responses[at - 1], nullptr, false);
      bool ok = !response.is_discarded();
      for (const auto& [key, value] : c.expect.items()) {
        if (!ok) break;
        if (!response.contains(key) || response[key] != value) {
          std::cerr << c.where << ": field \"" << key << "\"\n  expected " << value.dump() << "\n  got      "
                    << (response.contains(key) ? response[key].dump() : std::string("(missing)")) << "\n";
          ok = false;
        }
      }
      ok ? ++passed : ++failed;
    }
  }
  std::cout << passed << " passed, " << failed << " failed\n";
  return failed == 0 && passed > 0 ? 0 : 1;
}
