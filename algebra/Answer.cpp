// SimplifyAndCheck: reads the answer out of the result text, simplifies and
// prints it, and checks it against the input; every failure becomes an
// "unknown" outcome with its reason.
#include "algebra/Answer.h"

#include "algebra/AnswerText.h"
#include "algebra/CasExpr.h"
#include "algebra/Check.h"
#include "algebra/DisplayPrinter.h"

namespace velsira::algebra {
namespace {

using GiNaC::ex;

// A text that the reader or GiNaC could not read; what() says why.
struct Unreadable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The first line of an exception's text (GiNaC adds where in its sources it was raised).
std::string Reason(const std::exception& e) {
  std::string what = e.what();
  return what.substr(0, what.find('\n'));
}

ex ReadExpression(std::string_view text, const PlainReader& read, AngleUnit unit = AngleUnit::Radian) {
  try {
    return ParsePlain(read(text), unit);
  } catch (const std::exception& e) {
    throw Unreadable(Reason(e));
  }
}

Answer NotReadable(const std::string& why) { return {std::nullopt, "", {CheckStatus::Unknown, why}}; }

// The check of a readable answer, unknown when the input cannot be read.
template <class CheckInput>
CheckOutcome WithInput(const AnswerRequest& request, const PlainReader& read, CheckInput check) {
  ex input;
  try {
    // Values and roots are computed in the chosen angle unit; derivatives and
    // integrals take none.
    input = ReadExpression(request.input, read,
                           request.kind == AnswerKind::Derivative || request.kind == AnswerKind::Integral
                               ? AngleUnit::Radian
                               : request.unit);
  } catch (const Unreadable& e) {
    return {CheckStatus::Unknown, std::string("girdi okunamadı: ") + e.what()};
  }
  return check(input);
}

Answer DerivativeOrIntegral(const AnswerRequest& request, const PlainReader& read) {
  bool integral = request.kind == AnswerKind::Integral;
  std::string text = integral ? IntegralAnswerText(request.result) : Trimmed(request.result);
  if (text.empty()) return NotReadable("sonuç boş");
  ex found;
  try {
    found = ReadExpression(text, read);
  } catch (const Unreadable& e) {
    return NotReadable(std::string("sonuç okunamadı: ") + e.what());
  }
  ex simple = Simplified(found);
  Answer answer{PrintDisplay(simple), PrintPlain(simple), {}};
  if (integral) *answer.simplified = simple.is_zero() ? "c" : *answer.simplified + " + c";
  answer.check = WithInput(request, read, [&](const ex& input) {
    return integral ? CheckIntegral(input, found) : CheckDerivative(input, found);
  });
  return answer;
}

Answer Value(const AnswerRequest& request, const PlainReader& read) {
  auto value = NumberOfText(request.result);
  if (!value) return NotReadable("sonuç bir sayı değil");
  std::optional<long double> at;
  if (!request.atValue.empty()) {
    at = NumberOfText(request.atValue);
    if (!at)
      return {FormatNumber(*value, true),
              FormatNumber(*value, false),
              {CheckStatus::Unknown, "x'in değeri okunamadı"}};
  }
  Answer answer{FormatNumber(*value, true), FormatNumber(*value, false), {}};
  answer.check = WithInput(request, read, [&](const ex& input) { return CheckValue(input, *value, at); });
  return answer;
}

Answer Roots(const AnswerRequest& request, const PlainReader& read) {
  auto roots = RootsOfResult(request.result, request.quadratic);
  if (!roots) return NotReadable("sonuçta kökler okunamadı");
  std::string shown, plain;
  for (long double r : roots->roots) {
    shown += (shown.empty() ? "x = " : " ; x = ") + FormatNumber(r, true);
    plain += (plain.empty() ? "" : "; ") + FormatNumber(r, false);
  }
  if (shown.empty()) shown = request.quadratic ? "gerçek kök yok" : "tam sayı kök yok";
  Answer answer{shown, plain, {}};
  answer.check =
      WithInput(request, read, [&](const ex& input) { return CheckRoots(input, *roots, request.quadratic); });
  return answer;
}

Answer Dispatch(const AnswerRequest& request, const PlainReader& read) {
  switch (request.kind) {
    case AnswerKind::Derivative:
    case AnswerKind::Integral:
      return DerivativeOrIntegral(request, read);
    case AnswerKind::Value:
      return Value(request, read);
    case AnswerKind::Roots:
      return Roots(request, read);
  }
  return NotReadable("bilinmeyen işlem");
}

}  // namespace

Answer SimplifyAndCheck(const AnswerRequest& request, const PlainReader& read) {
  if (CharacterCount(request.input) > kAnswerTextLimit || CharacterCount(request.result) > kAnswerTextLimit)
    return NotReadable("çok uzun: 10.000 karakterden uzun metinler sadeleştirilmez ve doğrulanmaz");
  try {
    return Dispatch(request, read);
  } catch (const std::exception& e) {
    return NotReadable("hesaplanamadı: " + Reason(e));
  } catch (...) {
    return NotReadable("hesaplanamadı");
  }
}

std::optional<AnswerRequest> AnswerRequestFor(std::string_view op, velsira::AngleUnit unit) {
  static constexpr std::pair<std::string_view, AnswerKind> kKinds[] = {
      {"derive", AnswerKind::Derivative}, {"integrate", AnswerKind::Integral}, {"calc", AnswerKind::Value},
      {"at", AnswerKind::Value},          {"quadratic", AnswerKind::Roots},    {"roots", AnswerKind::Roots},
  };
  for (const auto& [name, kind] : kKinds) {
    if (name != op) continue;
    AnswerRequest request{kind, {}, {}, AngleUnit::Degree, {}, op == "quadratic"};
    if (unit == velsira::AngleUnit::Radians) request.unit = AngleUnit::Radian;
    if (unit == velsira::AngleUnit::Grads) request.unit = AngleUnit::Grad;
    return request;
  }
  return std::nullopt;
}

std::string_view StatusName(CheckStatus status) {
  switch (status) {
    case CheckStatus::Ok:
      return "ok";
    case CheckStatus::Wrong:
      return "wrong";
    case CheckStatus::Unknown:
      break;
  }
  return "unknown";
}

}  // namespace velsira::algebra
