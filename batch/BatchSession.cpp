// The request protocol of velsira-batch. Texts arrive and leave as UTF-8 with
// "\n" line breaks; inside they are code page 1254 with CR LF.
#include "batch/BatchSession.h"

#include <climits>
#include <cstring>
#include <functional>
#include <new>
#include <optional>
#include <stdexcept>

#include "algebra/Answer.h"
#include "algebra/Reader.h"
#include "batch/OrdinaryNotation.h"
#include "model/Form1.h"
#include "model/Operations.h"
#include "model/RecordingPlatform.h"
#include "engine/Cp1254.h"
#include "engine/Messages.h"
#include "model/PlotWindow.h"
#include "engine/Text.h"
#include "worklists/WorkForm.h"

namespace velsira {

using nlohmann::json;

struct BatchSession::State {
  TForm2 form2;
  RecordingPlatform recording;
  TForm1 form{form2, recording.platform};
  State() { recording.plot.Chart1().SetExactLimit(kExactPlotPoints); }
};

namespace {

// A malformed request: answered with {"error": text}.
struct RequestError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Any line break ("\n", "\r\n" or a lone "\r") becomes the box's CR LF.
std::string toEngineText(const std::string& utf8) {
  const std::string lines = replaceAll(replaceAll(utf8ToCp1254(utf8), "\r\n", "\n"), "\r", "\n");
  return replaceAll(lines, "\n", "\r\n");
}

// A CR LF, or a CR the cuts left alone, leaves as "\n".
std::string toUtf8Lines(const std::string& engineText) {
  return cp1254ToUtf8(replaceAll(replaceAll(engineText, "\r\n", "\n"), "\r", "\n"));
}

std::string lineJoin(const std::vector<std::string>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) out += '\n';
    out += lines[i];
  }
  return out;
}

const std::string& stringField(const json& request, const char* name) {
  const auto it = request.find(name);
  if (it == request.end() || !it->is_string())
    throw RequestError(std::string("field '") + name + "' must be a string");
  return it->get_ref<const std::string&>();
}

// The error line for a request that could not be answered. A library's
// message may quote the request; only its beginning is kept.
std::string errorLine(const std::string& what, const std::string& detail) {
  constexpr size_t kDetailLimit = 200;
  std::string text = what + detail.substr(0, kDetailLimit);
  if (detail.size() > kDetailLimit) text += "...";
  // The detail may hold broken UTF-8 of the request: replaced, never thrown.
  return json{{"error", text}}.dump(-1, ' ', false, json::error_handler_t::replace);
}

// The string a field holds.
const std::string& stringValue(const json& value, const char* name) {
  if (!value.is_string()) throw RequestError(std::string("field '") + name + "' must be a string");
  return value.get_ref<const std::string&>();
}

// The click handler an operation runs; "insert" inserts the request's text
// and "reset" (done before) runs nothing.
std::function<void()> handlerFor(const json& request, const std::string& op, TForm1& form) {
  if (op == "insert") {
    const std::string text = toEngineText(stringField(request, "text"));
    return [&form, text] { form.InsertText(text); };
  }
  if (op == "reset") return [] {};
  const Operation* operation = findOperation(op);
  if (!operation) throw RequestError("unknown op '" + op + "'");
  return [&form, click = operation->click] { (form.*click)(); };
}

void applyInput(const json& value, TForm1& form, ScriptedDialogs&) {
  form.Memo1.SetText(toEngineText(stringValue(value, "input")));
  form.Memo1.SetSelection(form.Memo1.Length(), 0);
}

// A selection inside the input box: 0 <= start, 0 <= length and
// start + length <= the box's length. A number beyond the signed 64-bit
// range (such as 18446744073709551615) is outside, never read as negative.
void applySelection(const json& sel, TForm1& form, ScriptedDialogs&) {
  if (!sel.is_array() || sel.size() != 2 || !sel[0].is_number_integer() || !sel[1].is_number_integer())
    throw RequestError("field 'selection' must be [start, length]");
  const long length = form.Memo1.Length();
  const auto inside = [length](const json& n) {
    if (n.is_number_unsigned()) return n.get<unsigned long long>() <= static_cast<unsigned long long>(length);
    const long long v = n.get<long long>();
    return v >= 0 && v <= length;
  };
  if (!inside(sel[0]) || !inside(sel[1]) || sel[0].get<long long>() + sel[1].get<long long>() > length)
    throw RequestError("field 'selection' lies outside the input box of " + std::to_string(length) +
                       " characters");
  form.Memo1.SetSelection(sel[0].get<long>(), sel[1].get<long>());
}

void applyUnit(const json& value, TForm1& form, ScriptedDialogs&) {
  const std::string& unit = stringValue(value, "unit");
  if (unit == "deg") form.RadioButton1Click();
  else if (unit == "rad") form.RadioButton2Click();
  else if (unit == "grad") form.RadioButton3Click();
  else throw RequestError("field 'unit' must be \"deg\", \"rad\" or \"grad\"");
}

void applyEdit(const json& value, TForm1& form, ScriptedDialogs&) {
  form.Edit1.Text = utf8ToCp1254(stringValue(value, "edit"));
}

void applyAnswers(const json& answers, TForm1&, ScriptedDialogs& dialogs) {
  if (!answers.is_array()) throw RequestError("field 'answers' must be an array");
  for (const json& a : answers) {
    if (a.is_null()) dialogs.answers.emplace_back(std::nullopt);
    else if (a.is_string()) dialogs.answers.emplace_back(utf8ToCp1254(a.get<std::string>()));
    else throw RequestError("every answer must be a string or null");
  }
}

// A request field that sets up the program state before the operation runs.
struct RequestField {
  const char* name;
  void (*apply)(const json& value, TForm1& form, ScriptedDialogs& dialogs);
};

// The fields in the order they apply; a missing field leaves its part of
// the state as the previous request left it.
constexpr RequestField kRequestFields[] = {
    {"input", applyInput}, {"selection", applySelection}, {"unit", applyUnit},
    {"edit", applyEdit},   {"answers", applyAnswers},
};

// Applies the request's fields in order; the dialogs answer only what this
// request gives them.
void applyFields(const json& request, TForm1& form, ScriptedDialogs& dialogs) {
  dialogs.answers.clear();
  // The record of asked dialogs is the tests' view of one operation; a
  // session keeps none of it from one request to the next.
  dialogs.asked.clear();
  for (const RequestField& field : kRequestFields) {
    const auto it = request.find(field.name);
    if (it != request.end()) field.apply(*it, form, dialogs);
  }
}

// "notation": "ordinary" reads the input (the request's own text, which may
// hold signs the box's code page has not: ×, −, π, ⁴) as ordinary notation
// and puts it into the box converted into the operation's syntax. nullopt
// when the request asks for no conversion or op reads no input.
std::optional<NotationOutcome> applyNotation(const json& request, const std::string& op, TForm1& form) {
  const auto it = request.find("notation");
  if (it == request.end()) return std::nullopt;
  const std::string& notation = stringValue(*it, "notation");
  if (notation != "ordinary" && notation != "program")
    throw RequestError("field 'notation' must be \"ordinary\" or \"program\"");
  if (notation != "ordinary" || !ReadsInput(op)) return std::nullopt;
  const std::string source =
      request.contains("input") ? request["input"].get<std::string>() : toUtf8Lines(form.Memo1.Text());
  NotationOutcome outcome = ConvertForOp(op, source);
  if (outcome.converted) {
    form.Memo1.SetText(toEngineText(*outcome.converted));
    form.Memo1.SetSelection(form.Memo1.Length(), 0);
  }
  return outcome;
}

// The text an ordinary input ran on, or the message why nothing ran.
void writeNotation(json& response, const NotationOutcome& notation) {
  response["converted"] = notation.converted ? json(*notation.converted) : json(nullptr);
  if (!notation.converted) response["error"] = response["error_tr"] = notation.error;
}

// Whether the request asks for the simplified answer and its check.
bool asksSimplify(const json& request) {
  const auto it = request.find("simplify");
  if (it == request.end()) return false;
  if (!it->is_boolean()) throw RequestError("field 'simplify' must be true or false");
  return it->get<bool>();
}

// The simplified answer of op's result and its check against the input the
// operation ran on: "simplified" (display style, or null), "plain" and
// "check" {"status", "detail"}.
void writeSimplified(json& response, const std::string& op, const std::string& input, TForm1& form) {
  std::optional<algebra::AnswerRequest> request = algebra::AnswerRequestFor(op, form.Area().Unit());
  algebra::Answer answer{std::nullopt, "", {algebra::CheckStatus::Unknown, "bu işlemin sonucu sadeleştirilmez"}};
  if (request && !response["error"].is_null()) {
    answer.check.detail = "işlem bir hatayla bitti; sadeleştirilecek sonuç yok";
  } else if (request) {
    request->input = input;
    request->result = response["result"].get<std::string>();
    if (op == "at") request->atValue = cp1254ToUtf8(form.Edit1.Text);
    answer = algebra::SimplifyAndCheck(*request, [](std::string_view text) { return algebra::PlainOf(text); });
  }
  response["simplified"] = answer.simplified ? json(*answer.simplified) : json(nullptr);
  response["plain"] = answer.plain;
  response["check"] = {{"status", algebra::StatusName(answer.check.status)}, {"detail", answer.check.detail}};
}

// The result box and the input box after the operation.
void writeBoxes(json& response, TForm1& form) {
  const ResultBox& result = form.Memo2;
  response["result"] = cp1254ToUtf8(lineJoin(result.Lines()));
  const bool greek = result.DisplayCharset() == ResultBox::Charset::Greek;
  response["display"] = greek ? cp1253ToUtf8(lineJoin(result.Lines())) : cp1254ToUtf8(lineJoin(result.Lines()));
  response["charset"] = greek ? "greek" : "turkish";
  response["input"] = toUtf8Lines(form.Memo1.Text());
  response["selection"] = json::array({form.Memo1.SelStart(), form.Memo1.SelLength()});
}

// What the windowing side showed: message boxes, the error box, the windows
// and the progress bar.
void writeWindows(json& response, const RecordingPlatform& recording) {
  json messages = json::array();
  for (const auto& m : recording.messages.messages) messages.push_back(toUtf8Lines(m));
  response["messages"] = messages;
  response["error"] = recording.messages.error ? json(toUtf8Lines(*recording.messages.error)) : json(nullptr);
  response["error_tr"] =
      recording.messages.error ? json(toUtf8Lines(TurkishMessage(*recording.messages.error))) : json(nullptr);
  response["windows"] = {{"plot", recording.plot.Visible()}, {"progress", recording.progress.Visible()}};
  const ProgressBar& bar = recording.progress.ProgressBar1;
  response["progress"] = {{"min", bar.Min()}, {"max", bar.Max()}, {"position", bar.Position()}};
}

// The axis ranges of the plot window's chart and the x it left out as
// undefined (the first ChartModel::kUndefinedListed of them).
void writeAxes(json& response, const ChartModel& chart) {
  response["axes"] = json::array(
      {chart.BottomAxis().min, chart.BottomAxis().max, chart.LeftAxis().min, chart.LeftAxis().max});
  response["undefined"] = chart.Undefined();
  if (chart.UndefinedCount() > chart.Undefined().size()) response["undefined_count"] = chart.UndefinedCount();
}

// The fifteen work lists, each as its lines.
json workLists(TForm2& form2) {
  json lists = json::array();
  for (int k = 1; k <= 15; ++k) {
    json lines = json::array();
    for (const auto& l : form2.memo(k).lines()) lines.push_back(toUtf8Lines(l));
    lists.push_back(lines);
  }
  return lists;
}

// Why a JSON text is refused before it is parsed, or an empty text: arrays
// and objects nested deeper than kMaxNesting levels, or more than kMaxValues
// values (counted by their separators; brackets and commas inside strings do
// not count). So no large or deep tree is ever built from a request.
std::string refusedShape(const std::string& text) {
  size_t depth = 0, values = 1;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\') ++i;
      else if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > kMaxNesting) return "JSON nested deeper than " + std::to_string(kMaxNesting) + " levels";
      ++values;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    } else if (c == ',' && ++values > kMaxValues) {
      return "a request of more than " + std::to_string(kMaxValues) + " JSON values";
    }
  }
  return {};
}

// Appends the chart's series to the JSON object text out: "points" as [x, y]
// pairs in series order, and "points_reduced" when the chart kept only the
// extremes of each column. Each number is written as the library writes it.
void appendPoints(std::string& out, const ChartModel& chart) {
  out.pop_back();  // the closing brace
  out += ",\"points\":[";
  json number;
  bool first = true;
  for (const ChartPoint& p : chart.Points()) {
    out += first ? "[" : ",[";
    first = false;
    number = p.x;
    out += number.dump();
    out += ',';
    number = p.y;
    out += number.dump();
    out += ']';
  }
  out += ']';
  if (chart.Reduced()) out += ",\"points_reduced\":true";
  out += '}';
}

}  // namespace

const char* const BatchSession::kOutOfMemoryLine =
    "{\"error\":\"bellek yetersiz: istek yanıtlanamadı, bir sonraki istek yanıtlanır\"}";

BatchSession::BatchSession() : state_(std::make_unique<State>()) {}
BatchSession::~BatchSession() = default;

json BatchSession::Handle(const json& request) { return Respond(request, true); }

json BatchSession::Respond(const json& request, bool withPoints) {
  if (!request.is_object()) return {{"error", "a request must be a JSON object"}};
  if (!request.contains("op") || !request["op"].is_string())
    return {{"error", "a request needs an \"op\" field with a string value"}};
  const std::string op = request["op"].get<std::string>();
  if (op == "reset") state_ = std::make_unique<State>();
  State& s = *state_;

  std::function<void()> handler;
  std::optional<NotationOutcome> notation;
  bool simplify = false;
  try {
    if (request.contains("trace") && !request["trace"].is_boolean())
      throw RequestError("field 'trace' must be true or false");
    handler = handlerFor(request, op, s.form);
    applyFields(request, s.form, s.recording.dialogs);
    notation = applyNotation(request, op, s.form);
    simplify = asksSimplify(request);
  } catch (const RequestError& e) {
    return {{"error", e.what()}};
  }
  // A text that cannot be converted runs nothing but the clearing every
  // operation starts with, so no earlier result stands beside its error;
  // the frame of "limit" is the converted text itself.
  const std::string input = toUtf8Lines(s.form.Memo1.Text());
  if (!notation || (notation->converted && op != "limit")) Run(handler);
  else if (!notation->converted) Run([&form = s.form] { form.Button3Click(); });
  else Run({});
  json response = Response(request, op);
  if (withPoints && op == "plot") {
    const ChartModel& chart = s.recording.plot.Chart1();
    json points = json::array();
    for (const ChartPoint& p : chart.Points()) points.push_back(json::array({p.x, p.y}));
    response["points"] = std::move(points);
    if (chart.Reduced()) response["points_reduced"] = true;
  }
  if (notation) writeNotation(response, *notation);
  if (simplify) writeSimplified(response, op, input, s.form);
  return response;
}

void BatchSession::Run(const std::function<void()>& handler) {
  State& s = *state_;
  s.recording.messages.messages.clear();
  s.recording.messages.error.reset();
  if (!handler) return;
  // The window shows running out of memory in its error box; here the
  // request is answered with the out-of-memory line instead.
  bool outOfMemory = false;
  s.form.Perform([&handler, &outOfMemory] {
    try {
      handler();
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
      throw;
    }
  });
  if (outOfMemory) throw std::bad_alloc();
}

json BatchSession::Response(const json& request, const std::string& op) {
  State& s = *state_;
  json response;
  writeBoxes(response, s.form);
  writeWindows(response, s.recording);
  if (op == "plot") writeAxes(response, s.recording.plot.Chart1());
  if (request.value("trace", false)) response["worklists"] = workLists(s.form2);
  return response;
}

std::string BatchSession::HandleLine(const std::string& line) {
  try {
    return AnswerLine(line);
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryLine;
  }
}

std::string BatchSession::AnswerLine(const std::string& line) {
  const std::string refused = refusedShape(line);
  if (!refused.empty()) return errorLine(refused, "");
  json request;
  try {
    request = json::parse(line);
  } catch (const json::exception& e) {
    return errorLine("not a JSON object: ", e.what());
  }
  try {
    json response = Respond(request, false);
    // The series is written straight into the line, never held as a tree.
    const bool plotted = response.contains("axes");
    std::string out = response.dump(-1, ' ', false, json::error_handler_t::replace);
    if (plotted) appendPoints(out, state_->recording.plot.Chart1());
    return out;
  } catch (const json::exception& e) {
    return errorLine("malformed request: ", e.what());
  } catch (const std::bad_alloc&) {
    throw;
  } catch (const std::exception& e) {
    return errorLine("request failed: ", e.what());
  }
}

void BatchSession::Serve(std::istream& in, std::ostream& out, std::size_t maxLine) {
  std::streambuf& buf = *in.rdbuf();
  std::string line;
  while (true) {
    line.clear();
    bool tooLong = false;
    bool noMemory = false;
    int c = buf.sbumpc();
    if (c == std::char_traits<char>::eof()) break;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = buf.sbumpc()) {
      if (line.size() >= maxLine) tooLong = true;
      else if (!noMemory) {
        try {
          line += static_cast<char>(c);
        } catch (const std::bad_alloc&) {
          noMemory = true;  // read to its end, not kept
          std::string().swap(line);
        }
      }
    }
    if (tooLong) {
      out << errorLine("request line longer than " + std::to_string(maxLine) + " bytes", "") << '\n' << std::flush;
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    writeAnswer(out, noMemory ? std::string() : line, noMemory);
  }
}

void BatchSession::writeAnswer(std::ostream& out, const std::string& line, bool noMemory) {
  if (!noMemory) {
    try {
      const std::string answer = HandleLine(line);
      out << answer << '\n' << std::flush;
      return;
    } catch (const std::bad_alloc&) {
    }
  }
  out.write(kOutOfMemoryLine, static_cast<std::streamsize>(std::strlen(kOutOfMemoryLine)));
  out << '\n' << std::flush;
}

}  // namespace velsira
