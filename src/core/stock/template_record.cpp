#include "stock/template_record.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "catalogue/catalogue.h"
#include "stock/length.h"
#include "text/field_text.h"

namespace orvane {

namespace {

constexpr int messageTemplateSkipped = 1242;
constexpr int messageUnknownUnit = 1243;
constexpr int messageMissingAttribute = 1244;
constexpr int messageInvalidValue = 1245;
constexpr int messageGridBeyondPage = 1246;
constexpr int messageBadXml = 1247;
// A grid may reach the paper's edge within this much, the rounding of a template written in inches.
constexpr double edgeTolerance = 0.01;
// More cells across or down than any card stock has: a file asking for them is wrong.
constexpr int mostCells = 100;

struct NamedPaper {
  std::string_view name;
  SizeMm size;
};

constexpr std::array namedPapers{NamedPaper{"A4", {210, 297}}, NamedPaper{"A5", {148, 210}},
                                 NamedPaper{"A3", {297, 420}}, NamedPaper{"US-Letter", {215.9, 279.4}},
                                 NamedPaper{"US-Legal", {215.9, 355.6}}};

// Reading a record stops at its first problem, which is kept here.
class RecordReader {
 public:
  explicit RecordReader(Language language) : language_(language) {}

  bool failed() const { return !problem_.empty(); }
  const std::string& problem() const { return problem_; }

  std::optional<double> length(const XmlAttributes& attributes, std::string_view name) {
    const std::string* text = attribute(attributes, name);
    if (!text) return std::nullopt;
    const LengthReading reading = readLength(*text);
    if (!reading.millimetres)
      fail(reading.problem == LengthProblem::UnknownUnit ? messageUnknownUnit : messageInvalidValue,
           std::string(name) + "=\"" + *text + "\"");
    return reading.millimetres;
  }

  std::optional<int> count(const XmlAttributes& attributes, std::string_view name) {
    const std::string* text = attribute(attributes, name);
    if (!text) return std::nullopt;
    const std::optional<int> value = tryParseInteger(*text);
    if (!value || *value < 1 || *value > mostCells)
      fail(messageInvalidValue, std::string(name) + "=\"" + *text + "\"");
    return value;
  }

  const std::string* attribute(const XmlAttributes& attributes, std::string_view name) {
    const auto found = attributes.find(name);
    if (found != attributes.end()) return &found->second;
    fail(messageMissingAttribute, std::string(name));
    return nullptr;
  }

  void fail(int id, const std::string& detail) {
    if (!failed()) problem_ = catalogue::text(language_, id) + detail;
  }

 private:
  Language language_;
  std::string problem_;
};

std::string lowered(std::string text) {
  std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string attributeOr(const XmlAttributes& attributes, std::string_view name) {
  const auto found = attributes.find(name);
  return found == attributes.end() ? std::string() : found->second;
}

// Databases meant for translation write the description as "_description".
std::string description(const XmlAttributes& attributes) {
  const std::string plain = attributeOr(attributes, "description");
  return plain.empty() ? attributeOr(attributes, "_description") : plain;
}

bool isBusinessCard(const TemplateRecord& record) {
  if (std::ranges::find(record.categories, "business-card") != record.categories.end()) return true;
  return lowered(description(record.attributes)).find("business card") != std::string::npos;
}

std::optional<SizeMm> paperSize(const TemplateRecord& record, RecordReader& reader) {
  const std::string* size = reader.attribute(record.attributes, "size");
  if (!size) return std::nullopt;
  for (const NamedPaper& paper : namedPapers)
    if (*size == paper.name) return paper.size;
  const auto width = reader.length(record.attributes, "width");
  const auto height = reader.length(record.attributes, "height");
  if (!width || !height) return std::nullopt;
  return SizeMm{*width, *height};
}

// "85x54" for a cell written in millimetres or points, "3.5x2in" for one written in inches.
std::string cellSizeText(const XmlAttributes& rectangle, const SizeMm& cell) {
  const bool inches =
      attributeOr(rectangle, "width").ends_with("in") && attributeOr(rectangle, "height").ends_with("in");
  if (inches) return decimalText(cell.width / mmPerInch) + "x" + decimalText(cell.height / mmPerInch) + "in";
  return decimalText(cell.width, 1) + "x" + decimalText(cell.height, 1);
}

std::string templateName(const XmlAttributes& attributes) {
  std::string maker = attributeOr(attributes, "name");
  if (maker.empty()) {
    maker = attributeOr(attributes, "brand");
    const std::string part = attributeOr(attributes, "part");
    if (!part.empty()) maker += (maker.empty() ? "" : " ") + part;
  }
  const std::string described = description(attributes);
  if (maker.empty() || described.empty()) return maker + described;
  return maker + " : " + described;
}

bool gridFits(const CardStock& stock) {
  const PointMm last = stock.cellCorner(stock.columns - 1, stock.rows - 1);
  return last.x + stock.cell.width <= stock.paper.width + edgeTolerance &&
         last.y + stock.cell.height <= stock.paper.height + edgeTolerance;
}

}  // namespace

StockReading readCardStock(const TemplateRecord& record, StockSource source, Language language) {
  if (record.attributes.contains("equiv") || (record.otherShape && !record.rectangle)) return {};
  if (source == StockSource::System && !isBusinessCard(record)) return {};
  RecordReader reader(language);
  if (!record.rectangle) {
    reader.fail(messageMissingAttribute, "Label-rectangle");
    return {std::nullopt, reader.problem()};
  }
  if (record.layouts.size() != 1) {
    reader.fail(record.layouts.empty() ? messageMissingAttribute : messageInvalidValue, "Layout");
    return {std::nullopt, reader.problem()};
  }
  const XmlAttributes& rectangle = *record.rectangle;
  const XmlAttributes& layout = record.layouts.front();
  CardStock stock;
  stock.source = source;
  stock.name = templateName(record.attributes);
  const auto paper = paperSize(record, reader);
  const auto width = reader.length(rectangle, "width");
  const auto height = reader.length(rectangle, "height");
  const auto columns = reader.count(layout, "nx");
  const auto rows = reader.count(layout, "ny");
  const auto x0 = reader.length(layout, "x0");
  const auto y0 = reader.length(layout, "y0");
  const auto dx = reader.length(layout, "dx");
  const auto dy = reader.length(layout, "dy");
  if (rectangle.contains("round")) stock.cornerRadius = reader.length(rectangle, "round").value_or(0);
  if (reader.failed()) return {std::nullopt, reader.problem()};
  stock.paper = *paper;
  stock.cell = {*width, *height};
  stock.columns = *columns;
  stock.rows = *rows;
  stock.origin = {*x0, *y0};
  stock.pitch = {*dx, *dy};
  if (!gridFits(stock)) {
    reader.fail(messageGridBeyondPage, "");
    return {std::nullopt, reader.problem()};
  }
  stock.id = stockId(stock.paper, stock.columns, stock.rows, cellSizeText(rectangle, stock.cell));
  return {stock, {}};
}

std::string skippedTemplateMessage(Language language, const std::string& file, const std::string& problem) {
  return catalogue::format(language, messageTemplateSkipped, file, problem);
}

std::string badXmlProblem(Language language, long long line) {
  return catalogue::text(language, messageBadXml) + std::to_string(line);
}

}  // namespace orvane
