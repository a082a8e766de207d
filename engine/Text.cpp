// Text helpers of the engine.
#include "engine/Text.h"

namespace velsira {

std::string_view substring(std::string_view t, long start, long count) {
  if (start < 1) start = 1;
  const long len = static_cast<long>(t.size());
  if (start > len || count < 1) return {};
  if (count > len - start + 1) count = len - start + 1;
  return t.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count));
}

std::string replaceAll(std::string_view t, std::string_view pattern, std::string_view replacement) {
  if (pattern.empty()) return std::string(t);
  std::string out;
  out.reserve(t.size());
  size_t pos = 0;
  while (true) {
    size_t hit = t.find(pattern, pos);
    if (hit == std::string_view::npos) break;
    out.append(t.substr(pos, hit - pos));
    out.append(replacement);
    pos = hit + pattern.size();
  }
  out.append(t.substr(pos));
  return out;
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t pos = 0;
  while (true) {
    size_t hit = text.find("\r\n", pos);
    if (hit == std::string_view::npos) {
      lines.emplace_back(text.substr(pos));
      break;
    }
    lines.emplace_back(text.substr(pos, hit - pos));
    pos = hit + 2;
  }
  return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) out += "\r\n";
    out += lines[i];
  }
  return out;
}

}  // namespace velsira
