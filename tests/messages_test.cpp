// The table of the program's messages: what the engine raises from it, and
// what the error-box check of the fuzz targets and the GUI tests accepts.
#include <set>
#include <string>

#include "engine/Errors.h"
#include "engine/Messages.h"
#include "tests/fuzz/ProgramMessages.h"
#include "tests/test_support.h"

namespace velsira {
namespace {

TEST(Messages, EveryMessageIsDistinctAndQuotesAtMostOnce) {
  std::set<std::string_view> texts;
  for (const MessageText& m : Messages()) {
    EXPECT_TRUE(texts.insert(m.text).second) << m.text;
    const size_t at = m.text.find("%s");
    if (at != std::string_view::npos) {
      EXPECT_EQ(m.text.find("%s", at + 2), std::string_view::npos) << m.text;
    }
  }
}

TEST(Messages, RaisedTextsQuoteTheUserTextCutAndAreAccepted) {
  const std::string longText(150, 'x');
  for (const MessageText& m : Messages()) {
    const std::string raised = testing::errorOf([&] { raiseMessage(m.message, longText); });
    const bool quotes = m.text.find("%s") != std::string_view::npos;
    EXPECT_EQ(raised.find(longText.substr(0, 101)), std::string::npos) << raised;
    EXPECT_EQ(raised.find(std::string(100, 'x') + "\x85") != std::string::npos, quotes) << raised;
    EXPECT_TRUE(testing::isProgramMessage(raised, testing::Quotes::Short)) << raised;
    EXPECT_TRUE(testing::isProgramMessage(presentError(raised), testing::Quotes::Short)) << raised;
  }
}

TEST(Messages, TheCheckRefusesOtherTexts) {
  for (const std::string& text : {std::string("Out of memory"), std::string("Internal error: x"),
                                  std::string("'") + std::string(101, 'x') + "' is not a valid integer value",
                                  std::string("Floating point overflow!"), std::string("' is not a valid")}) {
    EXPECT_FALSE(testing::isProgramMessage(text, testing::Quotes::Short)) << text;
  }
  EXPECT_EQ(MessageWith(Message::NotInteger, "12a"), "'12a' is not a valid integer value");
}

}  // namespace
}  // namespace velsira
