#pragma once
// The mini-CV editor's print settings and print commands: the orientation and number-per-page lists,
// the colour and black-and-white prints through the main window's print routine, the test print that
// measures the sheet against the page, and the print items' states.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "minicv/cv_sheet.h"
#include "render/cv_page.h"
#include "render/picture_service.h"
#include "services/input_query.h"
#include "shell/print_commands.h"

namespace orvane {

enum class CvOrientation { Unset, Horizontal, Vertical };

/// The orientation chosen in `ComboBox1`.
CvOrientation cvOrientation(const minicv::CvSheet& sheet);
/// The number per page chosen in `ComboBox2`: 0 until one is chosen.
int cvNumberPerPage(const minicv::CvSheet& sheet);
/// An orientation is chosen (item 0 "horizontal", 1 "vertical"): the number-per-page list is filled
/// for it and enabled, its last number shown.
void chooseCvOrientation(minicv::CvSheet& sheet, int itemIndex);
/// A number per page is chosen, by its item index.
void chooseCvNumberPerPage(minicv::CvSheet& sheet, int itemIndex);

/// Whether a control may print: controls of an element that is off do not.
CvElementFilter cvElementFilter(const minicv::CvSheet& sheet);

/// The enabled states the print items follow.
struct CvPrintItems {
  bool printerChoice = true;  // "imprimante"
  bool testPrint = false;
  bool colourPrint = true;
  bool blackAndWhitePrint = true;
  bool synchronisation = false;
};
/// `mainWindow` holds the main window's command states when the editor was opened from it: its two
/// prints and its printer choice then restrict the editor's, by the same count of installed printers.
CvPrintItems cvPrintItems(const minicv::CvSheet& sheet, bool printerAudited,
                          const std::optional<CommandStates>& mainWindow = std::nullopt);

/// Loads the CV held by slot `copy` of the loaded-CV list, silently, before that copy is drawn.
using CvCopyLoader = std::function<void(minicv::CvSheet& sheet, const std::string& file)>;

/// What the page drawing needs besides the printer.
struct CvPrintSources {
  minicv::CvSheet& sheet;
  PictureService& pictures;
  TextMetrics& screen;
  int screenResolution = 96;
  std::function<std::string()> dateTime;  // the signature line's date and time
  CvCopyLoader loadCopy;                  // nothing when the bi- and tri-version copies cannot load
};

/// Draws one page of the CV as the print commands do, with the margins `printer` calls for; shows
/// message 112 when the first line of a zone could not be drawn.
void drawCvPrintPage(CvPrintSources& sources, Canvas& canvas, const PrinterMeasurements& printer,
                     PrintMode mode, Prompter& prompter);

/// The test print's outcome: the report shown at its end and how many elements were out of bounds.
struct CvTestPrintReport {
  bool ran = false;  // false when no document could be begun
  int outOfBounds = 0;
  std::vector<std::string> reportLines;
};

/// The main window's "Imprimer" of the "Mini-CV" panel asks the page orientation (messages 1163,
/// 1145) until the answer starts with 1 or 2; nothing when the question was cancelled.
std::optional<CvOrientation> askCvPrintOrientation(InputQuery& query, Language language);

class CvPrintCommands {
 public:
  CvPrintCommands(CvPrintSources& sources, PrintCommands& printing, PrinterService& printers,
                  Prompter& prompter);

  /// "impression couleur".
  PrintOutcome impressioncouleur1Click();
  /// "impression noir et blanc".
  PrintOutcome impressionnoiretblanc1Click();
  /// "impression" of the Tests menu: the sheet measured against the page, nothing printed.
  CvTestPrintReport impression1Click(int printerIndex);
  /// The main window's "Imprimer": the orientation asked, then the colour print.
  PrintOutcome Imprimer1Click(InputQuery& query);

  /// The check of the printers an opening runs until a printer has been measured for the mini-CV.
  void checkPrinters();
  /// True once a printer has been measured for the mini-CV.
  bool printerAudited() const { return audited_; }

 private:
  PrintOutcome print(PrintMode mode);

  CvPrintSources& sources_;
  PrintCommands& printing_;
  PrinterService& printers_;
  Prompter& prompter_;
  bool audited_ = false;
};

}  // namespace orvane
