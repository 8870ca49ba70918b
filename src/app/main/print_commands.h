#pragma once
// The main window's print commands: "&Imprimante", "Impression &noir et blanc", "Impression &couleurs"
// in "fichier", "audit " and "test impression" in "contrôle".

#include "qt/qt_print_dialogs.h"
#include "shell/card_file_commands.h"
#include "shell/print_commands.h"

namespace orvane {

class TForm1;
class MainWindowView;

class PrintMenuCommands {
 public:
  /// `session` tells whether a card file gave the card its colours.
  PrintMenuCommands(CardEditorShell& shell, PrinterService& printers, Prompter& prompter,
                    const CardFileSession& session);
  PrintMenuCommands(const PrintMenuCommands&) = delete;
  PrintMenuCommands& operator=(const PrintMenuCommands&) = delete;

  /// Connects the commands to their items in `mainWindow`'s menus; the dialogs open over it.
  void attach(MainWindowView& mainWindow, TForm1& cardWindow);
  /// Replaces the print dialogs (tests script them).
  void setPrintDialogs(PrintDialogs& dialogs) { dialogs_ = &dialogs; }
  /// The print dialogs in use, which the mini-CV editor's prints share.
  PrintDialogs& printDialogs() { return *dialogs_; }

  void Imprimante1Click();
  void mimpneb_click();
  void mimpcouleurs_click();
  void testimpr();
  void detectimpr();

 private:
  PrintCommands commands() { return {shell_, printers_, *dialogs_, prompter_}; }
  /// One copy of the card's sheet, in the mode the print command set.
  PageDrawing sheetDrawing();

  CardEditorShell& shell_;
  PrinterService& printers_;
  Prompter& prompter_;
  const CardFileSession& session_;
  QtPrintDialogs qtDialogs_;
  PrintDialogs* dialogs_ = &qtDialogs_;
  MainWindowView* mainWindow_ = nullptr;
  TForm1* cardWindow_ = nullptr;
};

}  // namespace orvane
