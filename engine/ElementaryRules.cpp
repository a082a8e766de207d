// The elementary derivative rules. The steps run in order and a later match
// replaces an earlier one; within a step a match further right wins.
#include "engine/ElementaryRules.h"

#include <array>
#include <utility>

#include "engine/Arithmetic.h"
#include "engine/Cp1254.h"
#include "engine/NumberText.h"
#include "engine/Preparation.h"
#include "engine/Text.h"

namespace velsira {
namespace {

struct NameRow {
  std::string_view name;
  std::string_view derivative;
};

constexpr std::array<NameRow, 9> kNameTable = {{
    {"Sin", "Cos"},
    {"Cos", "-Sin"},
    {"Cosh", "Sinh"},
    {"Sinh", "Cosh"},
    {"Tanh", "Sech²"_cp},
    {"Coth", "-Csch²"_cp},
    {"Tan", "1+tan²"_cp},
    {"Cot", "-1-cot²"_cp},
    {"x", "1"},
}};


}  // namespace

bool IsElementaryName(std::string_view s) {
  for (const auto& row : kNameTable)
    if (row.name == s) return true;
  return false;
}

std::string DeriveElementary(std::string_view s) {
  std::string result;
  const size_t len = s.size();
  // 1. Coefficient of a first power: an x after position 1.
  for (size_t p = 1; p < len; ++p)
    if (s[p] == 'x') result = FloatToText(TextToFloat(s.substr(0, p)));
  // 2. A power written with a caret: the exponent is the run of digits and
  //    "," after the "^".
  for (size_t p = 0; p + 1 < len; ++p) {
    if (s[p] != 'x' || s[p + 1] != '^') continue;
    size_t end = p + 2;
    while (end < len && isNumberChar(s[end])) ++end;
    const long double n = TextToFloat(s.substr(p + 2, end - p - 2));
    const long double c = TextToFloat(s.substr(0, p));
    result = FloatToText(Multiply(c, n)) + "x^" + FloatToText(Subtract(n, 1));
  }
  // 3. Cube.
  for (size_t p = 0; p + 1 < len; ++p)
    if (s[p] == 'x' && s[p + 1] == kCube) result = FloatToText(Multiply(3, TextToFloat(s.substr(0, p)))) + "x" + kSquare;
  // 4. Square.
  for (size_t p = 0; p + 1 < len; ++p)
    if (s[p] == 'x' && s[p + 1] == kSquare) result = FloatToText(Multiply(2, TextToFloat(s.substr(0, p)))) + "x";
  // 5. Name table.
  for (const auto& row : kNameTable)
    if (row.name == s) result = std::string(row.derivative);
  // 6. Constant.
  if (Preparation::isConstantText(s)) result = "0";
  return result;
}

}  // namespace velsira
