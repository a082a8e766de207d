// The box models of the main window.
#include "engine/Boxes.h"

#include <algorithm>

#include "engine/Cp1254.h"
#include "engine/Text.h"

namespace velsira {
namespace {

// The bytes of the character at byte i: a line break CR LF and a kept
// character count as one.
size_t characterBytes(std::string_view t, size_t i) {
  if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') return 2;
  const size_t kept = foreignLength(t, i);
  return kept > 0 ? kept : 1;
}

// The number of characters of t as shown.
long characterCount(std::string_view t) {
  long n = 0;
  for (size_t i = 0; i < t.size(); i += characterBytes(t, i)) ++n;
  return n;
}

}  // namespace

void InputBox::SetText(std::string_view text) {
  text_.assign(text);
  selStart_ = 0;
  selLength_ = 0;
}

long InputBox::Length() const { return characterCount(text_); }

bool InputBox::FindKeptCharacter(std::string& character, long& position) const {
  const size_t at = findForeign(text_);
  if (at == std::string::npos) return false;
  character.assign(text_, at, foreignLength(text_, at));
  position = characterCount(std::string_view(text_).substr(0, at)) + 1;
  return true;
}

size_t InputBox::byteIndex(long offset) const {
  size_t i = 0;
  for (long k = 0; k < offset && i < text_.size(); ++k) i += characterBytes(text_, i);
  return i;
}

void InputBox::SetSelection(long start, long length) {
  const long len = Length();
  start = std::clamp(start, 0L, len);
  length = std::clamp(length, 0L, len - start);
  selStart_ = start;
  selLength_ = length;
}

std::string InputBox::SelText() const {
  size_t a = byteIndex(selStart_);
  size_t b = byteIndex(selStart_ + selLength_);
  return text_.substr(a, b - a);
}

void InputBox::ReplaceSelection(std::string_view text) {
  size_t a = byteIndex(selStart_);
  size_t b = byteIndex(selStart_ + selLength_);
  text_.replace(a, b - a, text);
  selStart_ += characterCount(text);
  selLength_ = 0;
}

std::vector<std::string> InputBox::displayedLines() const {
  if (layout_) return layout_(text_);
  return splitLines(text_);
}

std::string InputBox::Line(long i) const {
  auto lines = displayedLines();
  if (i < 0 || i >= static_cast<long>(lines.size())) return {};
  return lines[static_cast<size_t>(i)];
}

long InputBox::LineCount() const { return static_cast<long>(displayedLines().size()); }

void InputBox::AddLine(std::string_view line) {
  if (!text_.empty()) text_ += "\r\n";
  text_ += line;
}

std::string ResultBox::Text() const { return joinLines(lines_); }

void ResultBox::SetText(std::string_view text) {
  // The lines are written into the existing line storage, which the box
  // keeps from one text to the next.
  size_t count = 0;
  if (!text.empty()) {
    size_t pos = 0;
    while (true) {
      const size_t hit = text.find("\r\n", pos);
      const std::string_view line = text.substr(pos, hit == std::string_view::npos ? std::string_view::npos : hit - pos);
      if (count < lines_.size())
        lines_[count].assign(line);
      else
        lines_.emplace_back(line);
      ++count;
      if (hit == std::string_view::npos) break;
      pos = hit + 2;
    }
  }
  lines_.resize(count);
}

}  // namespace velsira
