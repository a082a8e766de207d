// One fuzzed case of an operation, read from the fuzzer's bytes:
//   byte 0      the angle unit (its value modulo 3: degrees, radians, grads)
//   byte 1, 2   the selection's start and length, as 255ths of the text
//   then        fields separated by the byte 0x1E: the input box text, the
//               number entry text, and the answers of the input dialogs.
// An answer that is the single byte 0x18 is Cancel. An answer that is a whole
// number is brought into -50 .. 50, so that a scan stays small.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velsira::testing {

inline constexpr char kFieldSeparator = '\x1E';
inline constexpr char kCancel = '\x18';

struct FuzzCase {
  int unit = 0;
  unsigned selStart = 255, selLength = 0;  // 255ths of the text
  std::string input = "[()]";
  std::string entry = "0";
  std::vector<std::optional<std::string>> answers;
};

// A whole-number text (optional sign, digits) brought into -50 .. 50.
inline std::string smallRange(std::string_view text) {
  size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
  if (i == text.size()) return std::string(text);
  long value = 0;
  for (size_t k = i; k < text.size(); ++k) {
    if (text[k] < '0' || text[k] > '9') return std::string(text);
    value = (value * 10 + (text[k] - '0')) % 51;
  }
  return std::to_string(text[0] == '-' ? -value : value);
}

inline FuzzCase readFuzzCase(const uint8_t* data, size_t size) {
  FuzzCase c;
  if (size > 0) c.unit = data[0] % 3;
  if (size > 1) c.selStart = data[1];
  if (size > 2) c.selLength = data[2];
  std::vector<std::string> fields;
  if (size > 3) {
    const std::string_view rest(reinterpret_cast<const char*>(data + 3), size - 3);
    size_t from = 0;
    while (true) {
      const size_t sep = rest.find(kFieldSeparator, from);
      fields.emplace_back(rest.substr(from, sep == std::string_view::npos ? std::string_view::npos : sep - from));
      if (sep == std::string_view::npos) break;
      from = sep + 1;
    }
  }
  if (fields.size() > 0) c.input = fields[0];
  if (fields.size() > 1) c.entry = fields[1];
  for (size_t k = 2; k < fields.size(); ++k) {
    if (fields[k] == std::string_view(&kCancel, 1)) c.answers.emplace_back(std::nullopt);
    else c.answers.emplace_back(smallRange(fields[k]));
  }
  return c;
}

}  // namespace velsira::testing
