// The table of the program's messages: what the engine raises from it, what
// the error-box check of the fuzz targets and the GUI tests accepts, and the
// Turkish text the window shows for each.
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

// Whether text (code page 1254) holds a letter only Turkish writes.
bool hasTurkishLetter(std::string_view text) {
  return text.find_first_of("çğıöşüÇĞİÖŞÜ"_cp) != std::string_view::npos;
}

// Whether text holds a word of the engine's English messages.
bool hasEnglishWord(std::string_view text) {
  for (std::string_view word : {"valid", "value", "Floating", "point", "Integer", "overflow", "property", "range",
                                "Axis", "must", "memory", "Internal", "error"})
    if (text.find(word) != std::string_view::npos) return true;
  return false;
}

size_t quotesIn(std::string_view text) {
  size_t n = 0;
  for (size_t at = text.find("%s"); at != std::string_view::npos; at = text.find("%s", at + 2)) ++n;
  return n;
}

// A message added in English without its Turkish text fails here.
TEST(Messages, EveryMessageHasATurkishText) {
  for (const MessageText& m : Messages()) {
    if (m.turkish.empty()) {
      EXPECT_TRUE(hasTurkishLetter(m.text) && !hasEnglishWord(m.text)) << "no Turkish text: " << m.text;
      continue;
    }
    EXPECT_TRUE(hasTurkishLetter(m.turkish)) << m.turkish;
    EXPECT_FALSE(hasEnglishWord(m.turkish)) << m.turkish;
    EXPECT_EQ(quotesIn(m.turkish), quotesIn(m.text)) << m.turkish;
    EXPECT_TRUE(m.turkish.ends_with(".")) << m.turkish;
  }
  for (const WindowText& w : WindowTexts()) {
    EXPECT_TRUE(hasTurkishLetter(w.turkish) && !hasEnglishWord(w.turkish)) << w.turkish;
    EXPECT_EQ(quotesIn(w.turkish), quotesIn(w.text)) << w.turkish;
  }
}

TEST(Messages, EveryRaisedMessageShowsInTurkishWithItsQuote) {
  const std::string longText(150, 'x');
  for (const MessageText& m : Messages()) {
    const std::string raised = testing::errorOf([&] { raiseMessage(m.message, longText); });
    for (const std::string& shown : {raised, presentError(raised)}) {
      const std::string turkish = TurkishMessage(shown);
      EXPECT_FALSE(hasEnglishWord(turkish)) << turkish;
      EXPECT_EQ(turkish.find(std::string(100, 'x') + "\x85") != std::string::npos,
                quotesIn(m.text) == 1)
          << turkish;
    }
  }
}

TEST(Messages, TheWindowShowsTheseTexts) {
  struct Case {
    std::string shown;     // as the error box receives it
    std::string_view expected;  // what it shows
  };
  const Case cases[] = {
      {"'Sin(30' is not a valid floating point value.",
       "'Sin(30' bir sayı olarak okunamadı; parantezi kapatmayı unutmuş olabilirsiniz."_cp},
      {"'2.5' is not a valid floating point value.",
       "'2.5' bir sayı olarak okunamadı; ondalık ayırıcı olarak nokta değil virgül kullanınız, ör: 2,5."_cp},
      {"'logN(8' is not a valid floating point value.",
       "'logN(8' bir sayı olarak okunamadı; N yerine bir sayı yazınız, ör: log2(8) ya da Kom2(5)."_cp},
      {"'2x' is not a valid floating point value.",
       "'2x' bir sayı olarak okunamadı; burada x yerine bir sayı gerekir (x'in bir değerdeki sonucu için Yerine "
       "Yaz'ı kullanınız)."_cp},
      {"'abc' is not a valid floating point value",
       "'abc' bir sayı olarak okunamadı; sayıyı rakamlarla yazınız (ondalık ayırıcı virgüldür), ör: 2,5."_cp},
      {"'' is not a valid integer value.",
       "'' bir tam sayı olarak okunamadı; yalnız rakamlarla bir tam sayı yazınız, ör: 5 ya da -10."_cp},
      {"TProgressBar property out of range.",
       "Bitiş değeri başlangıç değerinden küçük olamaz; maksimum değeri minimum değere eşit ya da ondan büyük "
       "giriniz."_cp},
      {"Internal error: boom.",
       "Programın kendi hatası (boom); işlemi başka bir ifadeyle deneyiniz ve bu hatayı geliştiriciye "
       "bildiriniz."_cp},
      // Turkish already, and the reader's messages: shown as they are.
      {std::string("3. karakterde kapanmamış parantez"_cp), "3. karakterde kapanmamış parantez"_cp},
  };
  for (const Case& c : cases) EXPECT_EQ(TurkishMessage(c.shown), c.expected) << c.shown;
  const std::string unknown = presentError(MessageWith(Message::UnknownName, "Foo"));
  EXPECT_EQ(TurkishMessage(unknown), unknown);
  EXPECT_TRUE(TurkishMessage("Floating point division by zero.").starts_with("Sıfıra bölme: "_cp));
  EXPECT_TRUE(TurkishMessage("Invalid floating point operation.")
                  .starts_with("Tanımsız işlem: negatif sayının karekökü ya da logaritması alınamaz"_cp));
  EXPECT_TRUE(TurkishMessage("Out of memory").starts_with("Bellek yetmedi"));
}

}  // namespace
}  // namespace velsira
