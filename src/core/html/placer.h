#pragma once
// The table layout of one container: its controls are placed on a grid of 4 by 4 pixel cells, the
// grid's columns and rows are merged between the controls' edges, and each control becomes one cell
// of an HTML table spanning the merged columns and rows it covers.

#include <optional>
#include <string>
#include <vector>

namespace orvane::html {

class THControl;

/// The cells of a container's grid that one of its controls takes.
struct GridCells {
  int column;
  int row;
  int columns;
  int rows;
};

/// The cells `child` of `container` takes when its estimated size is `width` by `height`: cells left of
/// or above the grid are cut away, and a child left with none gets nothing.
std::optional<GridCells> cellsOf(const THControl& container, const THControl& child, int width, int height);

class THPlacer {
 public:
  /// Places the visible children of `container` on the grid.
  explicit THPlacer(THControl& container);

  int columns() const { return columns_; }
  int rows() const { return rows_; }
  /// The TABLE of the container; names in a "Lost controls" message the controls it could not write.
  std::string layoutTable();

 private:
  struct Placed {
    THControl* element;
    int width;
    int height;
  };
  // The grid is held by bands: between two neighbouring edges of the controls' rectangles every grid
  // line is the same, so one cell per band pair stands for them all, and memory follows the controls,
  // not the container's area.
  THControl* cell(int row, int column) const {
    return grid_[static_cast<std::size_t>(row) * (columnEdges_.size() - 1) +
                 static_cast<std::size_t>(column)];
  }

  THControl& container_;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<int> columnEdges_;  // grid columns where a band starts, and the end of the last
  std::vector<int> rowEdges_;
  std::vector<THControl*> grid_;  // band by band, row bands first
  std::vector<Placed> sizes_;     // the estimated size of every element with cells on the grid
};

}  // namespace orvane::html
