#pragma once
// The rows of the contact frame: row tops from the field height, the normal and compact row tables,
// the placement of the telephone, e-mail and web-site rows, and the frame's height that follows.

#include <array>

#include "minicv/cv_sheet.h"

namespace orvane::minicv {

/// R2, R3 and R4 for field height `h`.
std::array<int, 3> rowTopsFor(int h);

/// Recomputes the row tops and both tables from which rows show, and enables "option cadre 2" when
/// at least two of the telephone, e-mail and web-site elements are off.
void runContactRowRule(CvSheet& sheet);
/// Moves the visible rows to the tops of the table in force and shows or hides the web-site row.
void placeContactRows(CvSheet& sheet);
/// Grows the contact frame to the rows of the table in force (always sets it when `always`) and puts
/// the mobility frame below it.
void fitContactFrame(CvSheet& sheet, bool always);

}  // namespace orvane::minicv
