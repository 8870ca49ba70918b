#pragma once
// A mini-CV loaded from its file the way a script needs it: loaded as the editor's "simple" load does,
// every question answered OK, the zone files' working copies kept in a folder of their own.

#include <optional>
#include <string>

#include "cli/screen_services.h"
#include "minicv/cv_file_load.h"
#include "richtext/companion_files.h"
#include "services/non_interactive_prompter.h"
#include "text/scratch_folder.h"

namespace orvane::cli {

class LoadedCv {
 public:
  /// The sheet as the editor builds and opens it the first time, its fonts measured by `screen`.
  explicit LoadedCv(const ScreenServices& screen);
  /// Loads `path`; the message that refused it when it could not be loaded.
  std::optional<std::string> load(const std::string& path);

  minicv::CvSheet sheet;
  minicv::CvFileSession session;
  NonInteractivePrompter prompter;
  TextMetrics& metrics;
  PictureService& pictures;
  CompanionFiles companions{prompter, Language::French};
  /// What loading a file into `sheet` reads through.
  minicv::CvReadServices reading() { return {companions, prompter, metrics, pictures}; }

 private:
  ScratchFolder workingCopies_{"orvane-cli-"};
};

}  // namespace orvane::cli
