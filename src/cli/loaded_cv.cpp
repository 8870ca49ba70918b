#include "cli/loaded_cv.h"

#include "text/file_path.h"

namespace orvane::cli {

LoadedCv::LoadedCv(const ScreenServices& screen) : metrics(screen.metrics), pictures(screen.pictures) {
  sheet.screen = &metrics;
  sheet.open(false);
  companions.workingCopyFolder = utf8Path(workingCopies_.path());
}

std::optional<std::string> LoadedCv::load(const std::string& path) {
  if (workingCopies_.path().empty()) return "no temporary folder for the working copies of the zone texts";
  if (minicv::loadCvFile(sheet, session, path, minicv::CvReportMode::Ask, reading())) return std::nullopt;
  return prompter.shown.empty() ? path + ": not loaded" : prompter.shown.back().text;
}

}  // namespace orvane::cli
