#pragma once
// The card file commands of the "fichier" menu: "&Sauvegarder" writes the card file and its frame
// texts under the name the user chose, "&Charger" opens one through the one card-open function and
// tells the main window what to show afterwards.

#include <optional>
#include <string>

#include "card/card_model.h"
#include "catalogue/language.h"
#include "render/renderer_state.h"
#include "richtext/companion_files.h"
#include "services/file_dialogs.h"
#include "services/prompter.h"
#include "settings/working_directories.h"
#include "shell/card_editor_shell.h"

namespace orvane {

/// The card file the commands work on, kept for the run.
struct CardFileSession {
  std::string cardFilePath;     // the current card file, proposed by the save dialog; empty when none
  bool cardFileLoaded = false;  // a card file has been loaded in this run (a later load clears first)
};

/// The services both commands work through.
struct CardFileServices {
  FileDialogs& dialogs;
  CompanionFiles& companions;
  WorkingDirectories& directories;
  Prompter& prompter;
};

/// Where a save went.
struct SavedCardFile {
  bool saved = false;                              // the card file is written under `path`
  std::string path;                                // where the card file now is
  std::optional<std::string> parametersDirectory;  // the folder to remember, once a name was settled
  std::string error;                               // why the card file itself could not be written
};

/// The save as it goes on once a file is chosen: the save-name resolution (messages 1143, 1144),
/// the card file written at `screenResolution`, the frame texts beside it unless unchanged (message
/// 133), then in replace mode the new file put in the place of the chosen one (messages 129, 130).
/// Nothing is written when the user declines or when the card file could not record the frame texts'
/// names (an error box, unrecordableNameMessage); the frame texts and the replacement are skipped when
/// the card file could not be written.
SavedCardFile saveCardFileAs(const CardModel& card, const ChosenFile& chosen, int screenResolution,
                             CompanionFiles& companions, Language language, Prompter& prompter);

/// "&Sauvegarder": refused with message 172 during card access; otherwise the save dialog opens in
/// the parameters directory on the current card file, and the file chosen is saved as above; the
/// folder it went to becomes the parameters directory.
SavedCardFile saveCardFileCommand(const CardModel& card, const CardFileSession& session, int screenResolution,
                                  Language language, const CardFileServices& services);

/// What the main window shows after "&Charger".
struct LoadedCardFileView {
  bool chosen = false;                 // an existing file was chosen: the card is to be shown again
  bool loaded = false;                 // the file was read and applied
  bool clearIconPreviews = false;      // a card file was loaded before: its icon previews go
  bool transparencyEnabled = false;    // T1 and T2 are usable, as a pattern is shown
  bool showTransparency = false;       // T1 and T2 take the frames' transparency from the file loaded
  std::optional<std::string> caption;  // the main window's new caption: the path without its extension
};

/// The window state the load command reads: the card top set with the track bar in this run, if any.
struct LoadCommandInput {
  int screenResolution = 96;
  std::optional<int> trackBarTop;
};

/// "&Charger": the open dialog in the parameters directory; a file chosen that exists is opened with
/// `openCardFile` as the load command opens it (cached pictures forgotten, frames cleared on a second
/// load, the file's layout made the current format's). A file that could not be loaded leaves the
/// caption and the current card file as they were.
LoadedCardFileView loadCardFileCommand(CardModel& card, CardFileSession& session,
                                       const LoadCommandInput& input, const CardFileServices& services,
                                       CardEditorShell& shell, RendererState* pictures = nullptr);

/// The save dialog of "Exporter en PDF": a PDF file, in the parameters directory, named after the
/// current card file.
FileDialogRequest pdfExportRequest(const CardFileSession& session, const WorkingDirectories& directories);

/// The message that tells which PDF file the export wrote.
std::string pdfWrittenMessage(const std::string& path);

}  // namespace orvane
