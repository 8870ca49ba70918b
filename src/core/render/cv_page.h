#pragma once
// The printed mini-CV: copies of the sheet side by side in slots 450 sheet pixels wide, every control
// drawn by its kind at one scale from sheet pixels to printer dots, and the signature line read
// upwards along the left edge of each copy.

#include <functional>
#include <string>

#include "form/control_tree.h"
#include "render/canvas.h"
#include "render/card_sheet.h"
#include "render/picture_service.h"
#include "services/printer_service.h"
#include "services/text_metrics.h"

namespace orvane {

/// The width of one copy's slot on the page, in sheet pixels (the sheet is 449 wide).
inline constexpr int cvSlotWidth = 450;

struct CvPageSlots {
  int slotCount = 0;  // how many slot widths the page is divided into
  int copies = 0;     // how many copies are drawn, from the first slot on
  bool operator==(const CvPageSlots&) const = default;
};

/// Slots and copies for a number per page of `numberPerPage` (0 when none was chosen).
CvPageSlots cvPageSlots(int numberPerPage, bool portrait);

/// Printer dots per sheet pixel: the printable width less the extra left margin, over the slots.
double cvPageScale(const PrinterMeasurements& printer, int extraLeft, int slotCount);

/// The colour a frame is outlined in on paper, from the balance of its own colour's components.
Colour frameOutlineColour(Colour frame);

/// The printed width of a label, in sheet pixels, whose caption is `captionWidth` sheet pixels wide.
int widenedLabelWidth(double captionWidth);

/// The box of a zone `width` pixels wide on a screen of `dotsPerInch`: its text keeps from the edges
/// and tabs as in a card frame. The zone's widget and the printed page both lay its lines out in it.
TextBox cvZoneTextBox(int width, int dotsPerInch);
/// The lines zone control `zone` displays on a screen of `dotsPerInch` measured by `screen`.
std::vector<DisplayLine> cvZoneLines(const minicv::Control& zone, TextMetrics& screen, int dotsPerInch);

/// The font a zone line prints in: that of its first non-blank character.
FontSpec cvLineFont(const Paragraph& paragraph, const FontSpec& fallback);
/// The text of a zone line, its runs joined.
std::string cvParagraphText(const Paragraph& paragraph);
/// A control's top-left corner on the sheet: its position added to its parents' up to "Panel1".
Point cvSheetOrigin(const minicv::ControlTree& sheet, minicv::ControlId id);

struct CvPageSettings {
  PrinterMeasurements printer;
  int screenResolution = 96;
  int extraLeft = 0;  // dots that bring the printer's own left border up to 5 mm
  int extraTop = 0;
  int numberPerPage = 0;
  bool portrait = true;
  PrintMode printMode = PrintMode::InColour;
  bool showFrames = true;
  bool showSignature = true;
  std::string dateTime;  // of the signature line
};

/// Whether a control may print: false when the optional element that lists it is off.
using CvElementFilter = std::function<bool(const minicv::Control&)>;
/// Runs before copy `copy` (1 to the number of copies) is drawn, to load that slot's CV.
using CvCopyHook = std::function<void(int copy)>;

struct CvPageResult {
  bool drawn = true;                 // every drawing call worked
  bool zoneFirstLineFailed = false;  // the first line of a zone could not be drawn
};

/// Draws one page of the sheet `sheet` (its root panel is "Panel1"). Labels are widened to their
/// printed captions and keep that width in the sheet, as the editor shows it afterwards. A zone prints
/// the lines `screen` lays out for it, as its widget displays them.
CvPageResult drawCvPage(minicv::ControlTree& sheet, Canvas& canvas, PictureService& pictures,
                        TextMetrics& screen, const CvPageSettings& settings, const CvElementFilter& printable,
                        const CvCopyHook& beforeCopy);

}  // namespace orvane
