#pragma once
// "sauvegarder CV": the mini-CV parameter file and its four zone files, written under the name the
// user settled.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "minicv/cv_file_lines.h"
#include "minicv/cv_file_session.h"
#include "minicv/cv_sheet.h"

namespace orvane::minicv {

/// The values of lines 0 to 35 for `sheet`; the zone files are named after `companionBase`.
std::array<std::string, cvLineCount> cvFileValues(const CvSheet& sheet, std::string_view companionBase);

/// The zone file of zone `zone` (1 to 4) as the parameter file records it: ".\element\R" + zone + base
/// + ".rtf".
std::string recordedZoneFilePath(int zone, std::string_view companionBase);

/// Whether the parameter file records the names of the zone files named after `companionBase` so that
/// its load finds them again.
bool zoneFileNamesRecordable(std::string_view companionBase);

/// Writes the zone files into the `element` folder beside `target`, made when missing so that the zone
/// texts are never lost, then the parameter file; the zone files are named after `companionBase`. A
/// name the file cannot record (unrecordableNameMessage) is refused before anything is written; a file
/// that cannot be written ends the writing there. Either shows an error box; false then.
bool writeCvFile(const CvSheet& sheet, const std::string& target, std::string_view companionBase,
                 CompanionFiles& companions, Prompter& prompter);

/// Where a save went.
struct SavedCvFile {
  bool saved = false;
  std::string path;                                // where the parameter file now is
  std::optional<std::string> parametersDirectory;  // the folder to remember, once a name was settled
};

/// The save once a file is chosen: the save-name resolution (messages 1144, 1143), the files written
/// as above, then in replace mode the new file put in the chosen one's place (messages 129, 130).
SavedCvFile saveCvFileAs(const CvSheet& sheet, const ChosenFile& chosen, CompanionFiles& companions,
                         Prompter& prompter);

/// "sauvegarder CV": the save dialog in the parameters directory proposing the remembered file, then
/// the save as above; the folder saved to becomes the parameters directory and the file chosen the
/// remembered one.
SavedCvFile sauvegarder1Click(const CvSheet& sheet, CvFileSession& session, const CvFileServices& services);

}  // namespace orvane::minicv
