// Number texts: the one text form of every number the engine reads or writes
// (decimal comma, up to 15 significant digits), and integer texts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velsira {

// π as the engine uses it, in extended precision.
inline constexpr long double kPi = 3.1415926535897932385L;

// The general format: up to 15 significant digits, decimal comma, no trailing
// zeros; fixed notation for 0,0001 <= |v| < 1E15 after rounding, otherwise
// the exponent form («1E-6», «1,5E20»); "0" for zero, "INF"/"-INF".
std::string FloatToText(long double v);

// The same 15 significant digits, always in plain decimal notation
// («0,000001», «100000000000000000000»): the form in which values are written
// back into an expression text, so that the split reads them as one number.
std::string FloatToPlainText(long double v);

// FloatToText and FloatToPlainText appended to out, whose storage is reused.
void AppendFloatText(long double v, std::string& out);
void AppendPlainText(long double v, std::string& out);

// Reads a number text: optional blanks, an optional sign, digits with at most
// one ",", an optional exponent, optional blanks. Raises
// "'%s' is not a valid floating point value" for anything else.
long double TextToFloat(std::string_view text);
// As TextToFloat, without raising.
bool TryTextToFloat(std::string_view text, long double& value);

// TextToFloat(FloatToText(v)), without composing the text for the values
// the general format writes in plain notation.
long double ReadBackNumberText(long double v);

// Reads an integer text: an optional sign and decimal digits in 32-bit range.
// Raises "'%s' is not a valid integer value" for anything else.
int32_t TextToInt(std::string_view text);

// Splits a finite, non-zero, normal |v| into m * 2^e with a 64-bit m whose top
// bit is set: the exact binary form the fast conversions compute with. False
// for other values, and where long double is not the 64-bit-mantissa type.
bool SplitExtended(long double v, uint64_t& m, int& e);

// Writes an integer in decimal with a leading "-" when negative.
std::string IntToText(long long v);

}  // namespace velsira
