// The table of the program's messages and their Turkish texts.
#include "engine/Messages.h"

#include <algorithm>
#include <optional>

#include "engine/Cp1254.h"

namespace velsira {

namespace {

// The Turkish column of a message that is Turkish already: the window
// shows it as raised.
constexpr std::string_view kAsRaised = {};

constexpr MessageText kMessages[] = {
    {Message::InvalidOperation, "Invalid floating point operation",
     "Tanımsız işlem: negatif sayının karekökü ya da logaritması alınamaz, 0/0 hesaplanamaz; ifadeyi ya da x'in "
     "değerini değiştiriniz."_cp},
    {Message::DivisionByZero, "Floating point division by zero",
     "Sıfıra bölme: bir sayı sıfıra bölünemez, ifade bu noktada tanımsız; x için başka bir değer ya da aralık "
     "seçiniz."_cp},
    {Message::Overflow, "Floating point overflow",
     "Sayı çok büyük: sonuç programın hesaplayabildiği sınırı aşıyor; daha küçük sayılarla deneyiniz."_cp},
    {Message::IntegerDivisionByZero, "Division by zero",
     "Sıfıra bölme: bir tam sayı sıfıra bölünemez; ifadedeki katsayıları ya da değerleri değiştiriniz."_cp},
    {Message::IntegerOverflow, "Integer overflow",
     "Tam sayı çok büyük: sonuç programın hesaplayabildiği sınırı aşıyor; daha küçük sayılarla deneyiniz."_cp},
    {Message::ProgressRange, "TProgressBar property out of range",
     "Bitiş değeri başlangıç değerinden küçük olamaz; maksimum değeri minimum değere eşit ya da ondan büyük "
     "giriniz."_cp},
    {Message::AxisRange, "Axis Maximum Value must be >= Minimum",
     "Eksenin bitiş değeri başlangıç değerinden küçük olamaz; maksimum değeri minimum değere eşit ya da ondan "
     "büyük giriniz."_cp},
    {Message::NoBracketTerm, "İfadeyi köşeli parantez içine yazınız, ör: [(x²)]+[Sin(x)]"_cp, kAsRaised},
    {Message::TooLong, "Sonuç metni 4.000.000 karakter sınırını aşıyor; ifadeyi kısaltınız."_cp, kAsRaised},
    {Message::NotInteger, "'%s' is not a valid integer value",
     "'%s' bir tam sayı olarak okunamadı; yalnız rakamlarla bir tam sayı yazınız, ör: 5 ya da -10."_cp},
    {Message::NotFloat, "'%s' is not a valid floating point value",
     "'%s' bir sayı olarak okunamadı; sayıyı rakamlarla yazınız (ondalık ayırıcı virgüldür), ör: 2,5."_cp},
    {Message::Unread,
     "'%s' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, ör: [(2)*Sin(x)]+[(x²)]"_cp,
     kAsRaised},
    {Message::NoDerivativeRule, "'%s' için türev kuralı yok"_cp, kAsRaised},
    {Message::NoIntegralRule, "'%s' için integral kuralı yok"_cp, kAsRaised},
    {Message::NotLinearInside, "'%s' fonksiyonunun içi doğrusal değil; integrali alınamaz"_cp, kAsRaised},
    {Message::EmptyArgument, "'%s' içinde ifade yok; parantezin içine bir ifade yazınız, ör: Sin(x)."_cp, kAsRaised},
    {Message::NotLimitForm,
     "'%s' okunamadı: Delta-Epsilon ilk satırda lim(Mx+B), ikinci satırda x=a bekler; M, B ve a tam sayıdır, "
     "ör: lim(2x+1) ve x=3"_cp,
     kAsRaised},
    {Message::SecondLineTaken,
     "'%s' satırı zaten var; Limit x= satırını ikinci satır olarak ekler, önce alttaki satırları siliniz"_cp,
     kAsRaised},
    {Message::ForeignCharacter,
     "'%s' (%d. karakter) bu programda kullanılamaz; onu siliniz ya da programın yazımıyla yazınız (kuvvet için "
     "², ³ ya da ^, sabitler için pi ve e), ör: [(x^4)]"_cp,
     kAsRaised},
    {Message::UnknownName, "'%s' tanınmayan bir fonksiyon"_cp, kAsRaised},
};

constexpr WindowText kWindowTexts[] = {
    {"Out of memory", "Bellek yetmedi; ifadeyi ya da aralığı küçültüp yeniden deneyiniz."_cp},
    {"Internal error: %s",
     "Programın kendi hatası (%s); işlemi başka bir ifadeyle deneyiniz ve bu hatayı geliştiriciye bildiriniz."_cp},
};

// Hints of "'%s' bir sayı olarak okunamadı" for the commonest slips, by
// what the quoted text holds; the table's text when none fits.
constexpr std::string_view kNotFloatOpenParenthesis =
    "'%s' bir sayı olarak okunamadı; parantezi kapatmayı unutmuş olabilirsiniz."_cp;
constexpr std::string_view kNotFloatPoint =
    "'%s' bir sayı olarak okunamadı; ondalık ayırıcı olarak nokta değil virgül kullanınız, ör: 2,5."_cp;
constexpr std::string_view kNotFloatUnknown =
    "'%s' bir sayı olarak okunamadı; burada x yerine bir sayı gerekir (x'in bir değerdeki sonucu için Yerine "
    "Yaz'ı kullanınız)."_cp;
constexpr std::string_view kNotFloatParameter =
    "'%s' bir sayı olarak okunamadı; N yerine bir sayı yazınız, ör: log2(8) ya da Kom2(5)."_cp;

// The table is in the order of Message, so a message is its own index.
constexpr bool inOrder() {
  for (size_t i = 0; i < std::size(kMessages); ++i)
    if (static_cast<size_t>(kMessages[i].message) != i) return false;
  return true;
}
static_assert(inOrder() && std::size(kMessages) == static_cast<size_t>(Message::UnknownName) + 1,
              "kMessages must list every Message in its order");

// The Turkish template for message m quoting quoted.
std::string_view turkishTemplate(Message m, std::string_view quoted) {
  if (m == Message::NotFloat) {
    if (quoted.find('N') != std::string_view::npos) return kNotFloatParameter;
    if (std::count(quoted.begin(), quoted.end(), '(') > std::count(quoted.begin(), quoted.end(), ')'))
      return kNotFloatOpenParenthesis;
    if (quoted.find('x') != std::string_view::npos) return kNotFloatUnknown;
    if (quoted.find('.') != std::string_view::npos) return kNotFloatPoint;
  }
  return kMessages[static_cast<size_t>(m)].turkish;
}

// The quoted part of text when it is template with a quote in its "%s".
std::optional<std::string_view> quoteIn(std::string_view text, std::string_view templ) {
  const size_t at = templ.find("%s");
  if (at == std::string_view::npos) return text == templ ? std::optional<std::string_view>("") : std::nullopt;
  const std::string_view before = templ.substr(0, at);
  const std::string_view after = templ.substr(at + 2);
  if (text.size() < before.size() + after.size() || !text.starts_with(before) || !text.ends_with(after))
    return std::nullopt;
  return text.substr(before.size(), text.size() - before.size() - after.size());
}

std::string replaceQuote(std::string_view templ, std::string_view quoted) {
  const size_t at = templ.find("%s");
  if (at == std::string_view::npos) return std::string(templ);
  return std::string(templ.substr(0, at)) + std::string(quoted) + std::string(templ.substr(at + 2));
}

// The Turkish text of text as raised, if it is in a table.
std::optional<std::string> turkishOfRaised(std::string_view text) {
  for (const MessageText& m : kMessages) {
    if (m.turkish.empty()) continue;  // Turkish already: shown as raised
    if (const auto quoted = quoteIn(text, m.text)) return replaceQuote(turkishTemplate(m.message, *quoted), *quoted);
  }
  for (const WindowText& w : kWindowTexts)
    if (const auto quoted = quoteIn(text, w.text)) return replaceQuote(w.turkish, *quoted);
  return std::nullopt;
}

}  // namespace

std::span<const MessageText> Messages() { return kMessages; }

std::span<const WindowText> WindowTexts() { return kWindowTexts; }

std::string TurkishMessage(std::string_view text) {
  // The error box appends a full stop to a text ending after "."; a text
  // with it is matched without it first.
  if (text.size() >= 2 && text.back() == '.' &&
      static_cast<unsigned char>(text[text.size() - 2]) > static_cast<unsigned char>('.')) {
    if (auto turkish = turkishOfRaised(text.substr(0, text.size() - 1))) return *std::move(turkish);
  }
  if (auto turkish = turkishOfRaised(text)) return *std::move(turkish);
  return std::string(text);
}

std::string_view MessageTemplate(Message m) { return kMessages[static_cast<size_t>(m)].text; }

std::string MessageWith(Message m, std::string_view quoted) {
  const std::string_view text = MessageTemplate(m);
  const size_t at = text.find("%s");
  if (at == std::string_view::npos) return std::string(text);
  std::string out(text.substr(0, at));
  out += quoted;
  out += text.substr(at + 2);
  return out;
}

}  // namespace velsira
