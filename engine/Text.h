// Text helpers of the engine: 1-based substrings, replace-all and the
// character classes the rewriting rules test.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velsira {

// The 1-based substring of t: a start below 1 counts as 1, a start past the
// end or a count below 1 gives the empty text, the count is cut at the end.
// The view points into t.
std::string_view substring(std::string_view t, long start, long count);

// Replaces all non-overlapping occurrences of pattern from left to right,
// case-sensitively; the inserted text is not searched again.
std::string replaceAll(std::string_view t, std::string_view pattern, std::string_view replacement);

// "+", "-", "*" or "/".
inline bool isOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
// A digit or the decimal comma: a character of a number text.
inline bool isNumberChar(char c) { return isDigit(c) || c == ','; }

// Splits a box text at its CR LF line breaks.
std::vector<std::string> splitLines(std::string_view text);
// Joins lines with CR LF between them.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace velsira
