// Limits. The delta-epsilon argument fills numbers into fixed sentence
// templates; epsilon, delta and f are the single bytes 229, 228 and 131,
// which the result box shows as Greek letters through its Greek display set.
#include "engine/Limits.h"

#include <cstdint>
#include <string>

#include "engine/Cp1254.h"
#include "engine/Errors.h"
#include "engine/NumberText.h"
#include "engine/Text.h"

namespace velsira {
namespace {

const std::string kEpsilon(1, '\xE5');
const std::string kDelta(1, '\xE4');

std::string_view trimmed(std::string_view t) {
  const size_t first = t.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return t.substr(first, t.find_last_not_of(" \t") - first + 1);
}

// The form the argument reads. Line 1: the function between the first "("
// and the first ")", optionally after "lim" and inside "[" "]": «lim(2x+1)»,
// «[(2x+1)]», «[lim(-3x-2)]». The function: an integer M, "x" and an
// optional signed integer B. Line 2: «x=3», an integer point. Blanks around
// the parts are allowed. The numbers' sizes are judged when they are read.
class LimitForm {
 public:
  explicit LimitForm(std::string_view t) : t_(t) {}

  bool functionLine() {
    blanks();
    take("[");
    blanks();
    take("lim");
    if (!take("(")) return false;
    if (!integer()) return false;
    if (!take("x")) return false;
    if (peek('+') || peek('-')) {
      if (!integer()) return false;
    }
    if (!take(")")) return false;
    blanks();
    take("]");
    blanks();
    return pos_ == t_.size();
  }

  bool pointLine() {
    blanks();
    if (!take("x")) return false;
    blanks();
    if (!take("=")) return false;
    blanks();
    if (!integer()) return false;
    blanks();
    return pos_ == t_.size();
  }

 private:
  bool peek(char c) const { return pos_ < t_.size() && t_[pos_] == c; }
  bool take(std::string_view word) {
    if (t_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }
  void blanks() {
    while (peek(' ') || peek('\t')) ++pos_;
  }
  // An optional sign and at least one digit.
  bool integer() {
    if (peek('+') || peek('-')) ++pos_;
    const size_t digits = pos_;
    while (pos_ < t_.size() && isDigit(t_[pos_])) ++pos_;
    return pos_ > digits;
  }

  std::string_view t_;
  size_t pos_ = 0;
};

// "-" and a number, with a negative number's sign pair folded: «-5» gives
// "--5" no more but "+5".
std::string minus(int64_t v) { return v < 0 ? "+" + IntToText(-v) : "-" + IntToText(v); }

}  // namespace

void Limits::Button18Click() {
  InputBox& box = w_.Memo1;
  // The point line must be the second line, which Delta-Epsilon reads.
  const std::string& text = box.Text();
  const size_t lineBreak = text.find('\n');
  if (lineBreak != std::string::npos) {
    const size_t end = text.find_first_of("\r\n", lineBreak + 1);
    raiseSecondLineTaken(std::string_view(text).substr(lineBreak + 1, end == std::string::npos ? end : end - lineBreak - 1));
  }
  box.ReplaceSelection(box.SelText() + "lim()");
  box.AddLine("x=");
  box.SetSelection(box.Length(), 0);
}

void Limits::Button17Click() {
  w_.ClearResults();
  TForm2& f = w_.Form2;
  split_.SplitFactors(w_.Memo1.Text());
  // The function is the first factor argument, read afresh at every use.
  auto s = [&f]() -> const std::string& { return f.Memo8.get(0); };
  w_.Memo2.SetDisplayCharset(ResultBox::Charset::Greek);

  // Nothing is argued about a text that is not in the form: it would be the
  // argument for some other function or point.
  const std::string functionLine = w_.Memo1.Line(0);
  const std::string pointLine = w_.Memo1.Line(1);
  if (!LimitForm(functionLine).functionLine()) raiseNotLimitForm(functionLine);
  if (!LimitForm(pointLine).pointLine()) raiseNotLimitForm(pointLine);
  const int32_t a = TextToInt(trimmed(pointLine.substr(pointLine.find('=') + 1)));
  const size_t x = s().find('x');
  if (x == std::string::npos) raiseNotLimitForm(functionLine);  // a layout whose first line is not the text's

  w_.Memo2.AddLine(std::string("Her å>0 icin |ƒ(x)-L|<å olacak sekilde |x-a|<ä iken; ä(å)>0 bulunmalidir."_cp));
  w_.Memo2.AddLine(
      std::string("Burdan yola cikarak y=ƒ(x) , y=L-å, y=L+å dogrularinin kesistigi noktanin apsisini bulalim."_cp));

  // M before the x, B after it (0 when nothing follows it).
  const std::string_view afterX = trimmed(std::string_view(s()).substr(x + 1));
  const int32_t b = afterX.empty() ? 0 : TextToInt(afterX);
  const int32_t m = TextToInt(trimmed(std::string_view(s()).substr(0, x)));
  // Exact in 64 bits: |a·M| stays below 2^62.
  const int64_t l = static_cast<int64_t>(a) * m + b;
  const int64_t k = l - b;
  // W = K div M, which is a; computed at every use, so M = 0 fails in line 3.
  auto w = [&]() -> std::string {
    if (m == 0) raiseIntegerDivisionByZero();
    return IntToText(k / m);
  };
  const std::string L = IntToText(l), K = IntToText(k), M = IntToText(m);
  const std::string& e = kEpsilon;

  w_.Memo2.AddLine(s() + "=" + L + "-" + e + " ise " + M + "x" + "=" + K + "-" + e + " ; x=" + w() + "-(" + e + "/" +
                   M + ")");
  w_.Memo2.AddLine(s() + "=" + L + "+" + e + " ise " + M + "x" + "=" + K + "+" + e + " ; x=" + w() + "+(" + e + "/" +
                   M + ")");
  w_.Memo2.AddLine("min{|" + w() + "-(" + e + "/" + M + ")" + "|" + " ; " + "|" + w() + "+(" + e + "/" + M + ")" + "|" +
                   "}=" + e + "/" + M + " bulunur.");
  w_.Memo2.AddLine("Bu durumda her " + e + ">0 icin |" + s() + minus(l) + "|<" + e + " olacak sekilde, |x" + minus(a) +
                   "|<" + kDelta + " iken " + kDelta + "(" + e + ")=" + e + "/" + M + ">0 oldugundan;");
  w_.Memo2.AddLine(w_.Memo1.Line(0) + "=" + L + "'dir");
  w_.Memo2.AddLine(w_.Memo1.Line(1));
}

}  // namespace velsira
