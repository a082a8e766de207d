// The table of the program's messages.
#include "engine/Messages.h"

#include "engine/Cp1254.h"

namespace velsira {

namespace {

constexpr MessageText kMessages[] = {
    {Message::InvalidOperation, "Invalid floating point operation"},
    {Message::DivisionByZero, "Floating point division by zero"},
    {Message::Overflow, "Floating point overflow"},
    {Message::IntegerDivisionByZero, "Division by zero"},
    {Message::IntegerOverflow, "Integer overflow"},
    {Message::ProgressRange, "TProgressBar property out of range"},
    {Message::AxisRange, "Axis Maximum Value must be >= Minimum"},
    {Message::NoBracketTerm, "İfadeyi köşeli parantez içine yazınız, ör: [(x²)]+[Sin(x)]"_cp},
    {Message::TooLong, "Sonuç metni 4.000.000 karakter sınırını aşıyor; ifadeyi kısaltınız."_cp},
    {Message::NotInteger, "'%s' is not a valid integer value"},
    {Message::NotFloat, "'%s' is not a valid floating point value"},
    {Message::Unread,
     "'%s' okunamadı. Her çarpanı parantez, her terimi köşeli parantez içine yazınız, ör: [(2)*Sin(x)]+[(x²)]"_cp},
    {Message::NoDerivativeRule, "'%s' için türev kuralı yok"_cp},
    {Message::NoIntegralRule, "'%s' için integral kuralı yok"_cp},
    {Message::NotLinearInside, "'%s' fonksiyonunun içi doğrusal değil; integrali alınamaz"_cp},
    {Message::EmptyArgument, "'%s' içinde ifade yok; parantezin içine bir ifade yazınız, ör: Sin(x)."_cp},
    {Message::NotLimitForm,
     "'%s' okunamadı: Delta-Epsilon ilk satırda lim(Mx+B), ikinci satırda x=a bekler; M, B ve a tam sayıdır, "
     "ör: lim(2x+1) ve x=3"_cp},
    {Message::SecondLineTaken,
     "'%s' satırı zaten var; Limit x= satırını ikinci satır olarak ekler, önce alttaki satırları siliniz"_cp},
    {Message::ForeignCharacter,
     "'%s' (%d. karakter) bu programda kullanılamaz; onu siliniz ya da programın yazımıyla yazınız (kuvvet için "
     "², ³ ya da ^, sabitler için pi ve e), ör: [(x^4)]"_cp},
    {Message::UnknownName, "'%s' tanınmayan bir fonksiyon"_cp},
};

// The table is in the order of Message, so a message is its own index.
constexpr bool inOrder() {
  for (size_t i = 0; i < std::size(kMessages); ++i)
    if (static_cast<size_t>(kMessages[i].message) != i) return false;
  return true;
}
static_assert(inOrder() && std::size(kMessages) == static_cast<size_t>(Message::UnknownName) + 1,
              "kMessages must list every Message in its order");

}  // namespace

std::span<const MessageText> Messages() { return kMessages; }

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
