#pragma once
// "Texte_&1" and "Texte_&2" of the "éléments" menu: a frame's text loaded from an RTF or text file,
// and saved to a file of the user's choice beside, or in the place of, an existing one.

#include <string>
#include <string_view>

#include "card/card_model.h"
#include "catalogue/language.h"
#include "services/file_dialogs.h"
#include "services/prompter.h"
#include "settings/working_directories.h"
#include "shell/card_editor_shell.h"

namespace orvane {

/// The services the commands of the "éléments" menu work through.
struct ElementServices {
  FileDialogs& dialogs;
  WorkingDirectories& directories;
  Prompter& prompter;
  Language language;
};

/// The frame a text entry acts on, by the entry's name: "charger2" and "sauvegarder2" mean frame 2,
/// every other entry frame 1.
int frameOfTextEntry(std::string_view entryName);

/// `mtextecharger_click`: the open dialog in the texts directory, text files preselected; the file's
/// content decides whether it is read as rich text or as lines in the frame's current font. A file
/// that has gone is reported and the dialog opens again; one that cannot be read or is not text asks
/// message 1137 whether to choose again. The frame and its file name change only when a file was read.
/// True when the frame now holds the file's text.
bool loadFrameText(CardModel& card, int number, ShellState& state, const ElementServices& services);

/// Where a frame text save went.
struct SavedFrameText {
  bool saved = false;
  std::string path;   // the file that now holds the text
  std::string error;  // why the file could not be written
};

/// `mtextesauvegarder_click`: the save dialog in the texts directory; an existing file asks message
/// 1143 (yes: replaced, no: the text goes to a derived name), a new name with another extension than
/// "txt" asks message 1144. The text is written as RTF whatever the name, and its folder becomes the
/// texts directory. A replacement that fails shows messages 129 and 130 with the name kept instead.
SavedFrameText saveFrameText(const CardModel& card, int number, const ElementServices& services);

/// The first free name derived from the existing file `chosenPath`: its last four characters (the
/// extension) and then its trailing blanks dropped, 1, 2, 3 ... and ".txt" appended.
std::string derivedTextName(std::string_view chosenPath);

}  // namespace orvane
