// Code page 1254 texts: the engine's byte strings, literals written in UTF-8
// source and converted at compile time, and the conversions at the edges.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace velsira {

namespace detail {

// Unicode code points of the bytes 0x80..0xFF of code page 1254; 0 marks a
// byte the code page leaves undefined.
inline constexpr std::array<char32_t, 128> kCp1254High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0,      0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0,      0x0178,
    0xA0,   0xA1,   0xA2,   0xA3,   0xA4,   0xA5,   0xA6,   0xA7,
    0xA8,   0xA9,   0xAA,   0xAB,   0xAC,   0xAD,   0xAE,   0xAF,
    0xB0,   0xB1,   0xB2,   0xB3,   0xB4,   0xB5,   0xB6,   0xB7,
    0xB8,   0xB9,   0xBA,   0xBB,   0xBC,   0xBD,   0xBE,   0xBF,
    0xC0,   0xC1,   0xC2,   0xC3,   0xC4,   0xC5,   0xC6,   0xC7,
    0xC8,   0xC9,   0xCA,   0xCB,   0xCC,   0xCD,   0xCE,   0xCF,
    0x011E, 0xD1,   0xD2,   0xD3,   0xD4,   0xD5,   0xD6,   0xD7,
    0xD8,   0xD9,   0xDA,   0xDB,   0xDC,   0x0130, 0x015E, 0xDF,
    0xE0,   0xE1,   0xE2,   0xE3,   0xE4,   0xE5,   0xE6,   0xE7,
    0xE8,   0xE9,   0xEA,   0xEB,   0xEC,   0xED,   0xEE,   0xEF,
    0x011F, 0xF1,   0xF2,   0xF3,   0xF4,   0xF5,   0xF6,   0xF7,
    0xF8,   0xF9,   0xFA,   0xFB,   0xFC,   0x0131, 0x015F, 0xFF,
};

consteval char cp1254ByteOf(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kCp1254High.size(); ++i)
    if (kCp1254High[i] == cp) return static_cast<char>(0x80 + i);
  throw "character not in code page 1254";  // compile-time error
}

template <std::size_t N>
struct Utf8Literal {
  char bytes[N]{};
  consteval Utf8Literal(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
  }
};

template <std::size_t N>
struct Cp1254Array {
  char bytes[N]{};
  std::size_t size = 0;
};

template <std::size_t N>
consteval Cp1254Array<N> toCp1254(const Utf8Literal<N>& lit) {
  Cp1254Array<N> out;
  std::size_t i = 0;
  while (i + 1 < N) {  // the last byte is the terminating zero
    const auto b = static_cast<unsigned char>(lit.bytes[i]);
    char32_t cp = 0;
    std::size_t len = 1;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      cp = b & 0x1F;
      len = 2;
    } else if ((b & 0xF0) == 0xE0) {
      cp = b & 0x0F;
      len = 3;
    } else {
      throw "unsupported UTF-8 sequence";
    }
    for (std::size_t k = 1; k < len; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(lit.bytes[i + k]) & 0x3F);
    out.bytes[out.size++] = cp1254ByteOf(cp);
    i += len;
  }
  return out;
}

template <Utf8Literal L>
struct Cp1254Storage {
  static constexpr auto value = toCp1254(L);
};

}  // namespace detail

inline namespace literals {
// "Kök"_cp is the code page 1254 text of a UTF-8 source literal.
template <detail::Utf8Literal L>
constexpr std::string_view operator""_cp() {
  return {detail::Cp1254Storage<L>::value.bytes, detail::Cp1254Storage<L>::value.size};
}
}  // namespace literals

// The superscript two and three: x² and x³ in every text of the engine.
inline constexpr char kSquare = "²"_cp[0];
inline constexpr char kCube = "³"_cp[0];

// A character the code page cannot hold is kept in a text as the byte 0x81,
// which the code page leaves undefined, followed by the character's UTF-8
// bytes: the boxes keep every character the user wrote, and no operation
// reads such a text (TForm1 refuses it first).
inline constexpr char kForeignMark = '\x81';

// The length in bytes of the kept character at byte i of t (the mark and its
// UTF-8 bytes), or 0 when none starts there.
size_t foreignLength(std::string_view t, size_t i);
// The byte index of the first kept character of t, or npos.
size_t findForeign(std::string_view t);

// Code page 1254 bytes to UTF-8; a kept character becomes itself again, any
// other undefined byte "?".
std::string cp1254ToUtf8(std::string_view text);
// UTF-8 to code page 1254; a character the code page cannot hold is kept
// behind kForeignMark; a broken UTF-8 sequence becomes "?".
std::string utf8ToCp1254(std::string_view text);
// The same bytes seen through code page 1253 (the Greek display set), as UTF-8;
// a byte that code page 1253 does not define becomes "?".
std::string cp1253ToUtf8(std::string_view text);

}  // namespace velsira
