#include "html/placer.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "html/form2html.h"
#include "html/markup.h"
#include "services/prompter.h"

namespace orvane::html {

namespace {

constexpr int cellSize = 4;

// Merges the grid's bands along one axis: a merged line ends where some band across meets an element
// other than the one it started with. `cell(i, a)` is the cell of band i along and band a across;
// `edges` are the grid lines where the bands along start. Each element first met at the start of a
// merged line is handed to `firstMet` with that merged line's index. Linear in cells: for every cell,
// the index of the next cell holding another element is computed once, from the end of its band.
template <typename Cell, typename FirstMet>
std::vector<int> mergeLines(const std::vector<int>& edges, int across, Cell cell, FirstMet firstMet) {
  const int along = static_cast<int>(edges.size()) - 1;
  std::vector<int> stop(static_cast<std::size_t>(along) * static_cast<std::size_t>(across));
  auto stopAt = [&](int a, int i) -> int& {
    return stop[static_cast<std::size_t>(a) * static_cast<std::size_t>(along) + static_cast<std::size_t>(i)];
  };
  for (int a = 0; a < across; ++a) {
    int next = along;  // the nearest cell further on that holds an element
    for (int i = along - 1; i >= 0; --i) {
      THControl* element = cell(i, a);
      if (next == along)
        stopAt(a, i) = along;
      else if (!element || cell(next, a) != element)
        stopAt(a, i) = next;
      else
        stopAt(a, i) = stopAt(a, next);
      if (element) next = i;
    }
  }
  std::vector<int> merged;
  std::unordered_set<THControl*> met;
  for (int i = 0; i < along;) {
    int step = along - i;
    for (int a = 0; a < across; ++a) step = std::min(step, stopAt(a, i) - i);
    for (int a = 0; a < across; ++a)
      if (THControl* element = cell(i, a); element && met.insert(element).second)
        firstMet(element, static_cast<int>(merged.size()));
    merged.push_back((edges[static_cast<std::size_t>(i + step)] - edges[static_cast<std::size_t>(i)]) *
                     cellSize);
    i += step;
  }
  return merged;
}

// The grid lines where the rectangles' bands start, with 0 and `end`, in order.
std::vector<int> bandEdges(std::vector<int> edges, int end) {
  edges.push_back(0);
  edges.push_back(end);
  std::ranges::sort(edges);
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  return edges;
}

// The band of `edges` that starts at grid line `line`.
int bandAt(const std::vector<int>& edges, int line) {
  return static_cast<int>(std::ranges::lower_bound(edges, line) - edges.begin());
}

// The number of merged lines from `start` on that `length` pixels take, at least one.
int spanOf(const std::vector<int>& merged, int start, int length) {
  int span = 0;
  for (int k = start, sum = 0; k < static_cast<int>(merged.size()); ++k) {
    sum += merged[static_cast<std::size_t>(k)];
    ++span;
    if (sum >= length) break;
  }
  return std::max(span, 1);
}

// A label is written against its right edge when the field it captions lies wholly to its right
// and the page keeps the browser's own font, whose widths differ from the form's.
bool alignsRight(const THControl& element) {
  const minicv::Control& control = element.source();
  if (element.owner().SetFonts || control.kind != minicv::ControlKind::Label || control.focusControl.empty())
    return false;
  const minicv::ControlId focus = element.owner().tree().find(control.focusControl);
  return focus != minicv::noControl && element.owner().tree().at(focus).left >= control.left + control.width;
}

// A group box's caption takes the top of its client area.
int captionTopOf(const THControl& container) {
  return container.elementClass() == ElementClass::THGroupBox ? 10 : 0;
}

}  // namespace

std::optional<GridCells> cellsOf(const THControl& container, const THControl& child, int width, int height) {
  const minicv::Control& control = child.source();
  const bool rightAligned = alignsRight(child);
  long long x = control.left;
  long long y = static_cast<long long>(control.top) - captionTopOf(container);
  // A disabled edit is written as text, which sits lower and further in than the field's frame.
  if (child.elementClass() == ElementClass::THEdit && !control.enabled) x += 4, y += 4;
  if (rightAligned) x += control.width;
  GridCells cells{boundedPosition(x) / cellSize, boundedPosition(y) / cellSize,
                  ceilDiv(boundedExtent(width), cellSize), ceilDiv(boundedExtent(height), cellSize)};
  if (rightAligned) cells.column = std::max(cells.column - cells.columns, 0);
  if (cells.column < 0) cells.columns += cells.column, cells.column = 0;
  if (cells.row < 0) cells.rows += cells.row, cells.row = 0;
  if (cells.columns <= 0 || cells.rows <= 0) return std::nullopt;
  return cells;
}

THPlacer::THPlacer(THControl& container) : container_(container) {
  const minicv::Control& source = container.source();
  columns_ = ceilDiv(boundedExtent(source.width), cellSize);
  rows_ = ceilDiv(boundedExtent(static_cast<long long>(source.height) - captionTopOf(container)), cellSize);
  struct Rectangle {
    THControl* element;
    GridCells cells;
  };
  std::vector<Rectangle> rectangles;
  for (auto& child : container.children) {
    if (!child->source().visible) continue;
    const auto [w, h] = GetSize(*child);
    child->rightAligned = alignsRight(*child);
    const std::optional<GridCells> cells = cellsOf(container, *child, w, h);
    if (!cells) continue;
    rectangles.push_back({child.get(), *cells});
    sizes_.push_back({child.get(), w, h});
    columns_ = std::max(columns_, cells->column + cells->columns);
    rows_ = std::max(rows_, cells->row + cells->rows);
  }
  std::vector<int> columnLines;
  std::vector<int> rowLines;
  for (const auto& [element, r] : rectangles) {
    columnLines.insert(columnLines.end(), {r.column, r.column + r.columns});
    rowLines.insert(rowLines.end(), {r.row, r.row + r.rows});
  }
  columnEdges_ = bandEdges(std::move(columnLines), columns_);
  rowEdges_ = bandEdges(std::move(rowLines), rows_);
  const std::size_t columnBands = columnEdges_.size() - 1;
  grid_.assign((rowEdges_.size() - 1) * columnBands, nullptr);
  // Later controls are laid over earlier ones.
  for (const auto& [element, r] : rectangles) {
    const int firstColumn = bandAt(columnEdges_, r.column);
    const int endColumn = bandAt(columnEdges_, r.column + r.columns);
    for (int band = bandAt(rowEdges_, r.row), end = bandAt(rowEdges_, r.row + r.rows); band < end; ++band)
      std::fill(grid_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(band) * columnBands) +
                    firstColumn,
                grid_.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(band) * columnBands) +
                    endColumn,
                element);
  }
}

std::string THPlacer::layoutTable() {
  std::vector<THControl*> placed;
  const int rowBands = static_cast<int>(rowEdges_.size()) - 1;
  const int columnBands = static_cast<int>(columnEdges_.size()) - 1;
  const std::vector<int> widths = mergeLines(
      columnEdges_, rowBands, [this](int i, int a) { return cell(a, i); },
      [&](THControl* element, int merged) {
        element->startColumn = merged;
        placed.push_back(element);
      });
  const std::vector<int> heights = mergeLines(
      rowEdges_, columnBands, [this](int i, int a) { return cell(i, a); },
      [](THControl* element, int merged) { element->startRow = merged; });
  std::unordered_map<THControl*, std::pair<int, int>> size;
  for (const Placed& p : sizes_) size[p.element] = {p.width, p.height};
  const int mergedColumns = static_cast<int>(widths.size());
  const int mergedRows = static_cast<int>(heights.size());
  std::vector<THControl*> starts(static_cast<std::size_t>(mergedRows) *
                                 static_cast<std::size_t>(mergedColumns));
  for (THControl* element : placed) {
    element->columnSpan = spanOf(widths, element->startColumn, size[element].first);
    element->rowSpan = spanOf(heights, element->startRow, size[element].second);
    element->rendered = false;
    THControl*& start =
        starts[static_cast<std::size_t>(element->startRow * mergedColumns + element->startColumn)];
    if (!start) start = element;
  }

  TWHForm2HTML& converter = container_.owner();
  std::vector<char> covered(starts.size(), 0);
  std::string table = "<TABLE" + BGColorAttr(converter) + " Cellspacing=\"0\" Cellpadding=\"0\">";
  for (int i = 0; i < mergedRows; ++i) {
    table += "\n<TR>";
    int deferred = 0;
    for (int k = 0; k < mergedColumns; ++k) {
      const auto at = static_cast<std::size_t>(i * mergedColumns + k);
      if (covered[at]) continue;
      const std::string height =
          k == 0 ? " Height=\"" + std::to_string(heights[static_cast<std::size_t>(i)]) + "\"" : "";
      const std::string width =
          i == 0 ? " Width=\"" + std::to_string(widths[static_cast<std::size_t>(k)]) + "\"" : "";
      THControl* element = starts[at];
      if (!element) {
        // Empty cells inside the table are only written when a control follows them in the row.
        if (i == 0 || k == 0)
          table += (i == 0 ? "\n" : "") + std::string("<TD") + height + width + "></TD>";
        else
          ++deferred;
        continue;
      }
      for (; deferred > 0; --deferred) table += "<TD></TD>";
      table += (k > 0 || i == 0 ? "\n" : "") + std::string("<TD") + height + width;
      if (element->columnSpan > 1) table += " Colspan=\"" + std::to_string(element->columnSpan) + "\"";
      if (element->rowSpan > 1) table += " Rowspan=\"" + std::to_string(element->rowSpan) + "\"";
      if (element->rightAligned)
        table += " Align=\"right\" VAlign=\"top\"";
      else if (element->elementClass() == ElementClass::THLabel)
        table += " Align=\"left\" VAlign=\"bottom\"";
      else
        table += " Align=\"left\" VAlign=\"top\"";
      table += ">";
      if (converter.OnBeforeRendering) converter.OnBeforeRendering(element->control(), *element);
      std::string markup = Render(*element);
      if (converter.OnRendering) converter.OnRendering(element->control(), *element, markup);
      table += markup;
      if (converter.OnAfterRendering) converter.OnAfterRendering(element->control(), *element);
      table += "</TD>";
      for (int r = i; r < std::min(i + element->rowSpan, mergedRows); ++r)
        std::fill_n(covered.begin() + r * mergedColumns + k, std::min(element->columnSpan, mergedColumns - k),
                    1);
      element->rendered = true;
    }
    table += "</TR>";
  }
  table += "\n</TABLE>\n";

  std::string lost;
  for (THControl* element : placed)
    if (!element->rendered) lost += "- " + element->GetName() + "\n";
  if (!lost.empty())
    converter.prompter().show(
        MessageKind::Warning,
        "The following controls couldn't be rendered\nbecause overlapped in the target form :\n" + lost +
            "Some controls are too close together in the source form.\nSpread them and try again...",
        Buttons::Ok, 0, "Lost controls");
  return table;
}

}  // namespace orvane::html
