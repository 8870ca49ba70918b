#pragma once
// One `Template` element of a label template file, as an XML reader hands it over: the attributes of
// the template, of its `Label-rectangle` and of each `Layout`, untouched.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/language.h"
#include "stock/card_stock.h"

namespace orvane {

using XmlAttributes = std::map<std::string, std::string, std::less<>>;

struct TemplateRecord {
  XmlAttributes attributes;
  std::vector<std::string> categories;  // of its `Meta` elements
  std::optional<XmlAttributes> rectangle;
  std::vector<XmlAttributes> layouts;  // those of the rectangle
  bool otherShape = false;             // a round, elliptic or disc label: not card stock
};

/// What became of a record: a template, the reason it was refused (in the interface language), or
/// neither when it is not card stock (another shape, a mere reference to another template, or, in the
/// system's database, a label that is not a business card).
struct StockReading {
  std::optional<CardStock> stock;
  std::string problem;
};

StockReading readCardStock(const TemplateRecord& record, StockSource source, Language language);

/// The message of a template refused in `file`: its file, then why.
std::string skippedTemplateMessage(Language language, const std::string& file, const std::string& problem);

/// The message of a template file that is not well-formed XML at `line`.
std::string badXmlProblem(Language language, long long line);

}  // namespace orvane
