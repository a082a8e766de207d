// The main window as the engine sees it: the input box, the result box, the
// number entry box and the angle-unit buttons, held as plain texts and state.
// The desktop window shows these models; the engine never touches a widget.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velsira {

// Form1.Memo1: a multi-line text (CR LF between lines) with a caret and a
// selection. Offsets count characters as shown: a line break and a kept
// character the code page cannot hold (Cp1254.h) count as one.
class InputBox {
 public:
  // Gives the lines as displayed for a text; the desktop window supplies its
  // own wrapping layout, headless the lines are the text's own lines.
  using LineLayout = std::function<std::vector<std::string>(const std::string& text)>;

  const std::string& Text() const { return text_; }
  // Replaces the whole text; the caret goes to offset 0, nothing selected.
  void SetText(std::string_view text);
  long SelStart() const { return selStart_; }
  long SelLength() const { return selLength_; }
  // Places the selection, cut to the text.
  void SetSelection(long start, long length);
  // The selected text (empty when nothing is selected).
  std::string SelText() const;
  // Replaces the selection by text; the caret ends after it, nothing selected.
  void ReplaceSelection(std::string_view text);
  // Line i as displayed; the empty text past the last line.
  std::string Line(long i) const;
  long LineCount() const;
  // Adds a line at the end of the text.
  void AddLine(std::string_view line);
  // Number of characters as shown (a line break counts as one).
  long Length() const;
  // The first kept character the code page cannot hold, as kept (its mark
  // and UTF-8 bytes), and its 1-based position as shown; false when none.
  bool FindKeptCharacter(std::string& character, long& position) const;

  void SetLineLayout(LineLayout layout) { layout_ = std::move(layout); }

 private:
  size_t byteIndex(long offset) const;
  std::vector<std::string> displayedLines() const;

  std::string text_;
  long selStart_ = 0;
  long selLength_ = 0;
  LineLayout layout_;
};

// Form1.Memo2: lines of text shown through a display character set.
class ResultBox {
 public:
  enum class Charset { Turkish, Greek };

  // The whole text, lines joined by CR LF.
  std::string Text() const;
  void SetText(std::string_view text);
  void AddLine(std::string_view line) { lines_.emplace_back(line); }
  void Clear() { lines_.clear(); }
  const std::vector<std::string>& Lines() const { return lines_; }
  Charset DisplayCharset() const { return charset_; }
  void SetDisplayCharset(Charset c) { charset_ = c; }

 private:
  std::vector<std::string> lines_;
  Charset charset_ = Charset::Turkish;
};

// Edit1, the number entry box.
struct EditBox {
  std::string Text = "0";
};

// One of the angle-unit buttons.
struct RadioButton {
  std::string Caption;
  bool Checked = false;
};

// The angle unit in which trigonometric values are computed.
enum class AngleUnit { Degrees, Radians, Grads };

}  // namespace velsira
