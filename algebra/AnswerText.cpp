// Extracting the answer from the engine's result texts.
#include "algebra/AnswerText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace velsira::algebra {
namespace {

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Index of the parenthesis that closes the one at open, or npos.
size_t ClosingParenthesis(std::string_view s, size_t open) {
  int depth = 0;
  for (size_t i = open; i < s.size(); ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0) return i;
  }
  return std::string_view::npos;
}

// «lnCos(u)» as «ln(Cos(u))»: the integral writes the logarithm joined to the function.
std::string SeparateJoinedLogarithms(std::string_view s) {
  std::string out;
  size_t i = 0;
  while (i < s.size()) {
    bool joined = s.substr(i, 2) == "ln" && i + 2 < s.size() &&
                  std::isupper(static_cast<unsigned char>(s[i + 2])) && (i == 0 || !IsLetter(s[i - 1]));
    size_t open = joined ? s.find('(', i) : std::string_view::npos;
    size_t close = open == std::string_view::npos ? open : ClosingParenthesis(s, open);
    if (close == std::string_view::npos) {
      out += s[i++];
      continue;
    }
    out += "ln(" + SeparateJoinedLogarithms(s.substr(i + 2, close + 1 - (i + 2))) + ")";
    i = close + 1;
  }
  return out;
}

// «ex» and «pix» as «e*x» and «pi*x»: the integral of a constant is written joined to x.
std::string SeparateConstantFactors(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    bool start = i == 0 || !IsLetter(s[i - 1]);
    size_t len = s.substr(i, 2) == "pi" ? 2 : (s[i] == 'e' ? 1 : 0);
    bool beforeX = len > 0 && start && i + len < s.size() && s[i + len] == 'x' &&
                   (i + len + 1 == s.size() || !IsLetter(s[i + len + 1]));
    if (!beforeX) {
      out += s[i];
      continue;
    }
    out += std::string(s.substr(i, len)) + "*";
    i += len - 1;
  }
  return out;
}

std::optional<long double> NumberAfter(std::string_view text, std::string_view label) {
  size_t at = text.find(label);
  if (at == std::string_view::npos) return std::nullopt;
  size_t from = at + label.size();
  size_t end = text.find_first_of(" ;'\n", from);
  return NumberOfText(text.substr(from, end == std::string_view::npos ? end : end - from));
}

RootList Sorted(std::vector<long double> roots) {
  std::sort(roots.begin(), roots.end());
  roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
  return {roots};
}

std::optional<RootList> QuadraticRoots(std::string_view text) {
  if (text.find("gerçek kök yok") != std::string_view::npos) return RootList{};
  auto x1 = NumberAfter(text, "X1=");
  auto x2 = NumberAfter(text, "X2=");
  if (!x1 || !x2) return std::nullopt;
  return Sorted({*x1, *x2});
}

std::optional<RootList> ScannedRoots(std::string_view text) {
  std::string line = Trimmed(text);
  if (line.empty() || line.find("bulunamadı") != std::string::npos) return RootList{};
  char separator = line.find(';') != std::string::npos ? ';' : ',';
  std::vector<long double> roots;
  size_t from = 0;
  while (from <= line.size()) {
    size_t end = std::min(line.find(separator, from), line.size());
    auto root = NumberOfText(Trimmed(std::string_view(line).substr(from, end - from)));
    if (!root) return std::nullopt;
    roots.push_back(*root);
    from = end + 1;
  }
  return Sorted(roots);
}

}  // namespace

std::string Trimmed(std::string_view text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return "";
  size_t last = text.find_last_not_of(" \t\r\n");
  return std::string(text.substr(first, last + 1 - first));
}

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string IntegralAnswerText(std::string_view result) {
  std::string text = Trimmed(result);
  if (text.size() >= 2 && text.compare(text.size() - 2, 2, "+c") == 0)
    text = Trimmed(text.substr(0, text.size() - 2));
  return SeparateConstantFactors(SeparateJoinedLogarithms(text));
}

std::optional<long double> NumberOfText(std::string_view text) {
  std::string s = Trimmed(text);
  if (s.empty() || s.find_first_not_of("0123456789,.+-eE") != std::string::npos) return std::nullopt;
  std::replace(s.begin(), s.end(), ',', '.');
  char* end = nullptr;
  long double v = std::strtold(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<RootList> RootsOfResult(std::string_view result, bool quadratic) {
  return quadratic ? QuadraticRoots(result) : ScannedRoots(result);
}

}  // namespace velsira::algebra
