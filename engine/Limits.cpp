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

}  // namespace

void Limits::Button18Click() {
  InputBox& box = w_.Memo1;
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

  // The point: the text after the last "=" within the first nine characters
  // of the second displayed line.
  const std::string pointLine = w_.Memo1.Line(1);
  int32_t a = 0;
  for (long i = 2; i <= 10; ++i)
    if (substring(pointLine, i - 1, 1) == "=") a = TextToInt(substring(pointLine, i, static_cast<long>(pointLine.size())));

  w_.Memo2.AddLine(std::string("Her å>0 icin ƒ(x)-L<å olacak sekilde x-a<ä iken; ä(å)>0 bulunmalidir."_cp));
  w_.Memo2.AddLine(
      std::string("Burdan yola cikarak y=ƒ(x) , y=L-å, y=L+å dogrularinin kesistigi noktanin apsisini bulalim."_cp));

  // X: just after the last "x" within the first nine characters of s.
  long x = 0;
  for (long i = 2; i <= 10; ++i)
    if (substring(s(), i - 1, 1) == "x") x = i;
  const int32_t b = TextToInt(substring(s(), x, static_cast<long>(s().size())));
  const int32_t m = TextToInt(substring(s(), 1, x - 2));
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
  w_.Memo2.AddLine("Bu durumda her " + e + ">0 icin " + s() + "-" + L + "<" + e + " olacak sekilde, x-" + IntToText(a) +
                   "<" + kDelta + " iken " + kDelta + "(" + e + ")=" + e + "/" + M + ">0 oldugundan;");
  w_.Memo2.AddLine(w_.Memo1.Line(0) + "=" + L + "'dir");
  w_.Memo2.AddLine(w_.Memo1.Line(1));
}

}  // namespace velsira
