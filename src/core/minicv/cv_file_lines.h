#pragma once
// The mini-CV parameter file as lines: three header lines holding "**", then 36 labelled lines, each
// a fixed label ending with a colon followed directly by the value. Described once here for the
// reader and the writer; the sheet decides what the values mean.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::minicv {

inline constexpr int cvLineCount = 36;

/// Names of the lines whose meaning the reader and writer share, by number.
enum CvLine : int {
  cvLineElements = 0,
  cvLineCivility = 1,
  cvLineFirstField = 2,  // lines 2 to 12 hold the one-line fields
  cvLineVehicle = 13,
  cvLineLicences = 14,
  cvLineZone1File = 15,  // to 18
  cvLineWidthPercent = 19,
  cvLineHeightPercent = 20,
  cvLineFormFontName = 21,  // name, size, colour, style
  cvLineZoneFontName = 25,  // name, size, colour, style
  cvLinePhoto = 29,
  cvLineBackground = 30,
  cvLineZone1Title = 31,  // to 34
  cvLineLanguage = 35,
};

/// The label written before the value of line `line` (0 to 35), colon and any blank after it included.
std::string_view cvLineLabel(int line);

/// The three header lines the file starts with.
const std::array<std::string_view, 3>& cvFileHeader();

struct CvFileLines {
  /// The text after the first ":" of each line, less the blank that ends a label such as line 15's;
  /// nothing where the line had no ":" or was missing.
  std::array<std::optional<std::string>, cvLineCount> values;
  /// The lines that were present but held no ":", in order.
  std::vector<int> linesWithoutColon;
};

/// Reads the parameter lines of a file's lines (UTF-8): header lines are skipped up to the first line
/// without "**", which is line 0; anything after line 35 is ignored.
CvFileLines parseCvFileLines(const std::vector<std::string>& fileLines);

/// The lines of the file for `values` (UTF-8): the header, then each label followed by its value.
std::vector<std::string> cvFileLines(const std::array<std::string, cvLineCount>& values);

}  // namespace orvane::minicv
