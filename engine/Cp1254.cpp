// Conversions between the engine's code page texts and UTF-8, through iconv.
#include "engine/Cp1254.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace velsira {
namespace {

// Converts byte by byte from a single-byte code page to UTF-8, so that one
// undefined byte turns into "?" without losing the rest.
std::string singleByteToUtf8(std::string_view text, const char* codePage) {
  iconv_t cd = iconv_open("UTF-8", codePage);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot open code page");
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x80) {
      out += c;
      continue;
    }
    char in[1] = {c};
    char buf[8];
    char* inPtr = in;
    size_t inLeft = 1;
    char* outPtr = buf;
    size_t outLeft = sizeof buf;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
      out += '?';
    else
      out.append(buf, static_cast<size_t>(outPtr - buf));
  }
  iconv_close(cd);
  return out;
}

// The length of the well-formed UTF-8 character at byte i of t, or 0.
size_t utf8Length(std::string_view t, size_t i) {
  if (i >= t.size()) return 0;
  const auto lead = static_cast<unsigned char>(t[i]);
  const size_t n = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
  if (n == 0 || i + n > t.size()) return 0;
  for (size_t k = 1; k < n; ++k)
    if ((static_cast<unsigned char>(t[i + k]) & 0xC0) != 0x80) return 0;
  return n;
}

}  // namespace

size_t foreignLength(std::string_view t, size_t i) {
  if (i >= t.size() || t[i] != kForeignMark) return 0;
  const size_t n = utf8Length(t, i + 1);
  return n == 0 ? 0 : n + 1;
}

size_t findForeign(std::string_view t) {
  for (size_t i = t.find(kForeignMark); i != std::string_view::npos; i = t.find(kForeignMark, i + 1))
    if (foreignLength(t, i) > 0) return i;
  return std::string_view::npos;
}

std::string cp1254ToUtf8(std::string_view text) {
  if (findForeign(text) == std::string_view::npos) return singleByteToUtf8(text, "CP1254");
  std::string out;
  size_t from = 0;
  for (size_t i = findForeign(text); i != std::string_view::npos; i = findForeign(text.substr(from))) {
    i += from;
    out += singleByteToUtf8(text.substr(from, i - from), "CP1254");
    const size_t n = foreignLength(text, i);
    out.append(text.substr(i + 1, n - 1));
    from = i + n;
  }
  out += singleByteToUtf8(text.substr(from), "CP1254");
  return out;
}

std::string cp1253ToUtf8(std::string_view text) { return singleByteToUtf8(text, "CP1253"); }

std::string utf8ToCp1254(std::string_view text) {
  iconv_t cd = iconv_open("CP1254", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot open code page");
  std::string out;
  out.reserve(text.size());
  std::string input(text);
  char* inPtr = input.data();
  size_t inLeft = input.size();
  char buf[256];
  while (inLeft > 0) {
    char* outPtr = buf;
    size_t outLeft = sizeof buf;
    size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buf, static_cast<size_t>(outPtr - buf));
    if (rc == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      if (errno == EILSEQ) {
        // A whole character the code page cannot hold is kept behind the
        // mark; the converter names the same error for a broken sequence.
        const std::string_view rest(inPtr, inLeft);
        const size_t n = utf8Length(rest, 0);
        if (n > 0) {
          out += kForeignMark;
          out.append(rest.substr(0, n));
          inPtr += n;
          inLeft -= n;
          continue;
        }
      }
      // A broken sequence: one "?" for it.
      out += '?';
      auto lead = static_cast<unsigned char>(*inPtr);
      size_t skip = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      ++inPtr;
      --inLeft;
      for (size_t k = 1; k < skip && inLeft > 0 && (static_cast<unsigned char>(*inPtr) & 0xC0) == 0x80; ++k) {
        ++inPtr;
        --inLeft;
      }
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace velsira
