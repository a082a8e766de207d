// The request protocol of velsira-batch. Texts arrive and leave as UTF-8 with
// "\n" line breaks; inside they are code page 1254 with CR LF.
#include "batch/BatchSession.h"

#include <functional>
#include <map>
#include <new>
#include <optional>
#include <stdexcept>

#include "app/model/Form1.h"
#include "app/model/RecordingPlatform.h"
#include "batch/OrdinaryNotation.h"
#include "engine/Cp1254.h"
#include "plot/PlotWindow.h"
#include "engine/Text.h"
#include "worklists/WorkForm.h"

namespace velsira {

using nlohmann::json;

struct BatchSession::State {
  TForm2 form2;
  RecordingPlatform recording;
  TForm1 form{form2, recording.platform};
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

}  // namespace

BatchSession::BatchSession() : state_(std::make_unique<State>()) {}
BatchSession::~BatchSession() = default;

json BatchSession::Handle(const json& request) {
  if (!request.is_object()) return {{"error", "a request must be a JSON object"}};
  if (!request.contains("op") || !request["op"].is_string())
    return {{"error", "a request needs an \"op\" field with a string value"}};
  const std::string op = request["op"].get<std::string>();

  if (op == "reset") state_ = std::make_unique<State>();
  State& s = *state_;
  TForm1& form = s.form;

  const std::map<std::string, std::function<void()>> handlers = {
      {"derive", [&] { form.Button1Click(); }},
      {"integrate", [&] { form.Button4Click(); }},
      {"calc", [&] { form.Button6Click(); }},
      {"at", [&] { form.Button24Click(); }},
      {"quadratic", [&] { form.Button2Click(); }},
      {"roots", [&] { form.Button39Click(); }},
      {"limit", [&] { form.Button18Click(); }},
      {"delta-epsilon", [&] { form.Button17Click(); }},
      {"plot", [&] { form.Button14Click(); }},
      {"clear", [&] { form.Button3Click(); }},
      {"hint", [&] { form.Button12Click(); }},
      {"reset", [] {}},
  };

  std::function<void()> handler;
  try {
    if (request.contains("trace") && !request["trace"].is_boolean())
      throw RequestError("field 'trace' must be true or false");
    if (op == "insert") {
      const std::string text = toEngineText(stringField(request, "text"));
      handler = [&form, text] { form.InsertText(text); };
    } else {
      auto it = handlers.find(op);
      if (it == handlers.end()) return {{"error", "unknown op '" + op + "'"}};
      handler = it->second;
    }

    if (request.contains("input")) {
      form.Memo1.SetText(toEngineText(stringField(request, "input")));
      form.Memo1.SetSelection(form.Memo1.Length(), 0);
    }
    if (request.contains("selection")) {
      const json& sel = request["selection"];
      if (!sel.is_array() || sel.size() != 2 || !sel[0].is_number_integer() || !sel[1].is_number_integer())
        throw RequestError("field 'selection' must be [start, length]");
      form.Memo1.SetSelection(sel[0].get<long>(), sel[1].get<long>());
    }
    if (request.contains("unit")) {
      const std::string unit = stringField(request, "unit");
      if (unit == "deg") form.RadioButton1Click();
      else if (unit == "rad") form.RadioButton2Click();
      else if (unit == "grad") form.RadioButton3Click();
      else throw RequestError("field 'unit' must be \"deg\", \"rad\" or \"grad\"");
    }
    if (request.contains("edit")) form.Edit1.Text = utf8ToCp1254(stringField(request, "edit"));
    s.recording.dialogs.answers.clear();
    if (request.contains("answers")) {
      const json& answers = request["answers"];
      if (!answers.is_array()) throw RequestError("field 'answers' must be an array");
      for (const json& a : answers) {
        if (a.is_null()) s.recording.dialogs.answers.emplace_back(std::nullopt);
        else if (a.is_string()) s.recording.dialogs.answers.emplace_back(utf8ToCp1254(a.get<std::string>()));
        else throw RequestError("every answer must be a string or null");
      }
    }
    if (request.contains("notation")) {
      const std::string notation = stringField(request, "notation");
      if (notation != "ordinary" && notation != "program")
        throw RequestError("field 'notation' must be \"ordinary\" or \"program\"");
    }
  } catch (const RequestError& e) {
    return {{"error", e.what()}};
  }

  s.recording.messages.messages.clear();
  s.recording.messages.error.reset();
  // Ordinary notation: the input is converted before the operation runs; a
  // text that cannot be read or converted runs nothing. The frame of
  // "limit" is the converted text itself.
  const bool ordinary = request.value("notation", "") == "ordinary" && ReadsInput(op);
  std::optional<NotationOutcome> notation;
  if (ordinary) {
    // The request's own text, which may hold signs the box's code page
    // has not (×, −, →, π, ⁴).
    const std::string source = request.contains("input") ? request["input"].get<std::string>() : toUtf8Lines(form.Memo1.Text());
    notation = ConvertForOp(op, source);
    if (notation->converted) {
      form.Memo1.SetText(toEngineText(*notation->converted));
      form.Memo1.SetSelection(form.Memo1.Length(), 0);
      if (op != "limit") form.Perform(handler);
    }
  } else {
    form.Perform(handler);
  }

  json response;
  const ResultBox& result = form.Memo2;
  response["result"] = cp1254ToUtf8(lineJoin(result.Lines()));
  const bool greek = result.DisplayCharset() == ResultBox::Charset::Greek;
  response["display"] = greek ? cp1253ToUtf8(lineJoin(result.Lines())) : cp1254ToUtf8(lineJoin(result.Lines()));
  response["charset"] = greek ? "greek" : "turkish";
  response["input"] = toUtf8Lines(form.Memo1.Text());
  response["selection"] = json::array({form.Memo1.SelStart(), form.Memo1.SelLength()});
  json messages = json::array();
  for (const auto& m : s.recording.messages.messages) messages.push_back(toUtf8Lines(m));
  response["messages"] = messages;
  response["error"] = s.recording.messages.error ? json(toUtf8Lines(*s.recording.messages.error)) : json(nullptr);
  if (notation) {
    response["converted"] = notation->converted ? json(*notation->converted) : json(nullptr);
    if (!notation->converted) response["error"] = notation->error;
  }
  response["windows"] = {{"plot", s.recording.plot.Visible()}, {"progress", s.recording.progress.Visible()}};
  const ProgressBar& bar = s.recording.progress.ProgressBar1;
  response["progress"] = {{"min", bar.Min()}, {"max", bar.Max()}, {"position", bar.Position()}};
  if (op == "plot") {
    // What the plot window's chart holds: the series in its order and the
    // axis ranges.
    const ChartModel& chart = s.recording.plot.Chart1();
    json points = json::array();
    for (const ChartPoint& p : chart.Points()) points.push_back(json::array({p.x, p.y}));
    response["points"] = std::move(points);
    response["axes"] = json::array(
        {chart.BottomAxis().min, chart.BottomAxis().max, chart.LeftAxis().min, chart.LeftAxis().max});
  }
  if (request.value("trace", false)) {
    json lists = json::array();
    for (int k = 1; k <= 15; ++k) {
      json lines = json::array();
      for (const auto& l : s.form2.memo(k).lines()) lines.push_back(toUtf8Lines(l));
      lists.push_back(lines);
    }
    response["worklists"] = lists;
  }
  return response;
}

std::string BatchSession::HandleLine(const std::string& line) {
  json request;
  try {
    request = json::parse(line);
  } catch (const json::exception& e) {
    return errorLine("not a JSON object: ", e.what());
  } catch (const std::bad_alloc&) {
    return errorLine("request too large", "");
  }
  try {
    return Handle(request).dump(-1, ' ', false, json::error_handler_t::replace);
  } catch (const json::exception& e) {
    return errorLine("malformed request: ", e.what());
  } catch (const std::bad_alloc&) {
    return errorLine("out of memory while answering the request", "");
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
    int c = buf.sbumpc();
    if (c == std::char_traits<char>::eof()) break;
    for (; c != std::char_traits<char>::eof() && c != '\n'; c = buf.sbumpc()) {
      if (line.size() < maxLine) line += static_cast<char>(c);
      else tooLong = true;
    }
    if (tooLong) {
      out << errorLine("request line longer than " + std::to_string(maxLine) + " bytes", "") << '\n' << std::flush;
      continue;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out << HandleLine(line) << '\n' << std::flush;
  }
}

}  // namespace velsira
