#pragma once
// The mini-CV sheet as cv-layout prints it, shared by the commands that print a sheet.

#include "cli/json_writer.h"
#include "minicv/cv_sheet.h"

namespace orvane::cli {

/// The members "elemstat", "window" and "controls" of the sheet's JSON object.
void writeCvLayoutMembers(JsonWriter& json, const minicv::CvSheet& sheet);

}  // namespace orvane::cli
