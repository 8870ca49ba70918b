#include "shell/cv_print_commands.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "minicv/element_table.h"
#include "shell_fixture.h"
#include "support/recording_canvas.h"
#include "support/scripted_input_query.h"
#include "support/scripted_picture_service.h"
#include "text/rounding.h"

namespace orvane {

namespace {

std::string french(int id) { return catalogue::text(Language::French, id); }

struct CvPrintTest : ShellFixture {
  CvPrintTest() { sheet.open(false); }

  std::vector<CanvasCall> upwardTexts() const {
    return printers.pageCanvas->callsOf(CanvasCallKind::UpwardText);
  }
  // The texts the page drew on one line, fields and zone lines.
  /// The texts of the fields' lines and of the zones' pieces.
  std::vector<std::string> lineTexts() const {
    std::vector<std::string> texts;
    for (const CanvasCall& call : printers.pageCanvas->calls)
      if (call.kind == CanvasCallKind::TextLine || call.kind == CanvasCallKind::TextAt)
        texts.push_back(call.text);
    return texts;
  }

  minicv::CvSheet sheet;
  ScriptedPictureService pictures;
  FixedTextMetrics screen;
  ScriptedPrintDialogs dialogs;
  CvPrintSources sources{sheet, pictures, screen, 96, [] { return std::string("07/12/2026 13:00"); }, {}};
  PrintCommands printing{shell, printers, dialogs, prompter};
  CvPrintCommands commands{sources, printing, printers, prompter};
};

}  // namespace

// --- Print settings ------------------------------------------------------------------------------

TEST_F(CvPrintTest, TheOrientationFillsTheNumberPerPageList) {
  EXPECT_EQ(cvOrientation(sheet), CvOrientation::Unset);
  EXPECT_FALSE(sheet["ComboBox2"].enabled);

  chooseCvOrientation(sheet, 0);
  EXPECT_EQ(cvOrientation(sheet), CvOrientation::Horizontal);
  EXPECT_EQ(sheet["ComboBox2"].items, (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(sheet["ComboBox2"].text, "3");
  EXPECT_TRUE(sheet["ComboBox2"].enabled);
  EXPECT_EQ(sheet["Label9"].text, french(13));
  EXPECT_EQ(cvNumberPerPage(sheet), 0);  // shown, not chosen

  chooseCvOrientation(sheet, 1);
  EXPECT_EQ(sheet["ComboBox2"].items, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(sheet["ComboBox2"].text, "2");
  chooseCvNumberPerPage(sheet, 1);
  EXPECT_EQ(cvNumberPerPage(sheet), 2);
  chooseCvNumberPerPage(sheet, 5);  // not an item: nothing changes
  EXPECT_EQ(cvNumberPerPage(sheet), 2);
}

TEST_F(CvPrintTest, PrintItemsFollowTheAuditAndTheLoadedFile) {
  EXPECT_EQ(cvPrintItems(sheet, false).testPrint, false);
  EXPECT_EQ(cvPrintItems(sheet, false).synchronisation, false);
  sheet.state.cvLoaded = true;
  const CvPrintItems items = cvPrintItems(sheet, true);
  EXPECT_TRUE(items.testPrint && items.colourPrint && items.blackAndWhitePrint && items.synchronisation);
  EXPECT_FALSE(commands.printerAudited());
  commands.impressioncouleur1Click();
  EXPECT_TRUE(commands.printerAudited());
}

TEST_F(CvPrintTest, OpenedFromTheMainWindowThePrintsFollowItsCountOfPrinters) {
  // One printer: nothing is restricted.
  shell.detectPrinters(96);
  CvPrintItems items = cvPrintItems(sheet, true, shell.commandStates());
  EXPECT_TRUE(items.printerChoice && items.colourPrint && items.blackAndWhitePrint);

  // Two printers: both prints wait for a printer to be chosen; the test print follows the audit only.
  printers.printerCount = 2;
  shell.detectPrinters(96);
  items = cvPrintItems(sheet, true, shell.commandStates());
  EXPECT_TRUE(items.printerChoice && items.testPrint);
  EXPECT_FALSE(items.colourPrint || items.blackAndWhitePrint);
  shell.state().printerChosen = true;
  items = cvPrintItems(sheet, true, shell.commandStates());
  EXPECT_TRUE(items.colourPrint && items.blackAndWhitePrint);

  // No printer at all: the printer choice goes too.
  ScriptedPrinterService none = ScriptedPrinterService::withPrinters(0);
  CardEditorShell bare(card, prompter, none);
  bare.detectPrinters(96);
  items = cvPrintItems(sheet, false, bare.commandStates());
  EXPECT_FALSE(items.printerChoice || items.colourPrint || items.blackAndWhitePrint || items.testPrint);

  // The editor alone knows no main window: nothing restricts its prints.
  items = cvPrintItems(sheet, false);
  EXPECT_TRUE(items.printerChoice && items.colourPrint && items.blackAndWhitePrint);
}

TEST_F(CvPrintTest, TheCheckOfThePrintersAuditsOnlyAPrinterThatAnswers) {
  ScriptedPrinterService none = ScriptedPrinterService::withPrinters(0);
  CvPrintCommands withoutPrinter(sources, printing, none, prompter);
  withoutPrinter.checkPrinters();
  EXPECT_FALSE(withoutPrinter.printerAudited());

  commands.checkPrinters();
  EXPECT_TRUE(commands.printerAudited());
  EXPECT_TRUE(printers.jobs.empty());  // measured, nothing printed
  EXPECT_TRUE(prompter.texts().empty());
}

// --- Colour and black-and-white prints ------------------------------------------------------------

TEST_F(CvPrintTest, CopiesOnThePageFollowOrientationAndNumber) {
  commands.impressioncouleur1Click();  // nothing chosen: landscape, three copies
  ASSERT_EQ(printers.jobs.size(), 1U);
  EXPECT_EQ(printers.jobs[0].orientation, PageOrientation::Landscape);
  EXPECT_EQ(printers.jobs[0].title, "impression");
  EXPECT_EQ(upwardTexts().size(), 3U);
  EXPECT_EQ(upwardTexts()[0].text, "Orvane-Brevanel : 07/12/2026 13:00");
  EXPECT_EQ(upwardTexts()[0].font.name, "Times New Roman");
  // Each copy is one slot further right.
  EXPECT_LT(upwardTexts()[0].start.x, upwardTexts()[1].start.x);

  printers.pageCanvas->calls.clear();
  chooseCvOrientation(sheet, 0);
  chooseCvNumberPerPage(sheet, 0);  // "1": one copy in the first of three slots
  commands.impressioncouleur1Click();
  EXPECT_EQ(upwardTexts().size(), 1U);

  printers.pageCanvas->calls.clear();
  chooseCvOrientation(sheet, 1);
  chooseCvNumberPerPage(sheet, 1);
  dialogs.copies = 2;
  commands.impressionnoiretblanc1Click();
  EXPECT_EQ(printers.jobs.back().orientation, PageOrientation::Portrait);
  EXPECT_TRUE(printers.jobs[0].colour);
  EXPECT_FALSE(printers.jobs.back().colour);  // the printer is told black and white
  EXPECT_EQ(printers.jobs.back().pages, 2);   // one page per copy of the dialog
  EXPECT_EQ(upwardTexts().size(), 4U);        // two copies on each page
}

TEST_F(CvPrintTest, HiddenSignatureAndElementsThatAreOffDoNotPrint) {
  sheet["Edit3"].text = "42";
  sheet["Edit1"].text = "Durand";
  sheet.state.elemstat[minicv::ageElement] = 0;
  sheet.state.hideSignature = true;
  commands.impressioncouleur1Click();
  EXPECT_TRUE(upwardTexts().empty());
  const std::vector<std::string> texts = lineTexts();
  EXPECT_NE(std::ranges::find(texts, "Durand"), texts.end());
  EXPECT_EQ(std::ranges::find(texts, "42"), texts.end());
}

TEST_F(CvPrintTest, TriVersionPrintsTheThreeLoadedCvsSideBySide) {
  sheet.state.loadedFiles = {"a.ov4", "", "c.ov4"};
  std::vector<std::string> loaded;
  sources.loadCopy = [&](minicv::CvSheet& into, const std::string& file) {
    loaded.push_back(file);
    into["Edit1"].text = "CV " + file;
  };
  chooseCvOrientation(sheet, 0);
  chooseCvNumberPerPage(sheet, 2);
  commands.impressioncouleur1Click();
  EXPECT_EQ(loaded, (std::vector<std::string>{"a.ov4", "c.ov4"}));
  const std::vector<std::string> texts = lineTexts();
  EXPECT_NE(std::ranges::find(texts, "CV a.ov4"), texts.end());
  EXPECT_NE(std::ranges::find(texts, "CV c.ov4"), texts.end());
}

TEST_F(CvPrintTest, AZoneWhoseFirstLineFailsIsReportedAndTheRestPrints) {
  sheet["REdit1"].richText = RichText::fromPlainText("one\ntwo");
  sheet["REdit1"].height = 60;  // room for both lines
  printers.pageCanvas->textLineFailures = 1;
  // Nothing but the zone draws single lines: its first line is the first drawn.
  for (minicv::ControlId id = 0; id < static_cast<minicv::ControlId>(sheet.tree.size()); ++id) {
    minicv::Control& control = sheet.tree.at(id);
    if (control.kind == minicv::ControlKind::Edit || control.kind == minicv::ControlKind::CheckBox ||
        control.kind == minicv::ControlKind::RadioButton)
      control.visible = false;
  }
  sheet.state.hideSignature = true;
  chooseCvOrientation(sheet, 0);
  chooseCvNumberPerPage(sheet, 0);
  commands.impressioncouleur1Click();
  ASSERT_EQ(prompter.shown.size(), 1U);
  EXPECT_EQ(prompter.shown[0].text, french(112));
  const std::vector<std::string> texts = lineTexts();
  EXPECT_NE(std::ranges::find(texts, "two"), texts.end());
}

TEST_F(CvPrintTest, ImprimerAsksTheOrientationUntilItIsOneOrTwo) {
  ScriptedInputQuery query;
  query.answers = {std::string("x"), std::string("2")};
  commands.Imprimer1Click(query);
  ASSERT_EQ(query.asked.size(), 2U);
  EXPECT_EQ(query.asked[0].title, french(1145));
  EXPECT_EQ(query.asked[0].prompt, french(1163));
  EXPECT_EQ(query.asked[0].proposed, "1");
  EXPECT_EQ(cvOrientation(sheet), CvOrientation::Horizontal);
  EXPECT_EQ(printers.jobs.back().orientation, PageOrientation::Landscape);

  query.answers = {std::nullopt};
  EXPECT_TRUE(commands.Imprimer1Click(query).cancelled);
  EXPECT_EQ(printers.jobs.size(), 1U);
}

// --- The personal details on paper ------------------------------------------------------------------

TEST_F(CvPrintTest, ALongPrintedLabelMovesTheFieldColumnAndThePhoto) {
  sheet["Label1"].text = std::string(80, 'n');
  sheet["zImage1"].picturePath = "photo.bmp";
  pictures.files["photo.bmp"] = Image(4, 4);
  chooseCvOrientation(sheet, 0);
  chooseCvNumberPerPage(sheet, 0);
  commands.impressioncouleur1Click();
  PrinterMeasurements landscape = *printers.measurements;
  std::swap(landscape.printableWidthMm, landscape.printableHeightMm);
  const int margin = computePageMargins(landscape, printRatios(landscape.resolution, 96), 96).leftOffset;
  const double k = cvPageScale(landscape, margin, 3);
  const minicv::Control& label = sheet["Label1"];
  EXPECT_EQ(label.width, widenedLabelWidth(80 * printers.pageCanvas->characterWidth / k));
  EXPECT_EQ(sheet["Edit1"].left, label.left + label.width + 10);
  EXPECT_EQ(sheet["Edit2"].left, sheet["Edit1"].left);
  // The photo stands clear of the widened details.
  const auto images = printers.pageCanvas->callsOf(CanvasCallKind::Image);
  ASSERT_EQ(images.size(), 1U);
  EXPECT_GT(images[0].rect.left, roundToInt(k * 330) + margin);
}

// --- Test print ---------------------------------------------------------------------------------------

TEST_F(CvPrintTest, TestPrintReportsNothingForASheetThatFits) {
  const CvTestPrintReport report = commands.impression1Click(0);
  ASSERT_TRUE(report.ran);
  EXPECT_EQ(report.outOfBounds, 0);
  ASSERT_EQ(printers.jobs.size(), 1U);
  EXPECT_EQ(printers.jobs[0].title, "test impression");
  EXPECT_TRUE(printers.jobs[0].aborted);
  EXPECT_FALSE(printers.jobs[0].finished);
  EXPECT_EQ(report.reportLines,
            (std::vector<std::string>{french(116), french(117) + "horizontal", french(118) + "3",
                                      french(119) + "0", french(120) + "0"}));
  ASSERT_EQ(prompter.shown.size(), 1U);
  EXPECT_EQ(prompter.shown[0].text, report.reportLines[0] + "\n" + report.reportLines[1] + "\n" +
                                        report.reportLines[2] + "\n" + report.reportLines[3] + "\n" +
                                        report.reportLines[4]);
}

TEST_F(CvPrintTest, TestPrintReportsEachOverflowUntilAbort) {
  const int labelWidthBefore = sheet["Label1"].width;
  sheet["GroupBox4"].height = 3000;  // far below an A4 page, with the zone frames inside it
  sheet["REdit1"].richText = RichText::fromPlainText(std::string(200, 'w') + "\tend  ");
  chooseCvOrientation(sheet, 1);
  const CvTestPrintReport report = commands.impression1Click(2);
  EXPECT_GE(report.outOfBounds, 2);
  EXPECT_EQ(prompter.shown[0].text, french(101) + sheet["GroupBox4"].hint + french(102));
  const auto wide = std::ranges::find_if(
      prompter.shown, [](const auto& shown) { return shown.text.starts_with(french(103)); });
  ASSERT_NE(wide, prompter.shown.end());
  EXPECT_EQ(wide->text, french(103) + sheet["REdit1"].hint + french(104) + "\r" + std::string(200, 'w') +
                            std::string(8, ' ') + "end");
  EXPECT_EQ(report.reportLines[1], french(117) + "vertical");
  EXPECT_EQ(report.reportLines[2], french(118) + "2");
  EXPECT_EQ(report.reportLines[4], french(120) + std::to_string(report.outOfBounds));
  EXPECT_EQ(sheet["Label1"].width, labelWidthBefore);  // the editor's sheet is left as it was

  prompter.shown.clear();
  prompter.answers = {Answer::Abort};
  EXPECT_EQ(commands.impression1Click(2).outOfBounds, 1);
  EXPECT_EQ(prompter.shown.size(), 2U);  // the first overflow, then the report
}

}  // namespace orvane
