#pragma once
// The values of a mini-CV file that size the editor, held to the ranges of the controls that set them:
// a file edited by hand, or one whose lines slipped, would otherwise make a sheet that no screen shows.

#include <string>
#include <vector>

#include "catalogue/language.h"
#include "minicv/cv_file_lines.h"

namespace orvane::minicv {

/// A value of the file outside its range, and the value kept in its place.
struct HeldValue {
  int line = 0;
  std::string read;
  std::string kept;
  bool operator==(const HeldValue&) const = default;
};

/// Holds, in `lines`, the width and height percentages to the range of their lists and the sizes of
/// the form and zone fonts to the sizes their font dialogs offer; a value that is no number takes the
/// editor's default. A missing line stays missing. What was changed, in line order.
std::vector<HeldValue> holdToRanges(CvFileLines& lines);

/// Message 187, then a line for each value: its label, the value read and the value kept.
std::string heldValuesMessage(const std::vector<HeldValue>& held, Language language);

}  // namespace orvane::minicv
