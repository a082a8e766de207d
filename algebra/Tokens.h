// The first pass of the reader: cuts a UTF-8 text into tokens, folds the
// Unicode signs people paste into the plain ones, splits runs of letters
// into known names, and marks products written without a sign.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velsira::algebra {

struct Token {
  enum class Kind {
    Number,    // text: digits with "." and "E"
    Name,      // text: canonical function name; param: base, degree or count
    X, Pi, E,
    Plus, Minus, Times, Divide, Caret,
    Implicit,  // a product written without a sign
    Open,      // "(" or "[" (text holds which)
    Close,     // ")" or "]"
    Bar,       // "|"
    Super,     // superscript digits as text, "-" for ⁻
    Bang,      // "!"
    Equals,    // "="
    Arrow,     // "→" or "->"
    Semicolon,
    Lim,       // the word lim
    End,
  };
  Kind kind;
  std::string text;
  std::string param;
  std::size_t position;  // 1-based character position in the text
};

// The tokens of utf8, ending with End; ReadError when a character or a
// name cannot be read.
std::vector<Token> Tokenize(std::string_view utf8);

}  // namespace velsira::algebra
