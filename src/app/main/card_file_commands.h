#pragma once
// The main window's card file commands: "&Charger", "&Sauvegarder", "Exporter en PDF" and
// "Publipostage".

#include <QPointer>
#include <string>

#include "qt/card_merge_pdf.h"
#include "qt/qt_file_dialogs.h"
#include "shell/card_file_commands.h"

namespace orvane {

class TForm1;
class MainWindowView;
class PrintMenuCommands;
class PrinterService;

class CardFileCommands {
 public:
  CardFileCommands(CardModel& card, CardEditorShell& shell, CompanionFiles& companions,
                   WorkingDirectories& directories, Prompter& prompter);
  CardFileCommands(const CardFileCommands&) = delete;
  CardFileCommands& operator=(const CardFileCommands&) = delete;

  /// Connects the commands to their items in `mainWindow`'s menus; the dialogs open over it.
  void attach(MainWindowView& mainWindow, TForm1& cardWindow);
  /// The printers "Publipostage" may send the cards to, and the print commands that print them.
  void setPrinting(PrinterService& printers, PrintMenuCommands& printCommands) {
    printers_ = &printers;
    printCommands_ = &printCommands;
  }
  /// Replaces the file dialogs (tests script them).
  void setFileDialogs(FileDialogs& dialogs) { dialogs_ = &dialogs; }
  /// The card file named on the command line was loaded: it is the current card file.
  void cardFileLoadedAtStart(const std::string& path);

  void msauvegarder_click();
  void mcharger_click();
  void mexporterpdf_click();
  void mpublipostage_click();

  const CardFileSession& session() const { return session_; }

 private:
  CardFileServices services() { return {*dialogs_, companions_, directories_, prompter_}; }
  // The PDF export's settings: a card file gives the card and its frames their colours.
  CardSheetPdf sheetPdf(const std::string& output) const;
  /// Whether the card fits the cells of the card stock chosen; the refusal is shown when it does not,
  /// before anything is written, as printing refuses it.
  bool cardFitsStock();
  // "Publipostage" into the PDF file `output`: false when it ended with nothing more to tell (stopped,
  // or a failure already told); `report` tells the empty fields.
  bool writeCardMerge(const CsvTable& table, bool mixed, const std::string& output, CardMergeReport& report);

  CardModel& card_;
  CardEditorShell& shell_;
  CompanionFiles& companions_;
  WorkingDirectories& directories_;
  Prompter& prompter_;
  CardFileSession session_;
  QtFileDialogs qtDialogs_;
  FileDialogs* dialogs_ = &qtDialogs_;
  MainWindowView* mainWindow_ = nullptr;
  QPointer<QWidget> mainWindowAlive_;  // the main window may be freed before the commands
  TForm1* cardWindow_ = nullptr;
  PrinterService* printers_ = nullptr;
  PrintMenuCommands* printCommands_ = nullptr;
};

}  // namespace orvane
