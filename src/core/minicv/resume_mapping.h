#pragma once
// A mini-CV sheet as a résumé and back. The personal details map to the résumé's basics; each zone's
// lines below its column heading are the entries of one list, their tab-separated columns the
// entries' fields: zone 1 "language⇥fluency", zone 2 "title⇥dates⇥qualification", zone 3
// "company⇥dates⇥position"; zone 4 holds the interests, one a line or separated by commas.

#include <string>
#include <vector>

#include "minicv/cv_sheet.h"
#include "minicv/resume.h"

namespace orvane::minicv {

struct SheetResume {
  Resume resume;
  /// What the résumé has no place for, readably named: "age", "work[1].dates" (not an ISO date),
  /// "languages[0] column 3".
  std::vector<std::string> dropped;
};

/// The résumé `sheet` holds: every field's and zone's text, whatever its element's state.
SheetResume resumeOfSheet(const CvSheet& sheet);

/// Puts `resume` on the opened `sheet`, switching on the elements that show what it brings; returns
/// what the sheet cannot hold, named by its place in the résumé: address lines past the two fields
/// ("basics.location.city"), entries past the ten a zone shows under its heading ("work[10]") and
/// interests past eleven lines.
std::vector<std::string> putResumeOnSheet(CvSheet& sheet, const Resume& resume);

}  // namespace orvane::minicv
