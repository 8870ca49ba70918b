#include "shell/card_editor_shell.h"

#include <gtest/gtest.h>

#include "shell_fixture.h"
#include "temporary_folder.h"

namespace orvane {

namespace {

const std::string noPrinterWarning =
    "Aucune imprimante définie, vous ne pourrez pas lancer d'impression - Avertissement 10";

}  // namespace

TEST_F(ShellFixture, NoPrinterWarnsOnceAndDisablesThePrinterCommands) {
  printers = ScriptedPrinterService::withPrinters(0);
  shell.detectPrinters(96);
  ASSERT_EQ(prompter.texts(), std::vector<std::string>{noPrinterWarning});
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(prompter.shown[0].helpContext, 9);
  const CommandStates states = shell.commandStates();
  EXPECT_FALSE(states.printerChoice);
  EXPECT_FALSE(states.printColour);
  EXPECT_FALSE(states.printBlackWhite);
}

TEST_F(ShellFixture, PrintCommandsNeedOnePrinterOrAChosenOne) {
  shell.detectPrinters(96);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_DOUBLE_EQ(shell.state().printerRatios.x, 6.25);
  EXPECT_TRUE(shell.commandStates().printColour);
  EXPECT_TRUE(shell.commandStates().printBlackWhite);

  printers = ScriptedPrinterService::withPrinters(2, 300);
  shell.detectPrinters(120);
  EXPECT_DOUBLE_EQ(shell.state().printerRatios.y, 2.5);
  EXPECT_TRUE(shell.commandStates().printerChoice);
  EXPECT_FALSE(shell.commandStates().printColour);
  shell.state().printerChosen = true;
  EXPECT_TRUE(shell.commandStates().printColour);
}

TEST_F(ShellFixture, AuditAndMiniCvCommandsFollowWhatExists) {
  EXPECT_FALSE(shell.commandStates().audit);
  EXPECT_FALSE(shell.commandStates().miniCvPrint);
  shell.state().anythingLoaded = true;
  shell.state().miniCvExists = true;
  EXPECT_TRUE(shell.commandStates().audit);
  EXPECT_TRUE(shell.commandStates().miniCvPrint);
  EXPECT_TRUE(shell.commandStates().miniCvSave);
}

TEST_F(ShellFixture, ShowingTheCardMovesTheMainWindowBesideItOrCentresIt) {
  // Start card at x 9, 182 wide: 9 + 182 + 5 = 196 is left of the centre (1920 - 638) / 2 = 641.
  CardVisibility shown = shell.toggleCardVisibility({9, 182, 1920, 638});
  EXPECT_TRUE(shown.showCard);
  EXPECT_EQ(shown.mainWindowLeft, 641);
  EXPECT_EQ(shown.buttonCaption, "masquer");

  CardVisibility hidden = shell.toggleCardVisibility({9, 182, 1920, 638});
  EXPECT_FALSE(hidden.showCard);
  EXPECT_FALSE(hidden.mainWindowLeft.has_value());
  EXPECT_EQ(hidden.buttonCaption, "voir");

  // On a narrow screen the card's right edge wins: 9 + 182 + 5 = 196 > (800 - 638) / 2.
  EXPECT_EQ(shell.toggleCardVisibility({9, 182, 800, 638}).mainWindowLeft, 196);
  // An odd difference rounds half to even: (801 - 638) / 2 = 81.5 -> 82; (803 - 638) / 2 = 82.5 -> 82.
  EXPECT_EQ(CardEditorShell::centred(801, 638), 82);
  EXPECT_EQ(CardEditorShell::centred(803, 638), 82);
}

TEST_F(ShellFixture, CardAccessTogglesFramesCaptionsAndTheAccessCount) {
  EXPECT_EQ(shell.accessCaption(), "accès carte +");
  card.frame(1).frameColor = 0x123456;
  ASSERT_EQ(shell.toggleCardAccess(), AccessChange::SwitchedOn);
  EXPECT_TRUE(card.cardAccess);
  EXPECT_FALSE(card.frame(1).readOnly);
  EXPECT_FALSE(card.frame(2).readOnly);
  EXPECT_EQ(card.frame(1).accessColor, 0x123456u);
  EXPECT_EQ(shell.state().accessCount, 1);
  EXPECT_FALSE(shell.mainWindowCloseFrees());
  EXPECT_EQ(shell.accessCaption(), "accès carte -");

  card.frame(1).frameColor = 0xFFFFFF;  // painted white while being edited
  ASSERT_EQ(shell.toggleCardAccess(), AccessChange::SwitchedOff);
  EXPECT_TRUE(card.frame(1).readOnly);
  EXPECT_EQ(card.frame(1).frameColor, 0x123456u);
  EXPECT_EQ(shell.state().accessCount, 0);
  EXPECT_TRUE(shell.mainWindowCloseFrees());
  EXPECT_TRUE(prompter.shown.empty());

  shell.state().interfaceLanguage = Language::German;
  EXPECT_EQ(shell.accessCaption(), "Karte-Zugang +");
}

TEST_F(ShellFixture, CardAccessIsRefusedWhileAFrameIsTransparent) {
  card.frame(2).frameTransparent = true;
  EXPECT_EQ(shell.toggleCardAccess(), AccessChange::Refused);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{
                "Pour l'accès à la carte veuillez préalablement rendre opaques les zones d'édition"});
  EXPECT_FALSE(card.cardAccess);
  EXPECT_EQ(shell.state().accessCount, 0);
}

TEST_F(ShellFixture, AGeometryChangeOverATransparentFrameIsNoticedOncePerRun) {
  EXPECT_EQ(shell.afterControlChange(1), ControlFollowUp{});
  EXPECT_TRUE(prompter.shown.empty());  // opaque frames: nothing to tell

  card.frame(1).frameTransparent = true;
  for (int control : {5, 6, 9, 10, 11, 12, 17}) shell.afterControlChange(control);
  EXPECT_TRUE(prompter.shown.empty());  // alignment, icon and spacing lists never tell
  shell.afterControlChange(14);
  shell.afterControlChange(18);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{
                "Les modifications seront appliquées après avoir rendu les deux cadres opaques"});
}

TEST_F(ShellFixture, FormatAndOrientationChangesAskForTheReLayoutAndThePlacement) {
  EXPECT_EQ(shell.afterControlChange(20), ControlFollowUp{});  // the card is hidden: nothing to place
  EXPECT_EQ(shell.afterControlChange(16), (ControlFollowUp{true, true, false}));
  shell.state().cardShown = true;
  EXPECT_EQ(shell.afterControlChange(20), (ControlFollowUp{false, false, true}));
  EXPECT_EQ(shell.afterControlChange(16), (ControlFollowUp{true, true, true}));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ShellFixture, AnUnhandledErrorShowsMessage142ThenTheErrorText) {
  shell.state().interfaceLanguage = Language::English;
  shell.reportUnhandledError("disque plein");
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Plain);
  EXPECT_EQ(prompter.shown[1].kind, MessageKind::Error);
  EXPECT_EQ(prompter.shown[1].text, "disque plein");
}

}  // namespace orvane

namespace orvane {

TEST_F(ShellFixture, OkOnTheCardEndsAccessAndGuardsTheClose) {
  card.frame(1).frameColor = 0x010203;
  card.frame(2).frameColor = 0x040506;
  shell.toggleCardAccess();
  shell.frameHovered(1);
  EXPECT_EQ(card.frame(1).frameColor, 0xFFFFFFu);
  EXPECT_EQ(card.frame(2).frameColor, 0x040506u);
  shell.frameHovered(2);
  EXPECT_EQ(card.frame(1).frameColor, 0x010203u);
  EXPECT_EQ(card.frame(2).frameColor, 0xFFFFFFu);

  shell.okOnCard();
  EXPECT_FALSE(card.cardAccess);
  EXPECT_TRUE(card.frame(1).readOnly && card.frame(2).readOnly);
  EXPECT_EQ(card.frame(2).frameColor, 0x040506u);
  EXPECT_EQ(shell.state().accessCount, 0);
  EXPECT_EQ(shell.accessCaption(), "accès carte +");
  EXPECT_TRUE(shell.cardWindow().closeOnlyHides());
  EXPECT_FALSE(shell.cardWindow().closed);

  // Without access the frames keep their colours whatever the mouse does.
  shell.frameHovered(1);
  EXPECT_EQ(card.frame(1).frameColor, 0x010203u);
}

TEST_F(ShellFixture, DecorationRepaintsAreSuspendedUntilAppliquer) {
  CardWindowState& window = shell.cardWindow();
  EXPECT_FALSE(window.repaintAllowed(shell.state()));  // nothing to draw yet
  window.apply();
  EXPECT_TRUE(window.repaintAllowed(shell.state()));

  window.mouseMoved = true;
  EXPECT_FALSE(window.repaintAllowed(shell.state()));
  window.apply();
  shell.state().mouseOverPanel = true;
  EXPECT_FALSE(window.repaintAllowed(shell.state()));
  shell.state().mouseOverPanel = false;

  shell.okOnCard();
  EXPECT_FALSE(window.repaintAllowed(shell.state()));
  window.hidden();
  EXPECT_TRUE(window.repaintAllowed(shell.state()));
  shell.state().quitting = true;
  EXPECT_FALSE(window.repaintAllowed(shell.state()));
}

TEST_F(ShellFixture, ClosingTheCardWindowBeforeOkDestroysIt) {
  EXPECT_FALSE(shell.cardWindow().closeOnlyHides());
  EXPECT_TRUE(shell.cardWindow().closed);
}

TEST_F(ShellFixture, ACardFileNamedAtStartLoadsOrTellsWhyNot) {
  testing::TemporaryFolder workingCopies;
  CompanionFiles companions{prompter, shell.state().interfaceLanguage};
  companions.workingCopyFolder = workingCopies.file("");

  const std::string absent = workingCopies.file("absent.ov1");
  EXPECT_FALSE(shell.loadCardFileAtStart(absent, 96, companions));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Fichier non trouvé : " + absent});
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
  // A name too short for a card file is refused by the loader's own message alone.
  EXPECT_FALSE(shell.loadCardFileAtStart("a.o", 96, companions));
  EXPECT_EQ(prompter.shown.size(), 2u);
  EXPECT_FALSE(shell.commandStates().audit);

  EXPECT_TRUE(
      shell.loadCardFileAtStart(std::string(ORVANE_TEST_DATA) + "/cardfile/carte.ov1", 96, companions));
  EXPECT_TRUE(shell.commandStates().audit);
  EXPECT_TRUE(shell.cardWindow().decorationsPresent);
}

}  // namespace orvane
