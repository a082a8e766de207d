// The reader's messages, Turkish, built from one table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velsira::algebra {

enum class ReadProblem {
  Expected,        // «N. karakterde %s bekleniyordu»
  UnknownName,     // «N. karakterde bilinmeyen ad: '%s'»
  UnknownChar,     // «N. karakterde okunamayan karakter: '%s'»
  BrokenText,      // «N. karakterde geçersiz UTF-8»
  TooDeep,         // «N. karakterde iç içe en çok 200 düzey okunur»
  TooLong,         // «metin 10.000 karakterden uzun»
};

// Throws ReadError for problem at the 1-based position, detail in place of
// %s.
[[noreturn]] void RaiseRead(ReadProblem problem, std::size_t position, std::string_view detail = {});

}  // namespace velsira::algebra
