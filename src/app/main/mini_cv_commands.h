#pragma once
// The main window's "Mini-CV" panel: "Editer" opens the mini-CV editor, made on first use and kept,
// hidden, between uses; while it shows, the main window and the card window are hidden.

#include <QPointer>
#include <memory>

#include "app/minicv/cv_file_menu.h"
#include "app/minicv/cv_html_menu.h"
#include "app/minicv/cv_print_menu.h"
#include "app/minicv/tform7.h"
#include "app/tform10.h"
#include "minicv/cv_sheet.h"
#include "qt/qt_colour_font_dialogs.h"
#include "qt/qt_file_dialogs.h"
#include "qt/qt_input_query.h"
#include "qt/qt_shell.h"
#include "shell/card_editor_shell.h"

namespace orvane {

class MainWindowView;
class PrintMenuCommands;
class TForm1;

/// The dialogs the editor asks through; tests put scripted ones in place.
struct CvEditorDialogs {
  FileDialogs* files = nullptr;
  ColourFontDialogs* colours = nullptr;
  InputQuery* query = nullptr;
  Shell* shell = nullptr;             // none: the desktop's
  InputQuery* queryDialog = nullptr;  // the HTML menu's and the print orientation's; none: TForm10
};

class MiniCvCommands {
 public:
  MiniCvCommands(CardEditorShell& shell, Prompter& prompter, PictureService& pictures,
                 WorkingDirectories& directories, FileAssociationService& association,
                 CompanionFiles& companions, TextMetrics& metrics);
  ~MiniCvCommands();
  MiniCvCommands(const MiniCvCommands&) = delete;
  MiniCvCommands& operator=(const MiniCvCommands&) = delete;

  /// Connects "Editer" in `mainWindow`'s menus; the card window is hidden while the editor shows.
  void attach(MainWindowView& mainWindow, TForm1& cardWindow);
  /// Replaces the dialogs the editor opens (tests script them); before the editor is made.
  void setDialogs(const CvEditorDialogs& dialogs);
  /// The printers and the main window's print commands the editor prints through.
  void setPrinting(PrinterService& printers, PrintMenuCommands& printCommands);

  /// "Editer": makes the editor if needed, opens it and shows it in place of the main window.
  void edit_minicv();
  /// "Charger": makes the editor if needed and runs its "simple" load; a CV loaded is shown as "Editer"
  /// shows the editor.
  void charger_minicv();
  /// "Sauvegarder": the editor's "sauvegarder CV"; enabled only once the editor exists.
  void sauvegarder_minicv();

  /// The editor window, or null before its first use.
  TForm7* editor() const { return editor_.get(); }
  /// The editor's "HTML" menu, or null before the editor's first use.
  CvHtmlMenu* htmlMenu() const { return htmlMenu_.get(); }

 private:
  /// Makes the editor on first use and gives it the program's language.
  void prepareEditor();
  void makeEditor();
  void showEditor(bool fromLoadedFile);
  void editorLeft();
  InputQuery& queryDialog() { return dialogs_.queryDialog ? *dialogs_.queryDialog : queryDialog_; }

  CardEditorShell& shell_;
  Prompter& prompter_;
  PictureService& pictures_;
  WorkingDirectories& directories_;
  FileAssociationService& association_;
  CompanionFiles& companions_;
  TextMetrics& metrics_;
  minicv::CvFileSession cvFiles_;
  QtFileDialogs qtFiles_;
  QtColourFontDialogs qtColours_{nullptr};
  QtInputQuery qtQuery_{nullptr};
  QtShell qtShell_;
  TForm10Query queryDialog_;
  CvEditorDialogs dialogs_{&qtFiles_, &qtColours_, &qtQuery_, &qtShell_, &queryDialog_};
  MainWindowView* mainWindow_ = nullptr;
  QPointer<QWidget> mainWindowAlive_;  // the main window may be freed before the commands
  TForm1* cardWindow_ = nullptr;
  std::unique_ptr<minicv::CvSheet> sheet_;
  std::unique_ptr<TForm7> editor_;
  std::unique_ptr<CvHtmlMenu> htmlMenu_;
  std::unique_ptr<CvFileMenu> fileMenu_;
  PrinterService* printers_ = nullptr;
  PrintMenuCommands* printCommands_ = nullptr;
  std::unique_ptr<CvPrintMenu> printMenu_;
};

}  // namespace orvane
