#pragma once
// A click on an optional element's check box: the element's state changes and the sheet is laid out
// again by that element's rule.

#include "minicv/cv_sheet.h"

namespace orvane::minicv {

/// Sets element `element` (0 to 15) to `value` (0 off, 1 on, 2 grey for "option cadre 2"), lays the
/// sheet out again and calls the sheet's after-switch hook.
void switchElement(CvSheet& sheet, int element, int value);

}  // namespace orvane::minicv
