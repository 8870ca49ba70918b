// cv-layout and cv-check: a new mini-CV sheet, opened as the editor opens it the first time, with
// scripted clicks, texts and commands applied in order; prints the sheet or the text-zone check.
#include <functional>
#include <iostream>
#include <variant>

#include "cli/command_table.h"
#include "cli/cv_layout_json.h"
#include "cli/json_writer.h"
#include "cli/screen_services.h"
#include "minicv/element_switching.h"
#include "minicv/element_table.h"
#include "minicv/font_layout.h"
#include "minicv/sheet_adjustments.h"
#include "minicv/zone_check.h"
#include "minicv/zone_layout.h"
#include "services/non_interactive_prompter.h"
#include "text/field_text.h"

namespace orvane::cli {

namespace {

using minicv::ControlId;
using minicv::CvSheet;
using minicv::noControl;

struct CvSession {
  CvSheet sheet;
  NonInteractivePrompter prompter;
  TextMetrics& metrics;
};

using CvStep = std::function<void(CvSession&)>;

// "\t" and "\n" as typed on a command line become a tab and a line break; "\\" a backslash.
std::string unescape(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[i + 1];
      if (next == 't' || next == 'n' || next == '\\') {
        result += next == 't' ? '\t' : next == 'n' ? '\n' : '\\';
        ++i;
        continue;
      }
    }
    result += text[i];
  }
  return result;
}

std::optional<int> numberIn(std::string_view text, int low, int high) {
  const auto number = tryParseInteger(text);
  if (!number || *number < low || *number > high) return std::nullopt;
  return number;
}

// The font a "NAME,SIZE[,biu]" step names.
std::optional<FontSpec> parseFont(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos || comma == 0) return std::nullopt;
  const std::size_t second = text.find(',', comma + 1);
  const auto size = numberIn(text.substr(comma + 1, second - comma - 1), 1, 200);
  if (!size) return std::nullopt;
  FontSpec font{std::string(text.substr(0, comma)), static_cast<std::int16_t>(*size), {}, 0};
  if (second == std::string_view::npos) return font;
  for (char flag : text.substr(second + 1)) {
    if (flag == 'b')
      font.style.bold = true;
    else if (flag == 'i')
      font.style.italic = true;
    else if (flag == 'u')
      font.style.underline = true;
    else
      return std::nullopt;
  }
  return font;
}

std::optional<minicv::AlignmentFrame> alignmentFrame(std::string_view name) {
  if (name == "align.etatcivil") return minicv::AlignmentFrame::PersonalDetails;
  if (name == "align.coordonnees") return minicv::AlignmentFrame::ContactDetails;
  if (name == "align.both") return minicv::AlignmentFrame::Both;
  return std::nullopt;
}

// The step one argument names, or the line that tells what is wrong with it.
std::variant<CvStep, std::string> parseStep(const std::string& argument) {
  if (argument == "defaut") return CvStep([](CvSession& s) { minicv::restoreDefaultFonts(s.sheet); });
  const std::size_t equals = argument.find('=');
  const std::string name = argument.substr(0, equals);
  const std::string value = equals == std::string::npos ? std::string() : argument.substr(equals + 1);
  const std::string wrong = "unknown step: " + argument;
  if (equals == std::string::npos) return wrong;

  if (name.starts_with("element.")) {
    const auto element = numberIn(name.substr(8), 0, minicv::elementCount - 1);
    const auto state = numberIn(value, 0, element == minicv::contactOptionElement ? 2 : 1);
    if (!element || !state || name.size() > 10)
      return wrong + " (element.0 to element.15 take 0 or 1; element.8 also 2)";
    return CvStep([=](CvSession& s) { minicv::switchElement(s.sheet, *element, *state); });
  }
  if (name.starts_with("zone.")) {
    const auto zone = numberIn(name.substr(5), 1, minicv::zoneCount);
    if (!zone || name.size() != 6) return wrong + " (zone.1 to zone.4)";
    return CvStep([=](CvSession& s) {
      minicv::setZoneText(
          s.sheet, *zone,
          RichText::fromPlainText(unescape(value), s.sheet[minicv::zoneNames(*zone).text].font));
    });
  }
  if (name.starts_with("field.")) {
    const std::string field = name.substr(6);
    const CvSheet probe;
    const ControlId id = probe.tree.find(field);
    if (id == noControl || probe.tree.at(id).kind != minicv::ControlKind::Edit)
      return wrong + " (no such field)";
    return CvStep([=](CvSession& s) { s.sheet[field].text = value; });
  }
  if (name == "formfont") {
    const auto font = parseFont(value);
    if (!font) return wrong + " (formfont=NAME,SIZE[,biu])";
    return CvStep([=](CvSession& s) { minicv::applyFormFont(s.sheet, *font, s.metrics); });
  }
  if (const auto frame = alignmentFrame(name))
    return CvStep([=](CvSession& s) { minicv::shiftAlignment(s.sheet, *frame, value); });
  if (name == "width" || name == "height") {
    const auto percent = numberIn(value, minicv::smallestPercentage, minicv::largestPercentage);
    if (!percent) return wrong + " (the percentages are 95 to 105)";
    if (name == "width")
      return CvStep([=](CvSession& s) { chooseWidthPercentage(s.sheet, *percent, s.prompter); });
    return CvStep([=](CvSession& s) { chooseHeightPercentage(s.sheet, *percent, s.prompter); });
  }
  if (name == "lang") {
    const auto language = languageOfCode(value);
    if (!language) return wrong + " (lang=fr, en or de)";
    return CvStep([=](CvSession& s) { s.sheet.caption(*language); });
  }
  return wrong;
}

struct CvOptions {
  Language language = Language::French;
  std::vector<CvStep> steps;
};

std::optional<std::string> parseOptions(const Arguments& args, CvOptions& options) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--lang") {
      const auto language = i + 1 < args.size() ? languageOfCode(args[++i]) : std::nullopt;
      if (!language) return "--lang takes fr, en or de";
      options.language = *language;
      continue;
    }
    auto step = parseStep(args[i]);
    if (const auto* problem = std::get_if<std::string>(&step)) return *problem;
    options.steps.push_back(std::get<CvStep>(std::move(step)));
  }
  return std::nullopt;
}

// Runs the steps on a sheet opened as the editor opens it the first time, then `report`.
int runOnSheet(const Arguments& args, const std::function<void(CvSession&, JsonWriter&)>& report) {
  CvOptions options;
  if (const auto problem = parseOptions(args, options)) return usageError(*problem);
  return withScreenServices([&](const ScreenServices& screen) {
    CvSession session{CvSheet(options.language), {}, screen.metrics};
    session.sheet.screen = &session.metrics;
    session.sheet.open(false);
    for (const CvStep& step : options.steps) step(session);
    // The labels as the editor shows them: as wide as their captions.
    minicv::fitLabelsToCaptions(session.sheet.tree, session.metrics);
    JsonWriter json;
    json.beginObject();
    report(session, json);
    json.key("messages");
    json.beginArray();
    for (const std::string& message : session.prompter.texts()) json.value(message);
    json.endArray();
    json.endObject();
    std::cout << json.text() << '\n';
    return 0;
  });
}

void writeControls(JsonWriter& json, const CvSheet& sheet) {
  json.key("controls");
  json.beginObject();
  for (ControlId id = 1; id < static_cast<ControlId>(sheet.tree.size()); ++id) {
    const minicv::Control& control = sheet.tree.at(id);
    json.key(control.name);
    json.beginObject();
    json.field("parent", sheet.tree.at(control.parent).name);
    json.field("left", control.left);
    json.field("top", control.top);
    json.field("width", control.width);
    json.field("height", control.height);
    json.field("visible", control.visible);
    json.field("text",
               control.kind == minicv::ControlKind::RichEdit ? control.richText.plainText() : control.text);
    json.endObject();
  }
  json.endObject();
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

void writeCvLayoutMembers(JsonWriter& json, const CvSheet& sheet) {
  json.field("elemstat", minicv::formatElementStates(sheet.state.elemstat));
  json.key("window");
  json.beginObject();
  json.field("width", sheet.window().width);
  json.field("height", sheet.window().height);
  json.endObject();
  writeControls(json, sheet);
}

int cvLayoutCommand(const Arguments& args) {
  return runOnSheet(args,
                    [](CvSession& session, JsonWriter& json) { writeCvLayoutMembers(json, session.sheet); });
}

int cvCheckCommand(const Arguments& args) {
  return runOnSheet(args, [](CvSession& session, JsonWriter& json) {
    json.key("zones");
    json.beginArray();
    for (const minicv::ZoneCheck& zone : minicv::checkZones(session.sheet, session.prompter)) {
      json.beginObject();
      json.field("zone", zone.zone);
      json.field("faulty", zone.line.has_value());
      json.key("line");
      if (zone.line)
        json.value(*zone.line);
      else
        json.null();
      json.key("schema");
      json.beginArray();
      if (zone.schema)
        for (const std::string& line : linesOf(zone.schema->plainText())) json.value(line);
      json.endArray();
      json.endObject();
    }
    json.endArray();
  });
}

}  // namespace orvane::cli
