#pragma once
// The table layout of one container: its controls are placed on a grid of 4 by 4 pixel cells, the
// grid's columns and rows are merged between the controls' edges, and each control becomes one cell
// of an HTML table spanning the merged columns and rows it covers.

#include <string>
#include <vector>

namespace orvane::html {

class THControl;

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
  THControl* cell(int row, int column) const {
    return grid_[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
                 static_cast<std::size_t>(column)];
  }

  THControl& container_;
  int columns_ = 0;
  int rows_ = 0;
  std::vector<THControl*> grid_;  // row by row
  std::vector<Placed> sizes_;     // the estimated size of every element with cells on the grid
};

}  // namespace orvane::html
