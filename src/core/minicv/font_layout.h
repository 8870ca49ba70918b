#pragma once
// The personal-details and contact frames after a change of the form font: labels measured in the new
// font, fields moved to a column clear of the widest label, the age row re-spaced; and "défaut",
// which puts the default font and the recorded columns back.

#include "minicv/cv_sheet.h"
#include "services/text_metrics.h"

namespace orvane::minicv {

/// Makes `font` the form font: the two frames' controls take it, their fields the zone font, and the
/// frames are laid out again. Enables "défaut".
void applyFormFont(CvSheet& sheet, const FontSpec& font, TextMetrics& metrics);
/// Lays the two frames out again for the current form font, the contact frame first.
void relayoutForFormFont(CvSheet& sheet, TextMetrics& metrics);
/// Every label with a caption becomes as wide as its caption in its own font: a label sizes itself to
/// its text, and the rules that place fields after labels go by those widths.
void fitLabelsToCaptions(ControlTree& tree, TextMetrics& metrics);
/// Room a check box takes before its caption: its box and the gap after it.
inline constexpr int checkBoxCaptionStart = 30;
/// The side column shows every caption whole in every language: the element check boxes widen to their
/// captions, the print settings' lists stand clear of their labels, and the column and the window widen
/// with them; nothing gets narrower than built.
void fitSideColumn(CvSheet& sheet, TextMetrics& metrics);
/// "défaut": the labels of every frame take the default font and the fields go back to the columns
/// recorded before the first re-layout. Disables "défaut".
void restoreDefaultFonts(CvSheet& sheet);

}  // namespace orvane::minicv
