// The reader's messages.
#include "algebra/ReadMessages.h"


#include "algebra/Reader.h"

namespace velsira::algebra {
namespace {

struct MessageRow {
  ReadProblem problem;
  std::string_view text;  // %p the position, %s the detail
};

constexpr MessageRow kMessages[] = {
    {ReadProblem::Expected, "%p. karakterde %s bekleniyordu"},
    {ReadProblem::UnknownName, "%p. karakterde bilinmeyen ad: '%s'"},
    {ReadProblem::UnknownChar, "%p. karakterde okunamayan karakter: '%s'"},
    {ReadProblem::BrokenText, "%p. karakterde geçersiz UTF-8 baytı"},
    {ReadProblem::TooDeep, "%p. karakterde iç içe en çok 200 düzey okunur"},
    {ReadProblem::TooLong, "İfade 10.000 karakterden uzun; okunmadı"},
};

// At most 80 bytes of detail, cut at a character boundary, "…" where cut.
std::string shortened(std::string_view detail) {
  if (detail.size() <= 80) return std::string(detail);
  size_t cut = 80;
  while (cut > 0 && (static_cast<unsigned char>(detail[cut]) & 0xC0) == 0x80) --cut;
  return std::string(detail.substr(0, cut)) + "…";
}

}  // namespace

void RaiseRead(ReadProblem problem, std::size_t position, std::string_view detail) {
  std::string_view pattern;
  for (const auto& row : kMessages)
    if (row.problem == problem) pattern = row.text;
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size()) {
      const char c = pattern[++i];
      if (c == 'p') out += std::to_string(position);
      if (c == 's') out += shortened(detail);
      continue;
    }
    out += pattern[i];
  }
  throw ReadError(out, position);
}

}  // namespace velsira::algebra
