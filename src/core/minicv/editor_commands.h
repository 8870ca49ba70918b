#pragma once
// The mini-CV editor's own commands that ask the user something: zone titles, the photo, the
// background colour, the two printing options and leaving. Each acts on the control tree and the
// services it is given, so that the window only forwards the menu item.

#include <optional>
#include <string>

#include "catalogue/language.h"
#include "colour.h"
#include "form/control_tree.h"
#include "render/picture_service.h"
#include "services/file_dialogs.h"
#include "services/input_query.h"
#include "services/prompter.h"
#include "settings/working_directories.h"

namespace orvane::minicv {

/// "titres des cadres": asks for a zone number until its first character is 1 to 4, then for the new
/// title, proposing the zone's heading; the answer captions the zone's title label and becomes its
/// rich text's hint. False when either question was cancelled (nothing changes).
bool titresdescadres1Click(ControlTree& tree, InputQuery& query, Language language);

struct PhotoServices {
  FileDialogs& dialogs;
  Prompter& prompter;
  PictureService& pictures;
  WorkingDirectories& directories;
};

/// "charger photo": picks a bitmap (asking again after another extension when the user wishes, and
/// after a name that does not exist), records it as `photoFile`, stores its folder as the images
/// directory, and shows it in `zImage1` on `background`. The composed photo, or nothing when the
/// dialog was cancelled or the bitmap could not be read (message 114 shown).
std::optional<Image> chargerphoto1Click(ControlTree& tree, std::string& photoFile, Colour background,
                                        const PhotoServices& services, Language language);

class CvSheet;

/// "couleur de fond": the window takes `colour`, and so does every control that showed its parent's
/// colour; the photo is drawn on it from then on.
void setBackgroundColour(CvSheet& sheet, Colour colour);

/// The background colour as the HTML page writes it: the colour's standard name when it has one
/// ("Navy"), otherwise six hexadecimal digits RRGGBB.
std::string htmlColour(Colour colour);

/// "signature" (message 115) and "cadres" (message 185): whether the user wants that part hidden when
/// printing.
bool askHideWhenPrinting(Prompter& prompter, int message, Language language);

/// "fin": true when the editor may be left; with `unsavedChanges`, message 169 asks first and Cancel
/// keeps the editor open.
bool mayLeaveEditor(Prompter& prompter, bool unsavedChanges, Language language);

}  // namespace orvane::minicv
