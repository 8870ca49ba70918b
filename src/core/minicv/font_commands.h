#pragma once
// The editor's font commands: the form font ("attributs"), the zone font ("style"), the style of the
// zones' selections, the form font's character set and "défaut".

#include <array>

#include "minicv/cv_sheet.h"
#include "services/colour_font_dialogs.h"
#include "services/text_metrics.h"

namespace orvane::minicv {

/// The sizes the font dialogs of "attributs" and "style" offer, in points.
inline constexpr SizeRange formFontSizes{8, 10};
inline constexpr SizeRange zoneFontSizes{8, 14};

/// "attributs": a TrueType form font of `formFontSizes`; the frames are laid out again for it.
void attributs1Click(CvSheet& sheet, ColourFontDialogs& dialogs, TextMetrics& metrics);
/// "style": a TrueType zone font of `zoneFontSizes`, given to every field of the two frames.
void style1Click(CvSheet& sheet, ColourFontDialogs& dialogs);
/// A zone's selection as its window reports it.
struct ZoneSelection {
  int start = 0;
  int length = 0;
};
using ZoneSelections = std::array<ZoneSelection, 4>;

/// "style de la sélection": the dialog starts from the zones' selections (zone 4 last); the font
/// chosen is given to the selected text of every zone, whose selections are then cleared. True when a
/// font was applied.
bool styleslection1Click(CvSheet& sheet, ZoneSelections& selections, ColourFontDialogs& dialogs);

/// The character sets of "normal", "est-européen", "cyrillique" and "baltique", which the form font
/// takes.
enum class CharacterSet : int { Ansi = 0, EasternEuropean = 238, Cyrillic = 204, Baltic = 186 };

}  // namespace orvane::minicv
