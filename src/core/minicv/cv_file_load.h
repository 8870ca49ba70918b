#pragma once
// Loading one mini-CV parameter file into the editor's sheet, with its zone files and photo.

#include <string>

#include "minicv/cv_file_session.h"
#include "minicv/cv_sheet.h"

namespace orvane::minicv {

/// How the problems of a load are told: Ask shows each with OK (go on) and Abort (stop), Report shows
/// it and stops, Silent stops without a word.
enum class CvReportMode { Ask = 0, Report = 1, Silent = 2 };

/// Loads the parameter file at `path` into `sheet`: element states, buttons, fields, zone titles,
/// percentages, language, fonts, background colour, zone texts and photo. A zone title read from the
/// file stays even when the file's language re-captions the editor. True when the load went to its end;
/// the editor is then marked as holding a CV loaded from a file.
bool loadCvFile(CvSheet& sheet, CvFileSession& session, const std::string& path, CvReportMode mode,
                const CvReadServices& services);

}  // namespace orvane::minicv
