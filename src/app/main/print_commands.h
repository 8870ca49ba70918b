#pragma once
// The main window's print commands: "&Imprimante", "Impression &noir et blanc", "Impression &couleurs",
// the card stock and the printer calibration in "fichier", "audit " and "test impression" in
// "contrôle".

#include <functional>
#include <vector>

#include "qt/card_merge_pdf.h"
#include "qt/card_stock_files.h"
#include "qt/qt_print_dialogs.h"
#include "services/settings_store.h"
#include "shell/card_file_commands.h"
#include "shell/print_commands.h"

class QAction;
class QActionGroup;
class QMenu;

namespace orvane {

class TForm1;
class MainWindowView;

class PrintMenuCommands {
 public:
  /// `session` tells whether a card file gave the card its colours; `store` keeps the card stock
  /// chosen and each printer's calibration.
  PrintMenuCommands(CardEditorShell& shell, PrinterService& printers, Prompter& prompter,
                    const CardFileSession& session, SettingsStore& store);
  PrintMenuCommands(const PrintMenuCommands&) = delete;
  PrintMenuCommands& operator=(const PrintMenuCommands&) = delete;

  /// Connects the commands to their items in `mainWindow`'s menus; the dialogs open over it.
  void attach(MainWindowView& mainWindow, TForm1& cardWindow);
  /// Replaces the print dialogs (tests script them).
  void setPrintDialogs(PrintDialogs& dialogs) { dialogs_ = &dialogs; }
  /// The print dialogs in use, which the mini-CV editor's prints share.
  PrintDialogs& printDialogs() { return *dialogs_; }

  /// Asks for the calibration measures (tests script it).
  using MeasuresDialog = std::function<std::optional<CalibrationMeasures>()>;
  void setMeasuresDialog(MeasuresDialog dialog) { measuresDialog_ = std::move(dialog); }

  void Imprimante1Click();
  void mimpneb_click();
  void mimpcouleurs_click();
  void testimpr();
  void detectimpr();
  /// "Feuille de cartes": prints the card's sheets on the card stock of id `id` from now on. The first
  /// choice of the run tells, in one box, which template files were skipped and why.
  void chooseCardStock(const std::string& id);
  /// "Publipostage" to a printer: the print dialog, then the merge of `table` as one job on the card
  /// stock's paper, in the mode of the last print command, with the printer's calibration and a
  /// progress dialog whose Cancel drops the job. `report` tells the empty fields of a job printed.
  PrintOutcome printCardMerge(const CsvTable& table, bool mixed, CardMergeReport& report);
  /// "Imprimer la page de calibrage": the page, without calibration, on the card stock's paper.
  void printCalibrationPage();
  /// "Calibrage de l'imprimante...": the measures taken on that page become the printer's calibration.
  void calibratePrinter();

  /// The card stocks the menu offers.
  const std::vector<CardStock>& cardStocks() const { return stocks_.stocks; }

 private:
  /// Builds the card-stock menu and the calibration items after "Impression &couleurs".
  void addStockItems(QMenu& fileMenu, QAction* before);
  /// Their captions in the interface language of the moment.
  void captionStockItems();
  PrintCommands commands() { return {shell_, printers_, *dialogs_, prompter_}; }
  /// One copy of the card's sheet, in the mode the print command set.
  PageDrawing sheetDrawing();
  /// The settings of the card's sheets on the pages of `page`, as the print command and the current
  /// printer set them; the footer's date is left to the drawing.
  SheetSettings sheetSettings(const PrinterMeasurements& page);

  CardEditorShell& shell_;
  PrinterService& printers_;
  Prompter& prompter_;
  const CardFileSession& session_;
  SettingsStore& store_;
  StockCatalogue stocks_;
  bool stockMessagesShown_ = false;  // the templates skipped are told once per run
  MeasuresDialog measuresDialog_;
  QMenu* stockMenu_ = nullptr;
  QActionGroup* stockChoices_ = nullptr;
  QAction* calibrationPage_ = nullptr;
  QAction* calibration_ = nullptr;
  QtPrintDialogs qtDialogs_;
  PrintDialogs* dialogs_ = &qtDialogs_;
  MainWindowView* mainWindow_ = nullptr;
  TForm1* cardWindow_ = nullptr;
};

}  // namespace orvane
