// The function evaluator: every family of names in each angle unit, the
// rounding to 12 decimals, the number-prefixed names, exact combinatorics and
// every error text.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "engine/Evaluator.h"
#include "engine/NumberText.h"
#include "test_support.h"

namespace velsira {
namespace {

using testing::errorOf;
using testing::Program;

enum Unit { Deg, Rad, Grad };

struct Row {
  Unit unit;
  std::string_view name;
  std::string_view argument;
  std::string_view expected;  // the result text, or the error text
};

void select(Program& p, Unit unit) {
  if (unit == Deg) p.form.RadioButton1Click();
  if (unit == Rad) p.form.RadioButton2Click();
  if (unit == Grad) p.form.RadioButton3Click();
}

std::string evaluate(Program& p, const Row& row) {
  select(p, row.unit);
  std::string result;
  const std::string error = errorOf([&] {
    p.form.Calc().Functions().EvaluateFunction(std::string(row.name), std::string(row.argument), result);
  });
  return error == "(no error)" ? result : error;
}

void expectRows(std::initializer_list<Row> rows) {
  Program p;
  for (const Row& row : rows)
    EXPECT_EQ(evaluate(p, row), row.expected) << row.name << " of " << row.argument << " in unit " << row.unit;
}

TEST(EvaluateFunction, AngleRowsInEachUnit) {
  expectRows({
      {Deg, "Sin", "30", "0,5"},
      {Deg, "ArcTan", "1", "45"},
      {Deg, "Cos", "90", "0"},  // the residue of the extended π is rounded away
      {Deg, "Sin", "180", "0"},
      {Deg, "Cos", "60", "0,5"},
      {Deg, "Tan", "45", "1"},
      {Deg, "Sec", "60", "2"},
      {Deg, "Csc", "30", "2"},
      {Deg, "Cot", "45", "1"},
      {Deg, "Sinh", "90", "2,301298902307"},  // sinh(π/2)
      {Deg, "ArcSinh", "1", "50,498986710526"},
      {Deg, "ArcCos", "0,5", "60"},
      {Deg, "ArcSin", "1", "90"},
      {Deg, "ArcCot", "-2", "-26,565051177078"},  // a negative angle
      {Deg, "ArcCot", "0", "90"},
      {Grad, "ArcTan", "1", "50"},
      {Grad, "Sin", "100", "1"},
      {Grad, "ArcTanh", "0,5", "34,969915256606"},
      {Grad, "Cos", "200", "-1"},
      {Rad, "ArcTan", "1", "0,785398163397"},
      {Rad, "Sinh", "0", "0"},
      {Rad, "Cosh", "0", "1"},
      {Rad, "Tanh", "0", "0"},
      {Rad, "Cosh", "1", "1,543080634815"},
      {Rad, "Coth", "1", "1,313035285499"},
      {Rad, "ArcCot", "0", "1,570796326795"},
      {Rad, "ArcCosh", "2", "1,316957896925"},
      {Rad, "ArcCoth", "3", "0,34657359028"},
      {Rad, "ArcSinh", "0", "0"},
      {Rad, "Sin", "0", "0"},
  });
}

TEST(EvaluateFunction, ChangingTheUnitChangesOnlyLaterValues) {
  Program p;
  EXPECT_EQ(evaluate(p, {Deg, "Sin", "90", ""}), "1");
  EXPECT_EQ(evaluate(p, {Rad, "Sin", "90", ""}), "0,893996663601");
  EXPECT_EQ(evaluate(p, {Grad, "Sin", "90", ""}), "0,987688340595");
}

TEST(EvaluateFunction, UndefinedAnglesInDegreesAndGradsAreDivisionsByZero) {
  constexpr std::string_view kZero = "Floating point division by zero";
  expectRows({
      {Deg, "Tan", "90", kZero},    {Deg, "Tan", "-90", kZero},  {Deg, "Tan", "270", kZero},
      {Deg, "Sec", "90", kZero},    {Deg, "Sec", "450", kZero},  {Deg, "Cot", "180", kZero},
      {Deg, "Cot", "-360", kZero},  {Deg, "Csc", "180", kZero},  {Deg, "Csc", "0", kZero},
      {Grad, "Tan", "100", kZero},  {Grad, "Sec", "300", kZero}, {Grad, "Cot", "200", kZero},
      {Grad, "Csc", "400", kZero},
      // Near the poles, and at the other rows' zeros, values stay finite.
      {Deg, "Tan", "180", "0"},     {Deg, "Cot", "90", "0"},     {Grad, "Tan", "200", "0"},
      {Deg, "Sec", "180", "-1"},    {Deg, "Csc", "90", "1"},     {Deg, "Tan", "89,5", "114,58865012931"},
  });
  // In radians π/2 is never exact: the value is large but finite.
  Program p;
  const std::string value = evaluate(p, {Rad, "Tan", "1,5707963267948966192", ""});
  EXPECT_GT(std::fabs(TextToFloat(value)), 1E15L) << value;
}

TEST(EvaluateFunction, LogarithmPowerAndRootRows) {
  expectRows({
      {Deg, "log2", "8", "3"},
      {Deg, "log3", "9", "2"},
      {Deg, "log10", "1000", "3"},
      {Deg, "log10", "2", "0,301029995664"},
      {Deg, "log0,5", "4", "-2"},
      {Deg, "ln", "1", "0"},
      {Deg, "ln", "2", "0,69314718056"},
      {Deg, "Kuvvet3", "2", "8"},
      {Deg, "Kuvvet0,5", "16", "4"},
      {Deg, "Kuvvet-1", "2", "0,5"},
      {Deg, "Kuvvet0", "0", "1"},
      {Deg, "Kuvvet3", "-2", "-8"},
      {Deg, "Üstel2"_cp, "3", "8"},
      {Deg, "Üstel2"_cp, "-1", "0,5"},
      {Deg, "Kök"_cp, "16", "4"},
      {Deg, "Kök3"_cp, "27", "3"},
      {Deg, "Kök2"_cp, "0", "0"},
      {Deg, "Kök2"_cp, "2", "1,414213562373"},
      {Deg, "Kuvvet1", "0,0000001", "1E-7"},
      {Deg, "Kuvvet1", "0,0000000000004", "0"},  // below the 12th decimal
      {Deg, "Kuvvet1", "1E20", "1E20"},
  });
}

TEST(EvaluateFunction, CombinatorialRowsAreExactIn64Bits) {
  expectRows({
      {Deg, "Per2", "5", "20"},
      {Deg, "Kom2", "5", "10"},
      {Deg, "Kom0", "5", "1"},
      {Deg, "!", "5", "120"},
      {Deg, "!", "0", "1"},
      {Deg, "!", "-3", "1"},
      {Deg, "Per5", "3", "0"},
      {Deg, "Per0", "3", "1"},
      {Deg, "Per3", "-3", "-60"},
      {Deg, "Kom3", "-3", "-10"},
      {Deg, "Kom2", "-3", "6"},
      {Deg, "Kom15", "30", "155117520"},  // 30!/15! does not fit in 64 bits
      {Deg, "Kom30", "60", "1,18264581564861E17"},
      {Deg, "Kom100", "50", "0"},
      {Deg, "Per100", "50", "0"},
      {Deg, "!", "13", "6227020800"},  // beyond 32 bits
      {Deg, "!", "20", "2,43290200817664E18"},
      {Deg, "!", "21", "Integer overflow"},
      {Deg, "Per21", "21", "Integer overflow"},
      {Deg, "Kom40", "80", "Integer overflow"},
      {Deg, "Per2000000000", "-1", "Integer overflow"},
      {Deg, "Kom2", "5,5", "'5,5' is not a valid integer value"},
      {Deg, "Per", "5", "'' is not a valid integer value"},
      {Deg, "Kom2,5", "5", "'2,5' is not a valid integer value"},
  });
}

TEST(EvaluateFunction, ExactCombinatoricsAgreeWithTheProductDefinition) {
  for (int64_t n = -8; n <= 25; ++n) {
    for (int64_t r = -1; r <= 12; ++r) {
      // Small enough for 128 bits by the plain definition.
      __int128 p = 1;
      if (r >= 1)
        for (int64_t k = n - r + 1; k <= n; ++k) p *= k;
      __int128 f = 1;
      for (int64_t k = 2; k <= r; ++k) f *= k;
      EXPECT_EQ(Evaluator::CombinationCount(n, r), static_cast<int64_t>(p / f)) << n << " over " << r;
      if (p <= INT64_MAX && p >= INT64_MIN) {
        EXPECT_EQ(Evaluator::PermutationCount(n, r), static_cast<int64_t>(p)) << n << ", " << r;
      }
    }
  }
  EXPECT_EQ(Evaluator::CombinationCount(66, 33), INT64_C(7219428434016265740));
  EXPECT_EQ(errorOf([] { Evaluator::CombinationCount(68, 34); }), "Integer overflow");
}

TEST(EvaluateFunction, NumberPrefixedNamesMultiply) {
  expectRows({
      {Deg, "2", "3", "6"},
      {Deg, "2,5", "2", "5"},
      {Deg, "2Sin", "30", "1"},
      {Rad, "2Sin", "90", "1,787993327201"},  // doubled before the rounding
      {Deg, "0,5Kök"_cp, "16", "2"},
      {Deg, "3Kuvvet2", "2", "12"},
      {Deg, "10log10", "100", "20"},
      {Deg, "2!", "4", "48"},
      {Deg, "3Kuvvet-1", "2", "1,5"},
      {Deg, "0,0000000000001", "1", "0"},
  });
}

TEST(EvaluateFunction, UnknownNamesAreRefused) {
  expectRows({
      {Deg, "sin", "30", "'sin' tanınmayan bir fonksiyon"_cp},
      {Deg, "pi", "2", "'pi' tanınmayan bir fonksiyon"_cp},
      {Deg, "2pi", "2", "'2pi' tanınmayan bir fonksiyon"_cp},
      {Deg, "exp", "1", "'exp' tanınmayan bir fonksiyon"_cp},
      {Deg, "2,5,3Sin", "1", "'2,5,3Sin' tanınmayan bir fonksiyon"_cp},
      {Deg, ",", "1", "',' tanınmayan bir fonksiyon"_cp},
      {Deg, "ArcTAN", "1", "'ArcTAN' tanınmayan bir fonksiyon"_cp},
  });
}

TEST(EvaluateFunction, DomainDivisionAndOverflowErrors) {
  constexpr std::string_view invalid = "Invalid floating point operation";
  constexpr std::string_view byZero = "Floating point division by zero";
  expectRows({
      {Deg, "log", "8", "'' is not a valid floating point value"},
      {Deg, "Kuvvet", "8", "'' is not a valid floating point value"},
      {Deg, "Üstel"_cp, "8", "'' is not a valid floating point value"},
      {Deg, "logx", "8", "'x' is not a valid floating point value"},
      {Deg, "ln", "0", byZero},
      {Deg, "ln", "-1", invalid},
      {Deg, "log2", "0", byZero},
      {Deg, "log10", "-5", invalid},
      {Deg, "log3", "-9", invalid},
      {Deg, "log1", "5", byZero},
      {Deg, "Kök"_cp, "-4", invalid},
      {Deg, "Kök3"_cp, "-8", invalid},
      {Deg, "Kök0"_cp, "4", byZero},
      {Deg, "Kuvvet-1", "0", byZero},
      {Deg, "Kuvvet0,5", "-4", invalid},
      {Deg, "Üstel-2"_cp, "0,5", invalid},
      {Rad, "ArcSin", "2", invalid},
      {Deg, "ArcCos", "-1,5", invalid},
      {Rad, "ArcCosh", "0,5", invalid},
      {Rad, "ArcCosh", "-2", invalid},
      {Rad, "ArcCosh", "-1", byZero},
      {Rad, "ArcTanh", "2", invalid},
      {Rad, "ArcCoth", "0", invalid},
      {Deg, "Csc", "0", byZero},
      {Rad, "Cot", "0", byZero},
      {Grad, "Coth", "0", byZero},
      {Rad, "Cosh", "20000", "Floating point overflow"},
      {Rad, "Sinh", "-20000", "Floating point overflow"},
      {Deg, "Kuvvet5000", "10", "Floating point overflow"},
      {Rad, "ArcTanh", "1", "'INF' is not a valid floating point value"},
      {Deg, "ArcTanh", "-1", "'-INF' is not a valid floating point value"},
      {Grad, "ArcCoth", "1", "'INF' is not a valid floating point value"},
      {Deg, "2ArcTanh", "1", "'INF' is not a valid floating point value"},
      {Deg, "Sin", "x", "'x' is not a valid floating point value"},
  });
}

TEST(EvaluateFunction, RoundingStepKeepsTwelveDecimals) {
  EXPECT_EQ(Evaluator::RoundTo12Decimals("0,1234567890123"), "0,123456789012");
  EXPECT_EQ(Evaluator::RoundTo12Decimals("2,0000000000004"), "2");
  EXPECT_EQ(Evaluator::RoundTo12Decimals("-2,5E-20"), "0");
  EXPECT_EQ(Evaluator::RoundTo12Decimals("1,5E-6"), "1,5E-6");
  EXPECT_EQ(Evaluator::RoundTo12Decimals("1,23456789012345E300"), "1,23456789012345E300");
  EXPECT_EQ(errorOf([] { Evaluator::RoundTo12Decimals("INF"); }), "'INF' is not a valid floating point value");
}

}  // namespace
}  // namespace velsira

namespace velsira {
namespace {

// The general format as the C library writes it: 15 significant digits by
// "%.14Le", then the fixed or exponent form. The engine's number texts take
// a faster exact route for common values and must agree with it everywhere.
std::string referenceFloatToText(long double v) {
  if (v == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14Le", std::fabs(v));
  std::string digits;
  const char* p = buf;
  for (; *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  const int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = v < 0 ? "-" : "";
  if (exponent < -4 || exponent >= 15) {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += "," + digits.substr(1);
    return out + "E" + std::to_string(exponent);
  }
  if (exponent < 0) return out + "0," + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  if (digits.size() <= static_cast<size_t>(exponent) + 1)
    return out + digits + std::string(static_cast<size_t>(exponent) + 1 - digits.size(), '0');
  return out + digits.substr(0, static_cast<size_t>(exponent) + 1) + "," +
         digits.substr(static_cast<size_t>(exponent) + 1);
}

TEST(NumberTextSpeedPaths, AgreeWithTheLibraryConversions) {
  std::mt19937_64 random(6);
  std::vector<long double> values = {
      123456789012344.5L, 123456789012345.5L, 12345678901234.5L, 0.5L, 1E-5L, 9.99999999999999999E-6L, 1E15L,
      999999999999999.5L, 99999999999999.95L, 9.9999999999999995L, 0.000123456789012345678L, 1.0L / 3,
      2.0L / 3, 7.818594853652L, 0.1L, 0.3L, 123456.789L, 2147483647.0L, 4503599627370495.5L,
  };
  for (int k = 0; k < 20000; ++k) {
    const long double mantissa = static_cast<long double>(random() | (1ULL << 63));
    const int exponent = static_cast<int>(random() % 140) - 144;
    values.push_back(std::ldexp(mantissa, exponent));
    values.push_back(static_cast<long double>(random() % 100000000000ULL) /
                     std::pow(10.0L, static_cast<int>(random() % 12)));
  }
  for (long double v : values) {
    for (long double signed_v : {v, -v}) {
      ASSERT_EQ(FloatToText(signed_v), referenceFloatToText(signed_v)) << static_cast<double>(signed_v);
    }
  }

  // Reading: digit texts against the C library's correctly rounded strtold.
  for (int k = 0; k < 20000; ++k) {
    std::string text = k % 3 == 0 ? "-" : "";
    const int intDigits = static_cast<int>(random() % 12);
    const int decimals = static_cast<int>(random() % 24);
    for (int i = 0; i < intDigits; ++i) text += static_cast<char>('0' + random() % 10);
    if (intDigits == 0) text += '0';
    if (decimals > 0) text += ',';
    for (int i = 0; i < decimals; ++i) text += static_cast<char>('0' + random() % 10);
    std::string c = text;
    for (char& ch : c)
      if (ch == ',') ch = '.';
    ASSERT_EQ(TextToFloat(text), std::strtold(c.c_str(), nullptr)) << text;
  }
}

// Whole numbers of every length up to and past 15 digits, around the powers
// of ten and of two, in both formats and both signs.
TEST(NumberTextSpeedPaths, WholeNumbersAgreeWithTheGeneralFormat) {
  std::mt19937_64 random(15);
  std::vector<long double> values = {1, 9, 10, 99, 100, 999999999999999.0L, 1E15L, 1E15L + 1, 9007199254740993.0L,
                                     18446744073709551615.0L, 18446744073709551616.0L, 1E19L, 1E20L,
                                     1000000000000005000.0L, 1000000000000015000.0L, 9999999999999995000.0L};
  for (int digits = 1; digits <= 18; ++digits) {
    for (int k = 0; k < 400; ++k) {
      uint64_t n = 1 + random() % 9;
      for (int i = 1; i < digits; ++i) n = n * 10 + random() % 10;
      values.push_back(static_cast<long double>(n));
      values.push_back(static_cast<long double>(n) + 0.5L);
    }
  }
  for (long double v : values) {
    for (long double signed_v : {v, -v}) {
      ASSERT_EQ(FloatToText(signed_v), referenceFloatToText(signed_v)) << static_cast<double>(signed_v);
      std::string reference = referenceFloatToText(signed_v);
      if (reference.find('E') == std::string::npos) {
        ASSERT_EQ(FloatToPlainText(signed_v), reference);
      }
    }
  }
}

TEST(NumberTextSpeedPaths, ReadBackAndAppendAgreeWithTheTexts) {
  std::mt19937_64 random(9);
  std::vector<long double> values = {0.0L, -0.0L, 1E-5L, 0.0001L, 0.00009999999999999999L, 1E15L, 999999999999999.4L,
                                     123456789012345678.0L, 1.0L / 3, 7.0L, -100.0L, 1E300L,
                                     // Whole numbers of more than 15 digits, ties to even among them.
                                     1000000000000005000.0L, 1000000000000015000.0L, 999999999999999500.0L,
                                     9999999999999995000.0L, 18446744073709551615.0L, 4611686014132420609.0L};
  for (int k = 0; k < 20000; ++k) {
    const long double mantissa = static_cast<long double>(random() | (1ULL << 63));
    values.push_back(std::ldexp(mantissa, static_cast<int>(random() % 200) - 160));
    // Squares and cubes of 32-bit integers, as a scan writes them.
    const long double x = static_cast<long double>(static_cast<int32_t>(random()));
    values.push_back(x * x);
    values.push_back(x * x * x);
    values.push_back(static_cast<long double>(random() % 100000000000ULL) /
                     std::pow(10.0L, static_cast<int>(random() % 16)));
  }
  for (long double v : values) {
    for (long double signed_v : {v, -v}) {
      const std::string text = FloatToText(signed_v);
      const long double read = TextToFloat(text);
      const long double fast = ReadBackNumberText(signed_v);
      ASSERT_TRUE(read == fast && std::signbit(read) == std::signbit(fast)) << text;
      std::string appended = "*";
      AppendFloatText(signed_v, appended);
      ASSERT_EQ(appended, "*" + text);
      appended = "-";
      AppendPlainText(signed_v, appended);
      ASSERT_EQ(appended, "-" + FloatToPlainText(signed_v));
    }
  }
  const long double inf = std::numeric_limits<long double>::infinity();
  EXPECT_EQ(errorOf([&] { ReadBackNumberText(inf); }), "'INF' is not a valid floating point value");
  EXPECT_EQ(errorOf([&] { ReadBackNumberText(-inf); }), "'-INF' is not a valid floating point value");
}

TEST(NumberTextSpeedPaths, RoundingStepAgreesWithFixedNotation) {
  std::mt19937_64 random(12);
  std::vector<long double> values = {0.5E-12L, 1.5E-12L, 2.5E-12L, 0.0000000000005L, 17999999.9999999999995L,
                                     18446744.073709551615L, 1E7L + 0.123456789012345L, 0.0001L, 0.00009999999999995L,
                                     999.9999999999995L, 1000, 999.999999999999L, 0.0001000000000005L};
  for (int k = 0; k < 20000; ++k) {
    const long double mantissa = static_cast<long double>(random() | (1ULL << 63));
    values.push_back(std::ldexp(mantissa, static_cast<int>(random() % 110) - 120));
    // Values with few decimals, as the function rows mostly give, around
    // the ends of the plain-notation range too.
    values.push_back(static_cast<long double>(random() % 10000000000000000ULL) /
                     std::pow(10.0L, static_cast<int>(random() % 20)));
  }
  for (long double v : values) {
    for (long double signed_v : {v, -v}) {
      const std::string text = FloatToText(signed_v);
      char buf[128];
      std::snprintf(buf, sizeof buf, "%.12Lf", TextToFloat(text));
      const std::string expected = FloatToText(std::strtold(buf, nullptr));
      ASSERT_EQ(Evaluator::RoundTo12Decimals(text), expected) << text;
    }
  }
}

}  // namespace
}  // namespace velsira
