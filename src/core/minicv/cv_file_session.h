#pragma once
// What the mini-CV file commands keep between uses and the services they work through.

#include <array>
#include <string>
#include <string_view>

#include "render/picture_service.h"
#include "richtext/companion_files.h"
#include "services/file_dialogs.h"
#include "services/prompter.h"
#include "services/text_metrics.h"
#include "settings/working_directories.h"

namespace orvane::minicv {

/// Kept for the program's run; the names of the loaded CVs themselves are the sheet's `loadedFiles`.
struct CvFileSession {
  std::string rememberedFile;  // the last file loaded or chosen: the save dialog proposes it
  int loadedCount = 0;         // the CVs the last load command loaded successfully
};

/// What reading a file needs, without any dialog.
struct CvReadServices {
  CompanionFiles& companions;
  Prompter& prompter;
  TextMetrics& metrics;      // the form font's re-layout measures the labels
  PictureService& pictures;  // the photo is read as "charger photo" reads it
};

struct CvFileServices {
  FileDialogs& dialogs;
  WorkingDirectories& directories;
  CompanionFiles& companions;
  Prompter& prompter;
  TextMetrics& metrics;
  PictureService& pictures;

  CvReadServices read() const { return {companions, prompter, metrics, pictures}; }
};

/// The open and save dialogs' filter, message 41.
inline constexpr int cvFileFilterMessage = 41;
inline constexpr std::string_view cvDefaultExtension = "ov4";

/// The controls lines 1, 2 to 12 and 13 of the file hold, in the file's order.
inline constexpr std::array<std::string_view, 3> civilityButtons = {"RadioButton1", "RadioButton2",
                                                                    "RadioButton3"};
inline constexpr std::array<std::string_view, 11> fieldsInFileOrder = {
    "Edit1", "Edit2", "Edit3", "Edit17", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10"};
inline constexpr std::array<std::string_view, 2> vehicleButtons = {"RadioButton4", "RadioButton5"};
/// The licence boxes "A" to "E" of line 14.
inline constexpr int firstLicenceBox = 17;
inline constexpr int licenceBoxCount = 5;

}  // namespace orvane::minicv
