// Long lines shown in pieces, and read back joined.
#include "app/TextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace velsira {

namespace {

// The user state of a block that continues the line of the block before.
constexpr int kContinues = 1;

// A text as the blocks that show it: long lines cut into pieces, "\n"
// between blocks, and for each block whether it continues a line.
struct Pieces {
  QString shown;
  std::vector<bool> continues;
};

bool hasLongLine(const QString& text) {
  qsizetype start = 0;
  while (start <= text.size()) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    if (end - start > TextBox::kLongLine) return true;
    start = end + 1;
  }
  return false;
}

bool hasManyLines(const QString& text) { return text.count(u'\n') >= TextBox::kManyLines; }

// Whether text goes in as other blocks than its lines.
bool needsPieces(const QString& text) { return hasManyLines(text) || hasLongLine(text); }

// Short lines share a block, separated by a line separator, when the text
// has many lines.
Pieces cutIntoPieces(const QString& text) {
  const bool group = hasManyLines(text);
  Pieces p;
  p.shown.reserve(text.size() + text.size() / TextBox::kPieceLength + 1);
  // Characters in the last block while short lines may still join it.
  qsizetype open = -1;
  qsizetype start = 0;
  while (start <= text.size()) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    const QStringView line = QStringView(text).mid(start, end - start);
    if (line.size() > TextBox::kLongLine) {
      for (qsizetype from = 0; from < line.size();) {
        qsizetype to = std::min<qsizetype>(from + TextBox::kPieceLength, line.size());
        // A surrogate pair stays in one piece.
        if (to < line.size() && line.at(to - 1).isHighSurrogate()) --to;
        if (!p.continues.empty()) p.shown += u'\n';
        p.continues.push_back(from > 0);
        p.shown += line.mid(from, to - from);
        from = to;
      }
      open = -1;
    } else if (group && open >= 0 && open + 1 + line.size() <= TextBox::kPieceLength) {
      p.shown += QChar::LineSeparator;
      p.shown += line;
      open += 1 + line.size();
    } else {
      if (!p.continues.empty()) p.shown += u'\n';
      p.continues.push_back(false);
      p.shown += line;
      open = line.size();
    }
    start = end + 1;
  }
  return p;
}

// CR LF and a lone CR become "\n", as in the texts the box is given.
QString unixLineBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  return text;
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent) {}

bool TextBox::continuesLine(const QTextBlock& block) { return block.userState() == kContinues; }

void TextBox::setText(const QString& text) {
  pieces_ = hasLongLine(text);
  document()->setUndoRedoEnabled(!pieces_);
  if (!needsPieces(text)) {
    setPlainText(text);
    return;
  }
  const Pieces p = cutIntoPieces(text);
  setPlainText(p.shown);
  QTextBlock block = document()->begin();
  for (bool continues : p.continues) {
    if (!block.isValid()) break;
    if (continues) block.setUserState(kContinues);
    block = block.next();
  }
}

QString TextBox::text() const {
  QString out;
  out.reserve(document()->characterCount());
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    if (block != document()->begin() && !continuesLine(block)) out += u'\n';
    out += block.text();
  }
  // A line break inside a block (lines that share one, or a break typed
  // with Shift) is a line break of the text.
  out.replace(QChar::LineSeparator, u'\n');
  return out;
}

bool TextBox::shows(const QString& wanted) const {
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
    if (block.length() - 1 > kLongLine) return false;
  return text() == wanted;
}

int TextBox::toTextPosition(int position) const {
  if (!pieces_) return position;
  int joins = 0;
  for (QTextBlock block = document()->begin(); block.isValid() && block.position() <= position;
       block = block.next())
    joins += continuesLine(block);
  return position - joins;
}

int TextBox::toBoxPosition(int textPosition) const {
  if (!pieces_) return textPosition;
  int joins = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    joins += continuesLine(block);
    const int blockEnd = block.position() - joins + block.length() - 1;
    if (textPosition <= blockEnd) return textPosition + joins;
  }
  return document()->characterCount() - 1;
}

QMimeData* TextBox::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  if (!pieces_ || !cursor.hasSelection()) return QPlainTextEdit::createMimeDataFromSelection();
  const int start = toTextPosition(cursor.selectionStart());
  const int end = toTextPosition(cursor.selectionEnd());
  if (end - start == cursor.selectionEnd() - cursor.selectionStart())
    return QPlainTextEdit::createMimeDataFromSelection();
  auto* data = new QMimeData;
  data->setText(text().mid(start, end - start));
  return data;
}

void TextBox::insertFromMimeData(const QMimeData* source) {
  if (isReadOnly() || !source || !source->hasText()) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  const QString pasted = unixLineBreaks(source->text());
  if (!needsPieces(pasted)) {
    QPlainTextEdit::insertFromMimeData(source);
    return;
  }
  const Pieces p = cutIntoPieces(pasted);
  if (hasLongLine(pasted)) {
    pieces_ = true;
    document()->setUndoRedoEnabled(false);
  }
  QTextCursor cursor = textCursor();
  cursor.removeSelectedText();
  const int first = cursor.blockNumber();
  const int firstState = cursor.block().userState();
  cursor.insertText(p.shown);
  // The first block keeps its place in its line; the others are the
  // pasted lines and pieces.
  QTextBlock block = document()->findBlockByNumber(first);
  block.setUserState(firstState);
  for (size_t i = 1; i < p.continues.size() && block.isValid(); ++i) {
    block = block.next();
    block.setUserState(p.continues[i] ? kContinues : -1);
  }
  setTextCursor(cursor);
  ensureCursorVisible();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  QTextCursor cursor = textCursor();
  const QTextBlock block = cursor.block();
  const bool atJoin = pieces_ && !isReadOnly() && !cursor.hasSelection();
  const bool backspace =
      event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier);
  if (atJoin && backspace && cursor.atBlockStart() && continuesLine(block) &&
      block.previous().length() > 1) {
    cursor.setPosition(cursor.position() - 1);
    cursor.deletePreviousChar();
    setTextCursor(cursor);
    return;
  }
  const QTextBlock next = block.next();
  if (atJoin && event->matches(QKeySequence::Delete) && cursor.atBlockEnd() && next.isValid() &&
      continuesLine(next) && next.length() > 1) {
    cursor.setPosition(cursor.position() + 1);
    cursor.deleteChar();
    setTextCursor(cursor);
    return;
  }
  // A line break typed into a piece leaves the mark on the part before it:
  // the part after starts a line.
  QPlainTextEdit::keyPressEvent(event);
}

}  // namespace velsira
