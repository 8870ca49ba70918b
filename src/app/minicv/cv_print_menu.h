#pragma once
// The mini-CV editor's font and print items and its two print lists: each forwards to the core's
// font and print commands, then the editor mirrors the sheet.

#include "app/minicv/tform7.h"
#include "minicv/cv_file_load.h"
#include "qt/qt_text_metrics.h"
#include "shell/cv_print_commands.h"

namespace orvane {

struct CvPrintMenuServices {
  CardEditorShell& shell;
  PrinterService& printers;
  PrintDialogs& printDialogs;
  Prompter& prompter;
  ColourFontDialogs& fontDialogs;
  PictureService& pictures;
};

class CvPrintMenu {
 public:
  /// Connects the items and lists of `form`; lives as long as the form.
  CvPrintMenu(TForm7& form, const CvPrintMenuServices& services);
  CvPrintMenu(const CvPrintMenu&) = delete;
  CvPrintMenu& operator=(const CvPrintMenu&) = delete;

  CvPrintCommands& commands() { return commands_; }
  /// The character set the form font takes (0, 238, 204 or 186).
  int characterSet() const { return characterSet_; }
  /// The print items follow whether a printer was measured; after openings, loads and prints.
  void updatePrintItems();
  /// The editor was opened from the main window: the printers are checked unless a printer was
  /// measured already, and from now on the print items follow the main window's restriction by the
  /// number of installed printers.
  void openedFromMainWindow();
  /// A bi- or tri-version loads the CV of each slot silently through `session` before drawing it.
  void loadCopiesThrough(minicv::CvFileSession& session, const minicv::CvReadServices& reading);

  void styleslection1Click();

 private:
  void connectItems();
  void listChosen(minicv::ControlId list);
  bool printerAudited() const;

  TForm7& form_;
  CvPrintMenuServices services_;
  QtTextMetrics metrics_;
  PrintCommands printing_;
  CvPrintSources sources_;
  CvPrintCommands commands_;
  int characterSet_ = 0;
  bool openedFromMainWindow_ = false;
};

}  // namespace orvane
