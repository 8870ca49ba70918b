#include "shell/card_editor_shell.h"

#include <algorithm>
#include <array>

#include "catalogue/catalogue.h"
#include "shell/open_card_file.h"
#include "text/rounding.h"

namespace orvane {

namespace {
constexpr int messageNoPrinter = 1131;
constexpr int messageShow = 159;
constexpr int messageHide = 158;
constexpr int messageAccessNeedsOpaqueFrames = 1101;
constexpr int patternCardAccess = 1052;
constexpr int messageUnhandledError = 142;
constexpr Colour editedFrameColour = 0xFFFFFF;
constexpr int messageAppliedWhenOpaque = 1116;
// The controls whose change waits for opaque frames: frame geometry, frame 2 placement, card size.
constexpr std::array geometryControls{1, 2, 3, 4, 7, 8, 13, 14, 15, 18, 19};
constexpr int formatControl = 16;
constexpr int orientationControl = 20;
}  // namespace

CardEditorShell::CardEditorShell(CardModel& card, Prompter& prompter, PrinterService& printers)
    : card_(card), prompter_(prompter), printers_(printers) {}

std::string CardEditorShell::message(int id) const { return catalogue::text(state_.interfaceLanguage, id); }

void CardEditorShell::detectPrinters(int screenResolution) {
  const auto resolution = printers_.currentResolution();
  state_.screenResolution = screenResolution;
  state_.installedPrinters = printers_.installedPrinterCount();
  state_.printerExists = resolution.has_value();
  if (!resolution) {
    warnNoPrinter();
    return;
  }
  state_.printerRatios = printRatios(*resolution, screenResolution);
}

void CardEditorShell::warnNoPrinter() {
  prompter_.show(MessageKind::Warning, message(messageNoPrinter), Buttons::Ok, helpContextNumbered);
}

CommandStates CardEditorShell::commandStates() const {
  CommandStates states;
  states.printerChoice = state_.printerExists;
  // Printing is offered at once when the only printer is the obvious one; with several, the user
  // picks one with "&Imprimante" first.
  const bool printable = state_.printerExists && (state_.printerChosen || state_.installedPrinters == 1);
  states.printColour = printable;
  states.printBlackWhite = printable;
  states.audit = state_.anythingLoaded;
  states.miniCvPrint = state_.miniCvExists;
  states.miniCvSave = state_.miniCvExists;
  return states;
}

int CardEditorShell::centred(int screen, int window) { return roundToInt((screen - window) * 0.5); }

int CardEditorShell::mainWindowLeftBesideCard(const PlacementInput& placement) {
  const int besideCard = placement.cardLeft + placement.cardWidth + 5;
  if (besideCard > (placement.screenWidth - placement.mainWindowWidth) * 0.5) return besideCard;
  return centred(placement.screenWidth, placement.mainWindowWidth);
}

CardVisibility CardEditorShell::toggleCardVisibility(const PlacementInput& placement) {
  CardVisibility result;
  if (state_.cardShown) {
    state_.cardShown = false;
    result.buttonCaption = message(messageShow);
    return result;
  }
  state_.cardShown = true;
  result.showCard = true;
  result.mainWindowLeft = mainWindowLeftBesideCard(placement);
  result.buttonCaption = message(messageHide);
  return result;
}

AccessChange CardEditorShell::toggleCardAccess() {
  if (card_.frame(1).frameTransparent || card_.frame(2).frameTransparent) {
    prompter_.show(MessageKind::Information, message(messageAccessNeedsOpaqueFrames));
    return AccessChange::Refused;
  }
  if (card_.cardAccess) {
    endCardAccess();
    return AccessChange::SwitchedOff;
  }
  setCardAccess(card_, true);
  ++state_.accessCount;
  return AccessChange::SwitchedOn;
}

void CardEditorShell::endCardAccess() {
  setCardAccess(card_, false);
  state_.accessCount = 0;
}

void CardEditorShell::okOnCard() {
  endCardAccess();
  cardWindow_.closeGuard = true;
  cardWindow_.okConfirmed = true;
}

void CardEditorShell::frameHovered(int number) {
  if (!card_.cardAccess) return;
  card_.frame(number).frameColor = editedFrameColour;
  FrameModel& other = card_.frame(3 - number);
  other.frameColor = other.accessColor;
}

std::string CardEditorShell::accessCaption() const {
  return catalogue::format(state_.interfaceLanguage, patternCardAccess, card_.cardAccess ? " -" : " +");
}

void CardEditorShell::reportUnhandledError(const std::string& what) {
  prompter_.show(MessageKind::Plain, message(messageUnhandledError));
  prompter_.show(MessageKind::Error, what);
}

bool CardEditorShell::loadCardFileAtStart(const std::string& path, int screenResolution,
                                          CompanionFiles& companions, RendererState* pictures) {
  CardFileOpening opening;
  opening.screenResolution = screenResolution;
  opening.language = state_.interfaceLanguage;
  const OpenedCardFile opened = openCardFile(card_, path, opening, companions, prompter_, pictures);
  if (!opened.loaded) return false;
  state_.anythingLoaded = true;
  if (opened.decorationsNamed) cardWindow_.decorationsPresent = true;
  return true;
}

ControlFollowUp CardEditorShell::afterControlChange(int control) {
  ControlFollowUp followUp;
  if (std::ranges::find(geometryControls, control) != geometryControls.end()) {
    const bool transparent = card_.frame(1).frameTransparent || card_.frame(2).frameTransparent;
    if (transparent && !state_.transparencyNoticeShown) {
      prompter_.show(MessageKind::Information, message(messageAppliedWhenOpaque));
      state_.transparencyNoticeShown = true;
    }
    return followUp;
  }
  if (control == formatControl) followUp.relayout = followUp.redrawTransparentFrames = true;
  if (control == formatControl || control == orientationControl) followUp.placeBesideCard = state_.cardShown;
  return followUp;
}

}  // namespace orvane
