// The answer inside an engine's result text: the integral without its
// constant and with its joined names apart, the number of a value, the roots
// of the worked quadratic text and of the root scan.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velsira::algebra {

// text without blanks and line breaks at its ends.
std::string Trimmed(std::string_view text);

// How many characters a UTF-8 text holds.
std::size_t CharacterCount(std::string_view text);

// The integral's result without its trailing "+c", with «lnCos(x)» written as «ln(Cos(x))»
// and a constant before x as a product («ex» as «e*x», «pix» as «pi*x»).
std::string IntegralAnswerText(std::string_view result);

// The value of a number text with a decimal comma or point («0,5», «1E-6»); nullopt for
// any other text, an infinite value included.
std::optional<long double> NumberOfText(std::string_view text);

// The real roots an equation result names; none when it says there are none.
struct RootList {
  std::vector<long double> roots;  // ascending, each once
};

// The roots of "Basit Denklem Çözme"'s worked text (X1=..., X2=..., or no real roots) or
// of the root scan («-1,2», «-1 ; 2», an empty line, «Bu aralıkta tam sayı kök
// bulunamadı.»); nullopt when the text is neither.
std::optional<RootList> RootsOfResult(std::string_view result, bool quadratic);

}  // namespace velsira::algebra
