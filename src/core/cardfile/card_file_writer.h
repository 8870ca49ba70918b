#pragma once
// Writing the card parameter file: three header lines and 51 numbered lines, each its number, " - ",
// a label and a colon followed by the value; the frames' texts go to companion files beside it.

#include <string>
#include <string_view>
#include <vector>

#include "card/card_model.h"
#include "richtext/companion_files.h"
#include "services/prompter.h"
#include "text/line_file.h"

namespace orvane {

/// The lines of the card file for `card`, in UTF-8: the header, then lines 1 to 51. The frame text
/// files are named after `companionBase`; line 49 records `screenResolution`.
std::vector<std::string> cardFileLines(const CardModel& card, std::string_view companionBase,
                                       int screenResolution);

/// Whether the card file records the names of the frame text files named after `companionBase` so that
/// its load finds them again; a save under any other name is refused (unrecordableNameMessage).
bool frameTextNamesRecordable(std::string_view companionBase);

/// Writes the card file of `card` to `targetPath`, whole or not at all.
FileStatus writeCardFile(const CardModel& card, const std::string& targetPath, std::string_view companionBase,
                         int screenResolution);

/// Writes each frame's text into the "element" folder beside the card file at `cardFilePath`, except a
/// text that is unmodified and already lives in that very file. A text that cannot be written shows
/// message 133 and the next is still tried; returns whether every text needed was written.
bool saveFrameTexts(const CardModel& card, const std::string& cardFilePath, std::string_view companionBase,
                    CompanionFiles& companions, Language language, Prompter& prompter);

}  // namespace orvane
