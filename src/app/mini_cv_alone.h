#pragma once
// The program started on a mini-CV file: the mini-CV editor alone, without the card editor, holding
// that file; the program ends when the editor is left.

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/minicv/cv_file_menu.h"
#include "app/minicv/cv_html_menu.h"
#include "app/minicv/cv_print_menu.h"
#include "app/minicv/tform7.h"
#include "app/start_icon.h"
#include "app/tform10.h"
#include "minicv/cv_sheet.h"
#include "qt/qt_colour_font_dialogs.h"
#include "qt/qt_file_association.h"
#include "qt/qt_file_dialogs.h"
#include "qt/qt_input_query.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_print_dialogs.h"
#include "qt/qt_shell.h"
#include "qt/qt_text_metrics.h"
#include "richtext/companion_files.h"
#include "settings/settings.h"
#include "settings/working_directories.h"

namespace orvane {

class MiniCvAlone {
 public:
  MiniCvAlone(Prompter& prompter, PrinterService& printers, SettingsStore& settingsStore);
  ~MiniCvAlone();
  MiniCvAlone(const MiniCvAlone&) = delete;
  MiniCvAlone& operator=(const MiniCvAlone&) = delete;

  /// Replaces the print dialogs (tests script them); before `open`.
  void setPrintDialogs(PrintDialogs& dialogs) { printDialogs_ = &dialogs; }
  /// Replaces the shell that opens the browsed page (tests script it); before `open`.
  void setShell(Shell& shell) { pageShell_ = &shell; }
  /// Builds the editor, loads `path` asking about each problem, and shows the editor.
  void open(const std::string& path);
  /// Returns when the editor is left ("fin", "tout quitter" or its close box).
  void run();

  TForm7& editor() { return *editor_; }
  CvHtmlMenu& htmlMenu() { return *htmlMenu_; }
  minicv::CvFileSession& fileSession() { return session_; }

 private:
  Prompter& prompter_;
  PrinterService& printers_;
  Settings settings_;
  WorkingDirectories directories_{settings_};
  // The zone texts' working copies go to a folder of this run, not into the user's current folder.
  QTemporaryDir workingCopyFolder_;
  CompanionFiles companions_{prompter_, Language::French};
  QtPictureService pictures_;
  QtFileAssociation association_;
  QtTextMetrics metrics_;
  QtFileDialogs files_;
  QtColourFontDialogs colours_{nullptr};
  QtInputQuery query_{nullptr};
  TForm10Query queryDialog_;
  QtShell qtShell_;
  Shell* pageShell_ = &qtShell_;
  QtPrintDialogs qtPrintDialogs_;
  PrintDialogs* printDialogs_ = &qtPrintDialogs_;
  // The print routine is the main window's, which always holds a card; here no card is ever shown.
  CardModel card_;
  CardEditorShell shell_{card_, prompter_, printers_};
  minicv::CvSheet sheet_;
  minicv::CvFileSession session_;
  std::unique_ptr<TForm7> editor_;
  std::unique_ptr<CvFileMenu> fileMenu_;
  std::unique_ptr<CvHtmlMenu> htmlMenu_;
  std::unique_ptr<CvPrintMenu> printMenu_;
};

}  // namespace orvane
