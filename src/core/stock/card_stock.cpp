#include "stock/card_stock.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace orvane {

namespace {

constexpr SizeMm usLetter{215.9, 279.4};
// Paper sizes match within a hundredth of a millimetre.
constexpr double sameLength = 0.01;

bool samePaper(const SizeMm& paper, const SizeMm& named) {
  return std::abs(paper.width - named.width) < sameLength &&
         std::abs(paper.height - named.height) < sameLength;
}

std::string paperName(const SizeMm& paper) {
  if (samePaper(paper, a4Paper)) return "a4";
  if (samePaper(paper, usLetter)) return "letter";
  return std::to_string(std::lround(paper.width)) + "x" + std::to_string(std::lround(paper.height)) + "mm";
}

}  // namespace

PointMm CardStock::cellCorner(int column, int row) const {
  return {origin.x + column * pitch.x, origin.y + row * pitch.y};
}

CardStock orvaneSheet() {
  CardStock sheet;
  sheet.id = orvaneSheetId;
  sheet.name = "A4 3 × 4 (Orvane)";
  sheet.paper = a4Paper;
  sheet.columns = 4;
  sheet.rows = 3;
  sheet.origin = {5, 5};
  sheet.followsCard = true;
  return sheet;
}

const char* stockSourceName(StockSource source) {
  switch (source) {
    case StockSource::BuiltIn:
      return "built-in";
    case StockSource::Shipped:
      return "shipped";
    case StockSource::User:
      return "user";
    case StockSource::System:
      return "system";
  }
  return "";
}

std::string stockId(const SizeMm& paper, int columns, int rows, const std::string& cellSize) {
  return paperName(paper) + "-" + std::to_string(columns) + "x" + std::to_string(rows) + "-" + cellSize;
}

void makeIdsUnique(std::vector<CardStock>& stocks) {
  std::set<std::string> taken;
  for (CardStock& stock : stocks) {
    const std::string base = stock.id;
    for (int number = 2; taken.contains(stock.id); ++number) stock.id = base + "-" + std::to_string(number);
    taken.insert(stock.id);
  }
}

const CardStock* findStock(const std::vector<CardStock>& stocks, const std::string& id) {
  const auto found = std::ranges::find(stocks, id, &CardStock::id);
  return found == stocks.end() ? nullptr : &*found;
}

}  // namespace orvane
