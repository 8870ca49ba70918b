#pragma once
// The controls of the editor window as it is created: the CV sheet, the element column and the print
// settings, with their names, places and sizes; captions come later, from the catalogue.

#include "form/control_tree.h"

namespace orvane::minicv {

/// Adds the window and every control to an empty tree; the window is control 0.
void addSheetControls(ControlTree& tree);

}  // namespace orvane::minicv
