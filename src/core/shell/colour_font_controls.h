#pragma once
// The rules of the main window's controls that change how the card looks: background colours, the
// frames' header and body fonts, the pattern mode and fill style boxes, and the transparency boxes.
// Each control has one function here; the window shows what it returns.

#include <optional>
#include <string>

#include "card/card_model.h"
#include "catalogue/language.h"
#include "font_options.h"
#include "render/render_context.h"
#include "services/colour_font_dialogs.h"
#include "services/prompter.h"
#include "services/text_metrics.h"

namespace orvane {

/// What the colour and font controls keep for the whole run.
struct ColourFontState {
  FontOptions fontOptions;
  bool screenFontNoticeShown = false;  // message 143
};

/// What a font button works with.
struct FontButtonServices {
  ColourFontDialogs& dialogs;
  Prompter& prompter;
  TextMetrics& screenMetrics;
  Language language;
  bool printerFound;  // a printer was found at start
};

enum class FontPart { Header, Body };

/// What the window shows after a font button.
struct FontButtonOutcome {
  bool applied = false;  // a font was chosen and applied to the frame's text
  /// The frame's warning line: a text to show, empty to clear it, nothing to leave it as it is.
  std::optional<std::string> warning;
};

/// The three states of a three-state check box, in the order a click cycles them.
enum class BoxState { Unchecked, Checked, Grayed };

/// The sizes a font dialog offers while "Limit Size" is on.
inline constexpr SizeRange limitedSizes{8, 12};

/// The colour buttons: `target` 0 is the card (Button15), 1 and 2 the frames (Button11, Button12).
/// True when a colour was chosen and stored; cancel changes nothing.
bool chooseBackgroundColour(CardModel& card, int target, ColourFontDialogs& dialogs);

/// How the font dialog opens: printer or screen fonts (message 143 the first time without a printer),
/// the sizes "Limit Size" allows, and the options, which from now on include the effects.
FontDialogRequest prepareFontDialog(ColourFontState& state, const FontButtonServices& services);

/// The font buttons (Button9/Button10 header, Button13/Button14 body of frame 1/2): runs the font
/// dialog preset with the stored font (message 132 when its face is missing), applies the choice to
/// the first line or the whole text, stores it, and checks the width of the lines it changed.
FontButtonOutcome chooseFrameFont(CardModel& card, int number, FontPart part, ColourFontState& state,
                                  const FontButtonServices& services);

/// The warning line after a font change: "Texte trop large (w)/(W)" and "Information 140" for the
/// first measured line wider than the frame, empty when every measured line fits.
std::string frameWidthWarning(const CardModel& card, int number, FontPart part, const FontSpec& font,
                              TextMetrics& metrics);

/// The state a click gives the "MOTIF " box: unchecked, checked, grayed, and round again.
BoxState nextPatternBoxState(BoxState state);

/// "MOTIF ": stores the pattern mode the box state stands for and returns `Label5`'s word.
std::string setPatternMode(CardModel& card, BoxState state);

/// "STYLE": stores the fill style and returns `Label6`'s word.
std::string setFillStyle(CardModel& card, bool checked);

/// T1 and T2: frame `number` becomes transparent (its text drawn into the composite over the pattern)
/// or opaque again (the pattern read afresh, the composite dropped unless the other frame still needs
/// it). `context` draws this same card. False when the drawing failed (reported already).
bool setFrameTransparency(CardModel& card, int number, bool transparent, RenderContext& context);

/// Whether T1 and T2 are enabled after an "enable" or "disable" call: "enable" enables them while a
/// pattern is shown; a pattern that could not be read or drawn clears that mark and so disables them,
/// as no pattern does, for a frame made transparent over it would show nothing through it. A box still
/// ticked (a card file recorded it over a pattern that cannot be read) stays usable, so that the user can
/// make its frame opaque again, which card access needs.
bool transparencyBoxesEnabled(bool enable, bool patternShown, bool checked);

}  // namespace orvane
