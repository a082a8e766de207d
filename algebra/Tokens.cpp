// The tokenizer of the reader.
#include "algebra/Tokens.h"


#include "algebra/ReadMessages.h"
#include "algebra/Reader.h"

namespace velsira::algebra {
namespace {

using K = Token::Kind;

// How a name takes the number written right after it («log2», «Kuvvet3»).
enum class Param { None, Optional, Required };

struct NameRow {
  std::u32string_view spelling;  // lower case
  std::string_view canonical;    // "x", "pi", "e", "lim" or a function name
  Param param;
};

// Every name the reader knows; a run of letters is cut into the longest
// names that match from its start.
constexpr NameRow kNames[] = {
    {U"x", "x", Param::None},         {U"pi", "pi", Param::None},       {U"π", "pi", Param::None},
    {U"e", "e", Param::None},         {U"lim", "lim", Param::None},
    {U"sin", "sin", Param::None},     {U"cos", "cos", Param::None},     {U"tan", "tan", Param::None},
    {U"tg", "tan", Param::None},      {U"cot", "cot", Param::None},     {U"cotg", "cot", Param::None},
    {U"ctg", "cot", Param::None},     {U"sec", "sec", Param::None},     {U"csc", "csc", Param::None},
    {U"cosec", "csc", Param::None},   {U"sinh", "sinh", Param::None},   {U"cosh", "cosh", Param::None},
    {U"tanh", "tanh", Param::None},   {U"coth", "coth", Param::None},   {U"sech", "sech", Param::None},
    {U"csch", "csch", Param::None},   {U"arcsin", "asin", Param::None}, {U"arccos", "acos", Param::None},
    {U"arctan", "atan", Param::None}, {U"arccot", "acot", Param::None}, {U"arcsec", "asec", Param::None},
    {U"arccsc", "acsc", Param::None}, {U"asin", "asin", Param::None},   {U"acos", "acos", Param::None},
    {U"atan", "atan", Param::None},   {U"acot", "acot", Param::None},   {U"asec", "asec", Param::None},
    {U"acsc", "acsc", Param::None},   {U"arcsinh", "asinh", Param::None}, {U"arccosh", "acosh", Param::None},
    {U"arctanh", "atanh", Param::None}, {U"arccoth", "acoth", Param::None}, {U"asinh", "asinh", Param::None},
    {U"acosh", "acosh", Param::None}, {U"atanh", "atanh", Param::None}, {U"acoth", "acoth", Param::None},
    {U"arsinh", "asinh", Param::None}, {U"arcosh", "acosh", Param::None}, {U"artanh", "atanh", Param::None},
    {U"arcoth", "acoth", Param::None}, {U"ln", "ln", Param::None},      {U"log", "log", Param::Optional},
    {U"sqrt", "sqrt", Param::None},   {U"kök", "root", Param::Optional}, {U"kok", "root", Param::Optional},
    {U"√", "sqrt", Param::None},      {U"exp", "exp", Param::None},     {U"üstel", "power", Param::Required},
    {U"ustel", "power", Param::Required}, {U"kuvvet", "kuvvet", Param::Required},
    {U"per", "perm", Param::Required}, {U"kom", "comb", Param::Required}, {U"abs", "abs", Param::None},
    {U"mutlak", "abs", Param::None},
};

char32_t lower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
  switch (c) {
    case 0xD6: return 0xF6;    // Ö
    case 0xDC: return 0xFC;    // Ü
    case 0xC7: return 0xE7;    // Ç
    case 0x15E: return 0x15F;  // Ş
    case 0x11E: return 0x11F;  // Ğ
    case 0x130: return 'i';    // İ
    default: return c;
  }
}

bool isLetter(char32_t c) {
  c = lower(c);
  return (c >= 'a' && c <= 'z') || c == 0xF6 || c == 0xFC || c == 0xE7 || c == 0x15F || c == 0x11F ||
         c == 0x131 || c == 0x3C0 || c == 0x221A;
}

bool isDigit(char32_t c) { return c >= '0' && c <= '9'; }

bool isBlank(char32_t c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0 || c == 0x2009 || c == 0x202F;
}

// The digit of a superscript character, '-' for ⁻, 0 for none.
char superDigit(char32_t c) {
  switch (c) {
    case 0x2070: return '0';
    case 0xB9: return '1';
    case 0xB2: return '2';
    case 0xB3: return '3';
    case 0x207B: return '-';
    default: return c >= 0x2074 && c <= 0x2079 ? static_cast<char>('4' + (c - 0x2074)) : 0;
  }
}

// The plain sign of an operator character, or 0.
K signOf(char32_t c, bool& found) {
  found = true;
  switch (c) {
    case '+': return K::Plus;
    case '-': case 0x2212: case 0x2013: return K::Minus;
    case '*': case 0xD7: case 0xB7: case 0x22C5: case 0x2217: return K::Times;
    case '/': case 0xF7: case 0x2215: return K::Divide;
    case '^': return K::Caret;
    case '(': case '[': return K::Open;
    case ')': case ']': return K::Close;
    case '|': return K::Bar;
    case '!': return K::Bang;
    case '=': return K::Equals;
    case ';': return K::Semicolon;
    case 0x2192: return K::Arrow;
    default: found = false; return K::End;
  }
}

std::string utf8Of(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// The code points of utf8; ReadError on a broken sequence or a text longer
// than the reader takes.
std::u32string decode(std::string_view s) {
  if (s.size() > 4 * kReadLimit) RaiseRead(ReadProblem::TooLong, 1);
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    const size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) RaiseRead(ReadProblem::BrokenText, out.size() + 1);
    char32_t c = n == 1 ? b : b & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
      const unsigned char t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) RaiseRead(ReadProblem::BrokenText, out.size() + 1);
      c = (c << 6) | (t & 0x3F);
    }
    if (c == 0) RaiseRead(ReadProblem::UnknownChar, out.size() + 1, "NUL");
    out += c;
    i += n;
  }
  if (out.size() > kReadLimit) RaiseRead(ReadProblem::TooLong, 1);
  return out;
}

class Lexer {
 public:
  explicit Lexer(std::u32string text) : t_(std::move(text)) {}
  std::vector<Token> run();

 private:
  size_t number(size_t i, std::string& digits) const;
  size_t letters(size_t i);
  size_t param(size_t i, const NameRow& row, Token& token) const;
  void push(K kind, size_t i, std::string text = {}, std::string param = {});

  std::u32string t_;
  std::vector<Token> out_;
  int openBars_ = 0;
};

bool endsOperand(const Token& t) {
  return t.kind == K::Number || t.kind == K::X || t.kind == K::Pi || t.kind == K::E || t.kind == K::Close ||
         t.kind == K::Super || t.kind == K::Bang || (t.kind == K::Bar && t.text == ")");
}

bool startsOperand(const Token& t) {
  return t.kind == K::Number || t.kind == K::X || t.kind == K::Pi || t.kind == K::E || t.kind == K::Name ||
         t.kind == K::Open || (t.kind == K::Bar && t.text == "(");
}

void Lexer::push(K kind, size_t i, std::string text, std::string param) {
  Token token{kind, std::move(text), std::move(param), i + 1};
  if (kind == K::Bar) {
    const bool closes = openBars_ > 0 && !out_.empty() && endsOperand(out_.back());
    token.text = closes ? ")" : "(";
    openBars_ += closes ? -1 : 1;
  }
  if (!out_.empty() && endsOperand(out_.back()) && startsOperand(token))
    out_.push_back(Token{K::Implicit, {}, {}, i + 1});
  out_.push_back(std::move(token));
}

// Reads the number at i into digits ("." as separator, "E" before an
// exponent); returns the index after it.
size_t Lexer::number(size_t i, std::string& digits) const {
  bool separator = false;
  for (; i < t_.size(); ++i) {
    const char32_t c = t_[i];
    if (isDigit(c)) {
      digits += static_cast<char>(c);
    } else if ((c == ',' || c == '.') && i + 1 < t_.size() && isDigit(t_[i + 1])) {
      if (separator) RaiseRead(ReadProblem::Expected, i + 1, "tek bir ondalık ayırıcı");
      separator = true;
      digits += '.';
    } else {
      break;
    }
  }
  // A capital E with an optional sign and digits is the exponent.
  if (i < t_.size() && t_[i] == 'E') {
    size_t j = i + 1;
    std::string exponent;
    if (j < t_.size() && (t_[j] == '+' || t_[j] == '-' || t_[j] == 0x2212)) exponent += t_[j++] == '+' ? "" : "-";
    if (j < t_.size() && isDigit(t_[j])) {
      while (j < t_.size() && isDigit(t_[j])) exponent += static_cast<char>(t_[j++]);
      digits += "E" + exponent;
      i = j;
    }
  }
  return i;
}

// The number written right after a name that takes one; returns the index
// after it.
size_t Lexer::param(size_t i, const NameRow& row, Token& token) const {
  if (row.param == Param::None) return i;
  if (i < t_.size() && (isDigit(t_[i]) || ((t_[i] == ',' || t_[i] == '.') && i + 1 < t_.size()))) {
    std::string digits;
    const size_t end = number(i, digits);
    if (!digits.empty() && digits.find('E') == std::string::npos) {
      token.param = digits;
      return end;
    }
  }
  if (row.canonical == "power" && i < t_.size() && lower(t_[i]) == 'e') {
    token.param = "e";
    return i + 1;
  }
  if (row.param == Param::Required) RaiseRead(ReadProblem::Expected, i + 1, "adın arkasında bir sayı");
  if (row.canonical == "log") token.param = "10";
  if (row.canonical == "root") token.text = "sqrt";
  return i;
}

// Cuts the run of letters at i into names; returns the index after it.
size_t Lexer::letters(size_t i) {
  size_t end = i;
  while (end < t_.size() && isLetter(t_[end])) ++end;
  while (i < end) {
    const NameRow* best = nullptr;
    for (const auto& row : kNames) {
      const size_t n = row.spelling.size();
      if (n > end - i || (best && n <= best->spelling.size())) continue;
      bool same = true;
      for (size_t k = 0; k < n && same; ++k) same = lower(t_[i + k]) == row.spelling[k];
      if (same) best = &row;
    }
    if (!best) {
      std::string name;
      for (size_t k = i; k < end; ++k) name += utf8Of(t_[k]);
      RaiseRead(ReadProblem::UnknownName, i + 1, name);
    }
    const size_t at = i;
    i += best->spelling.size();
    const std::string_view c = best->canonical;
    if (c == "x" || c == "pi" || c == "e" || c == "lim") {
      push(c == "x" ? K::X : c == "pi" ? K::Pi : c == "e" ? K::E : K::Lim, at);
      continue;
    }
    Token token{K::Name, std::string(c), {}, at + 1};
    const size_t after = param(i, *best, token);
    push(K::Name, at, token.text, token.param);
    if (after != i) end = std::max(end, after);
    i = after;
    while (end < t_.size() && isLetter(t_[end])) ++end;
  }
  return end;
}

std::vector<Token> Lexer::run() {
  size_t i = 0;
  while (i < t_.size()) {
    const char32_t c = t_[i];
    bool sign = false;
    const K kind = signOf(c, sign);
    if (isBlank(c)) {
      ++i;
    } else if (isDigit(c) || ((c == ',' || c == '.') && i + 1 < t_.size() && isDigit(t_[i + 1]))) {
      std::string digits;
      const size_t end = number(i, digits);
      if (digits.front() == '.') digits.insert(0, "0");
      push(K::Number, i, digits);
      i = end;
    } else if (isLetter(c)) {
      i = letters(i);
    } else if (superDigit(c)) {
      std::string digits;
      size_t j = i;
      while (j < t_.size() && superDigit(t_[j])) digits += superDigit(t_[j++]);
      push(K::Super, i, digits);
      i = j;
    } else if (c == '-' && i + 1 < t_.size() && t_[i + 1] == '>') {
      push(K::Arrow, i);
      i += 2;
    } else if (sign) {
      push(kind, i, kind == K::Open ? (c == '(' ? "(" : "[") : kind == K::Close ? (c == ')' ? ")" : "]") : "");
      ++i;
    } else {
      RaiseRead(ReadProblem::UnknownChar, i + 1, utf8Of(c));
    }
  }
  out_.push_back(Token{K::End, {}, {}, t_.size() + 1});
  return std::move(out_);
}

}  // namespace

std::vector<Token> Tokenize(std::string_view utf8) { return Lexer(decode(utf8)).run(); }

}  // namespace velsira::algebra
