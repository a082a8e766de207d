// A multi-line box that stays quick with very long lines.
//
// The box lays out a block of text whole, while it lays out many blocks
// only where they are seen; a line of a million characters in one block
// takes seconds to show and to edit. So a line longer than kLongLine is
// shown as several blocks of kPieceLength characters, and every block but
// the first of such a line is marked as continuing the line before it. The
// text of the box joins those blocks without a line break, and caret
// positions are counted in that text. What the user sees is a wrap at a
// piece's end once every few hundred wrapped lines. Likewise a text of many
// lines costs its time in making blocks, so when it has more than kManyLines
// lines, short lines share blocks of up to kPieceLength characters, separated
// by line separators; they look the same.
#pragma once

#include <QPlainTextEdit>
#include <QString>

class QTextBlock;

namespace velsira {

class TextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  static constexpr int kLongLine = 20000;
  static constexpr int kPieceLength = 4096;
  static constexpr int kManyLines = 2000;

  explicit TextBox(QWidget* parent = nullptr);

  // Shows text ("\n" between lines); lines longer than kLongLine go in as
  // pieces. The caret goes to the start, and undo starts afresh. Undo is
  // off while the box holds pieces: the box would undo a join of two pieces
  // as a line break.
  void setText(const QString& text);
  // The text the box holds: pieces joined, "\n" between lines. Unlike
  // toPlainText() it keeps no-break spaces as they are.
  QString text() const;
  // Whether the box shows text as setText would: the same text, and no
  // line longer than kLongLine in one block.
  bool shows(const QString& text) const;

  // A position in the box as a position in text(), and back. The end of a
  // piece and the start of the next are the same position of text(); it
  // maps back to the end of the piece.
  int toTextPosition(int position) const;
  int toBoxPosition(int textPosition) const;

  // Whether block continues the line of the block before it.
  static bool continuesLine(const QTextBlock& block);

 protected:
  // A copied selection that spans pieces is copied joined.
  QMimeData* createMimeDataFromSelection() const override;
  // A pasted text with long lines goes in as pieces.
  void insertFromMimeData(const QMimeData* source) override;
  // Backspace and Delete at the join of two pieces remove a character.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Set when pieces went in; edits may have joined them since.
  bool pieces_ = false;
};

}  // namespace velsira
