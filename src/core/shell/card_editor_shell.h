#pragma once
// The rules of the card editor's main window that do not depend on a window system: printer
// detection at start, the enabled state of the commands, "voir carte", card access, and the report
// of an error no handler took. The windows forward their events here and show the outcome.

#include <optional>
#include <string>

#include "card/card_model.h"
#include "catalogue/language.h"
#include "render/card_sheet.h"
#include "render/renderer_state.h"
#include "render/sheet_layout.h"
#include "richtext/companion_files.h"
#include "services/printer_service.h"
#include "services/prompter.h"
#include "shell/card_window_state.h"

namespace orvane {

struct ShellState {
  Language interfaceLanguage = Language::French;
  bool quitting = false;
  bool cardShown = false;
  bool panelHighlighted = false;
  bool mouseOverPanel = false;  // the card window skips repainting its decorations meanwhile
  int accessCount = 0;
  bool printerExists = false;
  bool printerChosen = false;  // a printer was picked with "&Imprimante"
  int installedPrinters = 0;
  bool anythingLoaded = false;  // card file, frame text, icon or pattern
  bool miniCvExists = false;
  PrintRatios printerRatios;             // of the printer found at start
  bool transparencyNoticeShown = false;  // message 1116, shown once per run
  // The mode of the last sheet printed, which the PDF export follows.
  PrintMode lastPrintMode = PrintMode::InColour;
  bool testPrintMode = false;           // a test print is running: the sheet holds one card
  int screenResolution = 96;            // the screen the card is sized for, on screen and on paper
  CardStock cardStock = orvaneSheet();  // the paper the print menu prints the card's sheet on
};

/// Which commands of the main window's menus are usable.
struct CommandStates {
  bool printerChoice = true;  // "&Imprimante"
  bool printColour = true;    // "Impression &couleurs"
  bool printBlackWhite = true;
  bool audit = false;
  bool miniCvPrint = false;
  bool miniCvSave = false;
  bool operator==(const CommandStates&) const = default;
};

/// Where the main window goes and what the button says after "voir carte".
struct CardVisibility {
  bool showCard = false;
  std::optional<int> mainWindowLeft;  // screen x, when the main window moves
  std::string buttonCaption;
};

/// What the main window does after a parameter control changed the card.
struct ControlFollowUp {
  bool relayout = false;                 // the proportional re-layout and the format-change snapshot
  bool redrawTransparentFrames = false;  // the transparent frames are drawn again
  bool placeBesideCard = false;          // the main window goes beside the shown card
  bool operator==(const ControlFollowUp&) const = default;
};

enum class AccessChange { Refused, SwitchedOn, SwitchedOff };

/// Screen geometry the placement rules need.
struct PlacementInput {
  int cardLeft = 0;
  int cardWidth = 0;
  int screenWidth = 0;
  int mainWindowWidth = 0;
};

class CardEditorShell {
 public:
  CardEditorShell(CardModel& card, Prompter& prompter, PrinterService& printers);

  ShellState& state() { return state_; }
  /// The one card the editor works on.
  CardModel& card() { return card_; }
  const ShellState& state() const { return state_; }
  CardWindowState& cardWindow() { return cardWindow_; }

  /// Asks the printer for its resolution and counts the printers; warns once when there is none.
  void detectPrinters(int screenResolution);
  CommandStates commandStates() const;

  /// "voir carte": hides a shown card, or shows it with the main window moved beside it.
  CardVisibility toggleCardVisibility(const PlacementInput& placement);
  /// The main window's left edge beside the card (the placement rule of "voir carte").
  static int mainWindowLeftBesideCard(const PlacementInput& placement);
  /// The left (or top) that centres `window` on `screen`, rounded.
  static int centred(int screen, int window);

  /// "accès carte": refused while a frame is transparent (message 1101), otherwise toggled.
  AccessChange toggleCardAccess();
  /// Ends card access (frames read-only, their colours back, access count reset).
  void endCardAccess();
  /// "&ok" on the card: ends card access; from now on closing the card window only hides it.
  void okOnCard();
  /// The mouse is over frame `number` during card access: that frame is painted white, the other
  /// one takes its access colour back.
  void frameHovered(int number);
  /// The caption of "accès carte" for the current access state (" +" when off, " -" when on).
  std::string accessCaption() const;

  /// Opens the card file named on the command line, its frame texts through `companions`, the card
  /// window's cached pictures (when given) forgotten; a file that cannot be read shows message 184
  /// with its path. True when the card now shows the file.
  bool loadCardFileAtStart(const std::string& path, int screenResolution, CompanionFiles& companions,
                           RendererState* pictures = nullptr);

  /// The common follow-up of the parameter control `control` (its ComboBox number): a geometry change
  /// while a frame is transparent tells once per run that it waits for opaque frames; a format or
  /// orientation change asks for the re-layout and the placement beside the card.
  ControlFollowUp afterControlChange(int control);

  /// Whether closing the main window frees it (not while card access was switched on from it).
  bool mainWindowCloseFrees() const { return state_.accessCount == 0; }

  /// There is no printer to print on: message 1131, a numbered warning.
  void warnNoPrinter();

  /// An error escaped a handler: message 142, then the error's own text.
  void reportUnhandledError(const std::string& what);

 private:
  std::string message(int id) const;

  CardModel& card_;
  Prompter& prompter_;
  PrinterService& printers_;
  ShellState state_;
  CardWindowState cardWindow_;
};

}  // namespace orvane
