#include "minicv/zone_check.h"

#include <algorithm>

#include "catalogue/catalogue.h"

namespace orvane::minicv {

namespace {

constexpr std::string_view tabMark = "1######8";
constexpr Colour red = 0x0000FF;
constexpr Colour silver = 0xC0C0C0;
constexpr Colour green = 0x008000;

FontSpec schemaFont(Colour colour, bool bold) {
  FontSpec font = RichText::defaultFormat();
  font.colour = colour;
  font.style.bold = bold;
  return font;
}

Paragraph paragraph(std::vector<TextRun> runs) {
  Paragraph result;
  for (TextRun& run : runs) appendRun(result.runs, std::move(run));
  return result;
}

// The line without its trailing spaces, each tab a green mark.
Paragraph expandedLine(std::string_view line, bool& printable) {
  while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
  Paragraph result;
  std::size_t start = 0;
  while (start <= line.size()) {
    const std::size_t tab = std::min(line.find('\t', start), line.size());
    const std::string_view piece = line.substr(start, tab - start);
    if (std::any_of(piece.begin(), piece.end(), [](char c) { return c >= 32 && c <= 126; })) printable = true;
    if (!piece.empty()) appendRun(result.runs, TextRun{std::string(piece), schemaFont(0, false)});
    if (tab == line.size()) break;
    appendRun(result.runs, TextRun{std::string(tabMark), schemaFont(green, true)});
    printable = true;
    start = tab + 1;
  }
  return result;
}

std::optional<int> firstFaultyLine(const Control& zone) {
  const auto& paragraphs = zone.richText.paragraphs();
  std::vector<int> signatures;
  for (std::size_t i = 0; i < std::min(paragraphs.size(), zoneCheckedLines); ++i) {
    std::string line;
    for (const TextRun& run : paragraphs[i].runs) line += run.text;
    signatures.push_back(tabSignature(line));
  }
  for (std::size_t k = 1; k < signatures.size(); ++k)
    for (std::size_t j = 0; j < k; ++j)
      if (signatures[k] > 0 && signatures[j] > 0 && signatures[k] != signatures[j])
        return static_cast<int>(k) + 1;
  return std::nullopt;
}

void collectZones(const ControlTree& tree, ControlId parent, std::vector<ControlId>& zones) {
  for (ControlId id : tree.children(parent)) {
    if (tree.at(id).kind == ControlKind::RichEdit) zones.push_back(id);
    if (tree.at(id).isContainer()) collectZones(tree, id, zones);
  }
}

}  // namespace

int tabSignature(std::string_view line) {
  int position = 0;
  int signature = 0;
  bool inRun = false;
  for (char c : line) {
    if (c == '\t') {
      signature += ++position;
      inRun = false;
    } else if (!inRun) {
      ++position;
      inRun = true;
    }
  }
  return signature;
}

RichText tabSchema(const Control& zone) {
  RichText schema;
  auto& paragraphs = schema.paragraphs();
  paragraphs.clear();
  paragraphs.push_back(paragraph(
      {{"Shéma des tabulations de la zone : ", schemaFont(0, true)}, {zone.hint, schemaFont(red, false)}}));
  const auto& lines = zone.richText.paragraphs();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string line;
    for (const TextRun& run : lines[i].runs) line += run.text;
    bool printable = false;
    Paragraph expanded = expandedLine(line, printable);
    if (!printable) continue;
    paragraphs.push_back(paragraph({{"ligne " + std::to_string(i + 1) + " : ", schemaFont(silver, true)}}));
    paragraphs.push_back(std::move(expanded));
  }
  return schema;
}

std::vector<ZoneCheck> checkZones(const CvSheet& sheet, Prompter& prompter,
                                  const std::function<void(const RichText&)>& showSchema) {
  std::vector<ControlId> zones;
  collectZones(sheet.tree, sheet.tree.find("GroupBox5"), zones);
  const Language language = sheet.state.language;
  std::vector<ZoneCheck> results;
  for (std::size_t i = 0; i < zones.size(); ++i) {
    const Control& zone = sheet.tree.at(zones[i]);
    ZoneCheck result{static_cast<int>(i) + 1, firstFaultyLine(zone), std::nullopt};
    if (result.line) {
      prompter.show(MessageKind::Warning,
                    catalogue::text(language, 124) + zone.hint + catalogue::text(language, 125));
      if (prompter.show(MessageKind::Confirmation, catalogue::text(language, 126), Buttons::YesNo) ==
          Answer::Yes) {
        result.schema = tabSchema(zone);
        if (showSchema) showSchema(*result.schema);
      }
    }
    results.push_back(std::move(result));
  }
  return results;
}

}  // namespace orvane::minicv
