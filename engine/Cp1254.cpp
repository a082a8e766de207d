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

}  // namespace

std::string cp1254ToUtf8(std::string_view text) { return singleByteToUtf8(text, "CP1254"); }

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
      // A character the code page cannot hold, or a broken sequence: one "?"
      // for the whole UTF-8 character.
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
