#pragma once
// The mini-CV editor's font and print items and its two print lists: each forwards to the core's
// font and print commands, then the editor mirrors the sheet.

#include "app/minicv/tform7.h"
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
  /// How a bi- or tri-version loads the CV of each slot before drawing it.
  void setCopyLoader(CvCopyLoader loader) { sources_.loadCopy = std::move(loader); }

  void styleslection1Click();

 private:
  void connectItems();
  void listChosen(minicv::ControlId list);

  TForm7& form_;
  CvPrintMenuServices services_;
  QtTextMetrics metrics_;
  PrintCommands printing_;
  CvPrintSources sources_;
  CvPrintCommands commands_;
  int characterSet_ = 0;
};

}  // namespace orvane
