#pragma once
// A card-stock template: a sheet of paper with a grid of card-sized cells, all lengths in millimetres
// from the paper's top-left corner. The sheet of twelve the program always printed is a template too,
// of its own kind: its grid follows the card.

#include <optional>
#include <string>
#include <vector>

#include "graphics/geometry.h"

namespace orvane {

/// Where a template was found.
enum class StockSource { BuiltIn, Shipped, User, System };

struct CardStock {
  std::string id;    // stable and lower-case, derived from the geometry ("a4-2x5-85x54")
  std::string name;  // as the print menu lists it
  SizeMm paper;
  SizeMm cell;  // the card size the stock is cut for; a card is centred in its cell
  int columns = 0;
  int rows = 0;
  PointMm origin;  // the first cell's top-left corner
  PointMm pitch;   // from one cell's corner to the next one's, across and down
  double cornerRadius = 0;
  StockSource source = StockSource::BuiltIn;
  /// The sheet of twelve: cards at their own size from the 5 mm margins, `columns` x `rows` for a
  /// vertical card (turned for a horizontal one), the card's spacing between them.
  bool followsCard = false;

  bool landscape() const { return paper.width > paper.height; }
  /// The top-left corner of the cell in `column` and `row`, from 0.
  PointMm cellCorner(int column, int row) const;
};

inline constexpr const char* orvaneSheetId = "a4-3x4-orvane";

/// The sheet of twelve, the template printed when none is chosen.
CardStock orvaneSheet();

/// The name of `source` in the templates list: "built-in", "shipped", "user" or "system".
const char* stockSourceName(StockSource source);

/// The id of a grid of `columns` x `rows` cells of `cellWidth` x `cellHeight` (written in the
/// template's own unit, "mm" or "in") on `paper`: "a4-2x5-85x54", "letter-2x5-3.5x2in".
std::string stockId(const SizeMm& paper, int columns, int rows, const std::string& cellSize);

/// `stocks` with each id made unique: a later template whose id is taken gets "-2", "-3"...
void makeIdsUnique(std::vector<CardStock>& stocks);

/// The template of id `id` among `stocks`, or nothing.
const CardStock* findStock(const std::vector<CardStock>& stocks, const std::string& id);

}  // namespace orvane
