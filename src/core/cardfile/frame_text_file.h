#pragma once
// How the texts of the two frames are named beside a card file: "C1" or "C2", the base name and
// ".rtf", in the "element" folder.

#include <string>
#include <string_view>

#include "richtext/companion_files.h"

namespace orvane {

/// The folder beside a card file that holds its frame texts; the program never creates it.
inline constexpr std::string_view elementFolder = "element";

/// The companion file kind of frame `number` (1 or 2).
TextKind frameTextKind(int number);

/// The file name of frame `number`'s text beside the card file named after `companionBase`.
std::string frameTextFileName(int number, std::string_view companionBase);

/// The same file as the card file records it, relative to its own folder: ".\element\C1" + base + ".rtf".
std::string recordedFrameTextPath(int number, std::string_view companionBase);

}  // namespace orvane
