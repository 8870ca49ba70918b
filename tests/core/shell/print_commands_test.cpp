#include "shell/print_commands.h"

#include <gtest/gtest.h>

#include "shell_fixture.h"

namespace orvane {

namespace {

struct PrintCommandsTest : ShellFixture {
  ScriptedPrintDialogs dialogs;
  PrintCommands commands{shell, printers, dialogs, prompter};
  // What each drawn page saw: the page's size and the mode the shell was in.
  struct DrawnPage {
    int width;
    int height;
    PrintMode mode;
    bool testPrint;
  };
  std::vector<DrawnPage> drawn;
  PageDrawing draw = [this](Canvas&, const PrinterMeasurements& page) {
    drawn.push_back(
        {page.pageWidth, page.pageHeight, shell.state().lastPrintMode, shell.state().testPrintMode});
  };
};

}  // namespace

TEST_F(PrintCommandsTest, CardStockGivesThePaperAndRefusesACardLargerThanItsCells) {
  CardStock stock;
  stock.followsCard = false;
  stock.name = "US Letter";
  stock.paper = {215.9, 279.4};
  stock.cell = {88.9, 50.8};
  shell.state().cardStock = stock;
  card.cardWidth = 321;
  card.cardHeight = 192;
  EXPECT_EQ(commands.mimpcouleurs_click(draw).pages, 1);
  ASSERT_EQ(printers.jobs.size(), 1U);
  EXPECT_EQ(printers.jobs[0].paper, stock.paper);
  EXPECT_EQ(printers.jobs[0].orientation, PageOrientation::Portrait);

  card.cardHeight = 293;
  const PrintOutcome refused = commands.mimpneb_click(draw);
  EXPECT_TRUE(refused.failed);
  EXPECT_EQ(dialogs.printDialogs, 1) << "refused before the print dialog";
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_EQ(
      prompter.shown.back().text,
      "La carte (84.9 x 77.5 mm) est plus grande que les cases de la feuille US Letter (88.9 x 50.8 mm) : "
      "choisissez une autre feuille ou réduisez la carte.");
}

TEST_F(PrintCommandsTest, EachCopyIsOnePageOfOneJobCalledImpression) {
  dialogs.copies = 3;
  const PrintOutcome three = commands.mimpcouleurs_click(draw);
  EXPECT_EQ(three.pages, 3);
  ASSERT_EQ(printers.jobs.size(), 1U);
  EXPECT_EQ(printers.jobs[0].title, "impression");
  EXPECT_EQ(printers.jobs[0].pages, 3);
  EXPECT_TRUE(printers.jobs[0].finished);
  EXPECT_EQ(drawn.size(), 3U);

  dialogs.copies = 1;
  commands.mimpneb_click(draw);
  EXPECT_EQ(printers.jobs[1].pages, 1);  // no page break after a single copy
  // The printer is told the mode: a colour sheet on a printer that defaults to grey, and the reverse.
  EXPECT_TRUE(printers.jobs[0].colour);
  EXPECT_FALSE(printers.jobs[1].colour);
  EXPECT_EQ(drawn.back().mode, PrintMode::BlackAndWhite);
  EXPECT_EQ(shell.state().lastPrintMode, PrintMode::BlackAndWhite);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(PrintCommandsTest, TheCardsOrientationTurnsThePage) {
  card.orientation = Orientation::Unset;
  commands.mimpcouleurs_click(draw);
  card.orientation = Orientation::Horizontal;
  commands.mimpcouleurs_click(draw);
  card.orientation = Orientation::Vertical;
  commands.mimpcouleurs_click(draw);
  ASSERT_EQ(printers.jobs.size(), 3U);
  EXPECT_EQ(printers.jobs[0].orientation, PageOrientation::Portrait);
  EXPECT_EQ(printers.jobs[1].orientation, PageOrientation::Landscape);
  EXPECT_EQ(printers.jobs[2].orientation, PageOrientation::Portrait);
  // The sheet is laid out on the page as the job turned it.
  EXPECT_LT(drawn[0].width, drawn[0].height);
  EXPECT_GT(drawn[1].width, drawn[1].height);
}

TEST_F(PrintCommandsTest, ACancelledDialogPrintsNothingAndARefusedJobIsReported) {
  dialogs.copies.reset();
  EXPECT_TRUE(commands.mimpcouleurs_click(draw).cancelled);
  EXPECT_TRUE(printers.jobs.empty());
  EXPECT_TRUE(prompter.shown.empty());

  dialogs.copies = 2;
  printers.refuseJobs = true;
  const PrintOutcome refused = commands.mimpcouleurs_click(draw);
  EXPECT_TRUE(refused.failed);
  EXPECT_TRUE(drawn.empty());
  ASSERT_EQ(prompter.shown.size(), 2U);
  EXPECT_EQ(prompter.shown[0].text, "Orvane : une erreur non gérée s'est produite");
  EXPECT_EQ(prompter.shown[1].kind, MessageKind::Error);
  EXPECT_EQ(prompter.shown[1].text, "impression interrompue : l'imprimante a refusé le document");

  // A document the printer takes and then abandons is no more printed than a refused one.
  prompter.shown.clear();
  printers.refuseJobs = false;
  printers.abandonJobs = "Destination \"laser\" is not accepting jobs.";
  const PrintOutcome abandoned = commands.mimpneb_click(draw);
  EXPECT_TRUE(abandoned.failed);
  EXPECT_TRUE(printers.jobs.back().finished);
  ASSERT_EQ(prompter.shown.size(), 2U);
  EXPECT_EQ(prompter.shown[0].text, "Orvane : une erreur non gérée s'est produite");
  EXPECT_EQ(prompter.shown[1].text,
            "impression interrompue : l'imprimante a refusé le document : Destination \"laser\" is not "
            "accepting jobs.");
}

TEST_F(PrintCommandsTest, ADocumentStoppedOrRefusedPartWayIsDroppedWhole) {
  dialogs.copies = 2;
  int copiesAsked = 0;
  PrintOutcome drawing{.pages = 3};
  const DocumentDrawing document = [&](PrintJob& job, int copies) {
    copiesAsked = copies;
    job.newPage();
    return drawing;
  };
  const PrintOutcome printed = commands.printDocument(document);
  EXPECT_EQ(copiesAsked, 2);
  EXPECT_EQ(printed.pages, 3);
  EXPECT_TRUE(printers.jobs.back().finished);
  EXPECT_TRUE(prompter.shown.empty());

  // Stopped by the user: dropped, and nothing said.
  drawing.cancelled = true;
  EXPECT_TRUE(commands.printDocument(document).cancelled);
  EXPECT_TRUE(printers.jobs.back().aborted);
  EXPECT_FALSE(printers.jobs.back().finished);
  EXPECT_TRUE(prompter.shown.empty());

  // A page the printer refused: dropped, and the user told.
  drawing.cancelled = false;
  drawing.failed = true;
  EXPECT_TRUE(commands.printDocument(document).failed);
  EXPECT_TRUE(printers.jobs.back().aborted);
  EXPECT_FALSE(printers.jobs.back().finished);
  ASSERT_EQ(prompter.shown.size(), 2U);
  EXPECT_EQ(prompter.shown[1].text, "impression interrompue : l'imprimante a refusé le document");
}

TEST_F(PrintCommandsTest, TheTestPrintAsksInFrenchAndPrintsOneCardInTheModeAnswered) {
  shell.state().interfaceLanguage = Language::English;
  prompter.answers = {Answer::No, Answer::Yes};
  commands.testimpr(draw);
  commands.testimpr(draw);
  EXPECT_EQ(dialogs.printDialogs, 2);  // one print dialog whatever the answer
  ASSERT_EQ(drawn.size(), 2U);
  EXPECT_EQ(drawn[0].mode, PrintMode::BlackAndWhite);
  EXPECT_EQ(drawn[1].mode, PrintMode::InColour);
  EXPECT_TRUE(drawn[0].testPrint && drawn[1].testPrint);
  EXPECT_FALSE(shell.state().testPrintMode);
  ASSERT_EQ(prompter.shown.size(), 2U);
  EXPECT_EQ(prompter.shown[0].text, "Voulez-vous faire un test d'impression en couleur ?");
  EXPECT_EQ(prompter.shown[0].title, "Orvane : demande de confirmation");
  EXPECT_EQ(prompter.shown[0].buttons, Buttons::YesNo);

  // A cancelled print dialog still ends the test print mode.
  dialogs.copies.reset();
  commands.testimpr(draw);
  EXPECT_FALSE(shell.state().testPrintMode);
}

TEST_F(PrintCommandsTest, TheTestPrintWithoutAPrinterSaysSo) {
  printers = ScriptedPrinterService::withPrinters(0);
  prompter.answers = {Answer::Yes};
  const PrintOutcome outcome = commands.testimpr(draw);
  EXPECT_TRUE(outcome.failed);
  EXPECT_EQ(dialogs.printDialogs, 0);
  EXPECT_TRUE(printers.jobs.empty());
  ASSERT_EQ(prompter.shown.size(), 2U);  // the question, then why nothing prints
  EXPECT_EQ(prompter.shown[1].kind, MessageKind::Warning);
  EXPECT_EQ(prompter.shown[1].text,
            "Aucune imprimante définie, vous ne pourrez pas lancer d'impression - Avertissement 10");
  EXPECT_FALSE(shell.state().testPrintMode);
}

TEST_F(PrintCommandsTest, PrinterSetupReportsThePrinterAndAllowsPrinting) {
  printers = ScriptedPrinterService::withPrinters(2, 600);
  printers.measurements = PrinterMeasurements::a4(600, 100);  // 4.23 mm of unprintable border
  printers.measurements->blendCapabilities = 3;
  shell.detectPrinters(96);
  ASSERT_FALSE(shell.commandStates().printColour);

  dialogs.setupConfirmed = false;
  EXPECT_FALSE(commands.Imprimante1Click(96));
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_FALSE(shell.state().printerChosen);

  dialogs.setupConfirmed = true;
  EXPECT_TRUE(commands.Imprimante1Click(96));
  ASSERT_EQ(prompter.shown.size(), 1U);
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Plain);
  EXPECT_EQ(prompter.shown[0].text,
            "l'imprimante actuellement sélectionnée a un espace imprimable (en mm) de : 202 X 289\r"
            "les dimensions de la page en points sont :4961 ; 7016\r"
            "les marges horizontales et verticales sont (en mm) :4.23 ; 4.23\r"
            "la résolution de l'imprimante est en dpi : 600 ; 600 ; \r"
            "Capacité alphablend : 3");
  EXPECT_TRUE(shell.commandStates().printColour);
  EXPECT_TRUE(shell.commandStates().printBlackWhite);
  ASSERT_TRUE(commands.measured());
  EXPECT_DOUBLE_EQ(commands.measured()->ratios.x, 6.25);
}

}  // namespace orvane
