// velsira-batch keeps its memory: many requests leave the heap as it was,
// and a request that runs out of memory is answered with an error line
// while the process goes on.
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "batch/BatchSession.h"

namespace velsira {
namespace {

using nlohmann::json;

// One request of every op, each small and each bringing its own input, so
// that the program state does not grow from one to the next by itself.
const std::vector<std::string> kMixed = {
    R"({"op":"derive","input":"[(x²)]+[Sin(x)]"})",
    R"({"op":"integrate","input":"[(3x²)]"})",
    R"({"op":"calc","input":"[(2+3)]","unit":"rad"})",
    R"({"op":"at","input":"[(x²)]","edit":"7"})",
    R"({"op":"quadratic","input":"[(x²-x-2)]"})",
    R"({"op":"roots","input":"[(x²-x-2)]","answers":["-5","5"]})",
    R"({"op":"limit","input":"[()]"})",
    R"({"op":"delta-epsilon","input":"lim(x->2)[(3x+1)]"})",
    R"({"op":"plot","input":"[(x²)]","answers":["-20","20","-50","50"],"unit":"deg"})",
    R"({"op":"clear"})",
    R"({"op":"hint"})",
    R"j({"op":"insert","input":"[()]","selection":[2,0],"text":"Sin()"})j",
    R"({"op":"calc","input":"[(1/0)]","trace":true})",
    R"({"op":"roots","input":"[(x)]"})",
    R"(not json)",
};

size_t heapInUse() { return mallinfo2().uordblks; }

TEST(BatchMemory, TwentyThousandMixedRequestsLeaveTheHeapFlat) {
  BatchSession session;
  auto serve = [&session](int requests) {
    for (int i = 0; i < requests; ++i) session.HandleLine(kMixed[static_cast<size_t>(i) % kMixed.size()]);
  };
  serve(2000);  // every op once at least: storage reused later is in place
  const size_t before = heapInUse();
  serve(20000);
  const size_t after = heapInUse();
  // A record kept per request would grow by megabytes here.
  EXPECT_LT(after, before + 64 * 1024) << "heap in use grew from " << before << " to " << after << " bytes";
}

// Runs velsira-batch with its address space limited to limitBytes, feeding
// it the lines, and returns its answer lines and its exit status.
std::vector<std::string> runLimited(const std::vector<std::string>& lines, rlim_t limitBytes, int& status) {
  namespace fs = std::filesystem;
  const fs::path in = fs::temp_directory_path() / ("velsira-oom-in-" + std::to_string(::getpid()));
  const fs::path out = fs::temp_directory_path() / ("velsira-oom-out-" + std::to_string(::getpid()));
  {
    std::ofstream file(in, std::ios::binary);
    for (const std::string& l : lines) file << l << '\n';
  }
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit{limitBytes, limitBytes};
    setrlimit(RLIMIT_AS, &limit);
    if (!freopen(in.c_str(), "rb", stdin) || !freopen(out.c_str(), "wb", stdout)) _exit(126);
    execl(VELSIRA_BATCH_PROGRAM, VELSIRA_BATCH_PROGRAM, static_cast<char*>(nullptr));
    _exit(127);
  }
  waitpid(child, &status, 0);
  std::vector<std::string> answers;
  std::ifstream file(out, std::ios::binary);
  for (std::string line; std::getline(file, line);) answers.push_back(line);
  fs::remove(in);
  fs::remove(out);
  return answers;
}

TEST(BatchMemory, ARequestThatRunsOutOfMemoryGetsAnErrorLineAndTheProcessGoesOn) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves its shadow memory beyond any address-space limit";
#endif
  const std::string probe = R"({"op":"calc","input":"[(2+3)]"})";
  // About 14 MB of input: its copies on the way into the box do not fit.
  std::string huge = "{\"op\":\"derive\",\"input\":\"[(";
  for (int i = 0; i < 7000000; ++i) huge += "x+";
  huge += R"(x)]"})";
  int status = 0;
  const std::vector<std::string> answers = runLimited({probe, huge, probe, huge, probe}, rlim_t{64} << 20, status);
  ASSERT_TRUE(WIFEXITED(status)) << "the process ended by a signal";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  ASSERT_EQ(answers.size(), 5u);
  for (size_t i : {0u, 2u, 4u}) EXPECT_EQ(json::parse(answers[i]).value("result", "?"), "5") << answers[i];
  for (size_t i : {1u, 3u}) {
    EXPECT_EQ(answers[i], BatchSession::kOutOfMemoryLine);
    EXPECT_EQ(json::parse(answers[i])["error"].get<std::string>().rfind("bellek yetersiz", 0), 0u);
  }
}

TEST(BatchMemory, APlotOfManyPointsKeepsTheExtremesOfEachColumn) {
  BatchSession session;
  const json exact = session.Handle(json::parse(R"({"op":"plot","input":"[(x)]","answers":["-500000","500000"]})"));
  EXPECT_EQ(exact["points"].size(), 1000001u);
  EXPECT_FALSE(exact.contains("points_reduced"));
  const json reduced = session.Handle(json::parse(R"({"op":"plot","answers":["-500000","1500000"]})"));
  EXPECT_EQ(reduced.value("points_reduced", false), true);
  EXPECT_LE(reduced["points"].size(), 4u * 642u);  // the points after the last reduction too
  // A straight line: the first and last of every column, both ends kept.
  EXPECT_EQ(reduced["points"].front(), json::array({-500000.0, -500000.0}));
  EXPECT_EQ(reduced["points"].back(), json::array({1500000.0, 1500000.0}));
  // The line of the answer says the same as the response object.
  const json line = json::parse(session.HandleLine(R"({"op":"plot","answers":["-500000","1500000"]})"));
  EXPECT_EQ(line["points"], reduced["points"]);
  EXPECT_EQ(line["points_reduced"], true);
}

}  // namespace
}  // namespace velsira
