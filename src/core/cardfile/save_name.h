#pragma once
// The name a parameter file is saved under when the chosen file already exists or has an unusual
// extension: replace it, or write beside it under an indexed name. Shared by the card and the mini-CV.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/language.h"
#include "services/prompter.h"

namespace orvane {

enum class SaveMode { New, Replace };

struct SaveNameRequest {
  std::string chosenPath;         // as the save dialog returned it
  std::string standardExtension;  // ".ov1" or ".ov4"
  std::string fileKind;           // the kind of file named in message 1144: "carte", "Mini-CV"
  bool extensionDiffers = false;  // the dialog reports a typed extension other than its default
};

struct SaveName {
  std::string target;  // where the new file is written; in replace mode moved to the chosen path later
  SaveMode mode = SaveMode::New;
  std::string companionBase;  // the base name of the companion text files
  std::string folder;         // the target's folder with its trailing separator: the parameters directory
};

/// Settles where a save goes, asking message 1144 for a new file with an unusual extension and
/// message 1143 for an existing one; nothing when the user declines.
std::optional<SaveName> resolveSaveName(const SaveNameRequest& request, Language language,
                                        Prompter& prompter);

/// The base name of the companion files of the parameter file at `path`: its file name without the
/// last four characters (the extension with its dot).
std::string companionBaseOf(std::string_view path);

/// The message refusing to save the parameter file `path` under a name its lines cannot record so that
/// its companion files are found again: message 151 + " : " + path.
std::string unrecordableNameMessage(Language language, std::string_view path);

/// The folder of `path` up to and including its last separator, as a stored directory keeps it.
std::string folderOf(std::string_view path);

/// The first indexed sibling of `chosenPath` that does not exist: its last four characters dropped,
/// the trailing number raised (or 1, 2, 3 ... appended), and `standardExtension` added.
std::string indexedCandidate(std::string_view chosenPath, std::string_view standardExtension);

/// Puts the complete file `newPath` in the place of `chosenPath` in one step, so that a failure keeps
/// both files; a failure shows message 129 + chosen path + message 130 + new path.
bool replaceWithNewFile(const std::string& chosenPath, const std::string& newPath, Language language,
                        Prompter& prompter);

}  // namespace orvane
