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

// Merges the grid lines along one axis: a merged line ends where some line across meets an element
// other than the one it started with. `cell(i, a)` is the cell at index i along line a. Each element
// first met at the start of a merged line is handed to `firstMet` with that merged line's index.
// Linear in cells: for every cell, the index of the next cell holding another element is computed
// once, from the end of its line.
template <typename Cell, typename FirstMet>
std::vector<int> mergeLines(int along, int across, Cell cell, FirstMet firstMet) {
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
    merged.push_back(step * cellSize);
    i += step;
  }
  return merged;
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

}  // namespace

THPlacer::THPlacer(THControl& container) : container_(container) {
  const minicv::Control& source = container.source();
  const bool groupBox = container.elementClass() == ElementClass::THGroupBox;
  // A group box's caption takes the top of its client area.
  const int captionTop = groupBox ? 10 : 0;
  columns_ = ceilDiv(std::max(source.width, 0), cellSize);
  rows_ = ceilDiv(std::max(source.height - captionTop, 0), cellSize);
  struct Rectangle {
    THControl* element;
    int column, row, columns, rows;
  };
  std::vector<Rectangle> rectangles;
  for (auto& child : container.children) {
    const minicv::Control& control = child->source();
    if (!control.visible) continue;
    const auto [w, h] = GetSize(*child);
    child->rightAligned = alignsRight(*child);
    int x = control.left;
    int y = control.top - captionTop;
    // A disabled edit is written as text, which sits lower and further in than the field's frame.
    if (child->elementClass() == ElementClass::THEdit && !control.enabled) x += 4, y += 4;
    if (child->rightAligned) x += control.width;
    int column = x / cellSize;
    int row = y / cellSize;
    int columnCount = ceilDiv(std::max(w, 0), cellSize);
    int rowCount = ceilDiv(std::max(h, 0), cellSize);
    if (child->rightAligned) column = std::max(column - columnCount, 0);
    // Cells left of or above the container's client area are clipped away.
    if (column < 0) columnCount += column, column = 0;
    if (row < 0) rowCount += row, row = 0;
    if (columnCount <= 0 || rowCount <= 0) continue;
    rectangles.push_back({child.get(), column, row, columnCount, rowCount});
    sizes_.push_back({child.get(), w, h});
    columns_ = std::max(columns_, column + columnCount);
    rows_ = std::max(rows_, row + rowCount);
  }
  grid_.assign(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_), nullptr);
  for (const Rectangle& r : rectangles)
    for (int row = r.row; row < r.row + r.rows; ++row)
      std::fill_n(grid_.begin() + static_cast<std::ptrdiff_t>(row) * columns_ + r.column, r.columns,
                  r.element);
}

std::string THPlacer::layoutTable() {
  std::vector<THControl*> placed;
  const std::vector<int> widths = mergeLines(
      columns_, rows_, [this](int i, int a) { return cell(a, i); },
      [&](THControl* element, int merged) {
        element->startColumn = merged;
        placed.push_back(element);
      });
  const std::vector<int> heights = mergeLines(
      rows_, columns_, [this](int i, int a) { return cell(i, a); },
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
