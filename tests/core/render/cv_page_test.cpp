#include "render/cv_page.h"

#include <gtest/gtest.h>

#include "support/recording_canvas.h"
#include "support/scripted_picture_service.h"
#include "support/scripted_services.h"

namespace orvane {
namespace {

using minicv::Control;
using minicv::ControlKind;
using minicv::ControlTree;

TEST(CvPageRules, SlotsAndCopiesFollowTheNumberPerPageAndTheOrientation) {
  EXPECT_EQ(cvPageSlots(0, false), (CvPageSlots{3, 3}));  // landscape, nothing chosen: three copies
  EXPECT_EQ(cvPageSlots(0, true), (CvPageSlots{2, 2}));
  EXPECT_EQ(cvPageSlots(1, false), (CvPageSlots{3, 1}));  // one copy in the first of three slots
  EXPECT_EQ(cvPageSlots(1, true), (CvPageSlots{2, 1}));
  EXPECT_EQ(cvPageSlots(2, true), (CvPageSlots{2, 2}));
  EXPECT_EQ(cvPageSlots(3, false), (CvPageSlots{3, 3}));
}

TEST(CvPageRules, OutlineColourComesFromTheBalanceOfTheFrameColour) {
  EXPECT_EQ(frameOutlineColour(rgb(0xFF, 0xC0, 0x80)), rgb(0xFF, 0, 0));     // red strongest
  EXPECT_EQ(frameOutlineColour(rgb(0x10, 0xC0, 0x80)), rgb(0, 0x80, 0));     // green strongest
  EXPECT_EQ(frameOutlineColour(rgb(0x10, 0x20, 0x80)), rgb(0, 0, 0xFF));     // blue strongest
  EXPECT_EQ(frameOutlineColour(rgb(0x40, 0x10, 0x40)), rgb(0x88, 0, 0x88));  // red = blue
  EXPECT_EQ(frameOutlineColour(rgb(0x40, 0x40, 0x10)), rgb(0x88, 0x88, 0));  // red = green
  EXPECT_EQ(frameOutlineColour(rgb(0x10, 0x40, 0x40)), rgb(0, 0x88, 0x88));  // green = blue
  EXPECT_EQ(frameOutlineColour(rgb(0xC0, 0xC0, 0xC0)), rgb(0x80, 0x80, 0x80));
}

TEST(CvPageRules, LabelsWidenLessAsTheirCaptionsGrow) {
  EXPECT_EQ(widenedLabelWidth(50), 62);  // 62.5 rounds to even
  EXPECT_EQ(widenedLabelWidth(51), 59);
  EXPECT_EQ(widenedLabelWidth(100), 115);
  EXPECT_EQ(widenedLabelWidth(101), 111);
  EXPECT_EQ(widenedLabelWidth(200), 220);
  EXPECT_EQ(widenedLabelWidth(201), 211);
}

TEST(CvPageRules, ScaleDividesThePrintableWidthLessTheMarginAmongTheSlots) {
  PrinterMeasurements printer = PrinterMeasurements::a4(600);
  printer.printableWidthMm = 200;
  EXPECT_DOUBLE_EQ(cvPageScale(printer, 0, 2), 200 / 25.4 * 600 / 900);
  EXPECT_DOUBLE_EQ(cvPageScale(printer, 50, 3), (200 / 25.4 * 600 - 50) / 1350);
}

class CvPageDrawing : public ::testing::Test {
 protected:
  CvPageDrawing() {
    settings.printer = PrinterMeasurements::a4(96);
    settings.printer.printableWidthMm = 254;  // 960 dots: k = 960 / 900 in portrait
    settings.dateTime = "07/12/2026 10:00";
    const auto panel =
        sheet.add({.kind = ControlKind::Panel, .name = "Panel1", .left = 8, .width = 449, .height = 585});
    const auto frame = sheet.add({.kind = ControlKind::GroupBox,
                                  .name = "GroupBox1",
                                  .parent = panel,
                                  .left = 15,
                                  .top = 45,
                                  .width = 280,
                                  .height = 100,
                                  .colour = rgb(0xFF, 0xC0, 0x80)});
    sheet.add({.kind = ControlKind::Edit,
               .name = "Edit1",
               .parent = frame,
               .left = 110,
               .top = 10,
               .width = 155,
               .height = 19,
               .text = "Marie"});
    sheet.add({.kind = ControlKind::Edit,
               .name = "Edit3",
               .parent = frame,
               .left = 110,
               .top = 54,
               .width = 30,
               .height = 19,
               .text = "41"});
    sheet.add({.kind = ControlKind::GroupBox,
               .name = "GroupBox3",
               .parent = panel,
               .left = 464,
               .width = 169,
               .height = 417,
               .text = "Eléments optionnels"});
  }

  std::vector<CanvasCall> texts() const { return canvas.callsOf(CanvasCallKind::TextAt); }

  ControlTree sheet;
  RecordingCanvas canvas;
  ScriptedPictureService pictures;
  FixedTextMetrics screen;
  CvPageSettings settings;
  CvElementFilter everything = [](const Control&) { return true; };
};

// k = 960 / 900 dots per sheet pixel throughout.
TEST_F(CvPageDrawing, EachCopyLandsInItsOwnSlotAtTheScaledPosition) {
  const CvPageResult result = drawCvPage(sheet, canvas, pictures, screen, settings, everything, {});
  EXPECT_TRUE(result.drawn);
  const auto lines = texts();
  ASSERT_EQ(lines.size(), 4u);  // two fields in each of two copies; the side column never prints
  // Edit1 sits at sheet (125, 55), 19 high: the text starts 2 sheet pixels inside it, its 16-pixel line
  // centred in the field's height, glyphs scaled with the field.
  EXPECT_EQ(lines[0].text, "Marie");
  EXPECT_EQ(lines[0].start.x, 133 + 2);      // round(k * 125) = 133
  EXPECT_EQ(lines[0].start.y, 59 + 2 + 14);  // round(k * 1.5), then the ascent: round(k * 13)
  EXPECT_EQ(lines[0].rect, (Rect{133, 59, 133 + 165, 59 + 20}));
  EXPECT_DOUBLE_EQ(lines[0].pixelSize, 9 * 96 / 72.0 * 960 / 900);
  EXPECT_EQ(lines[2].start.x, 613 + 2);  // round(k * (125 + 450))
  EXPECT_EQ(lines[2].text, "Marie");
}

TEST_F(CvPageDrawing, ElementsThatAreOffAndHiddenControlsDoNotPrint) {
  sheet["Edit1"].visible = false;
  const CvElementFilter noAge = [](const Control& control) { return control.name != "Edit3"; };
  drawCvPage(sheet, canvas, pictures, screen, settings, noAge, {});
  EXPECT_TRUE(texts().empty());
}

TEST_F(CvPageDrawing, TopLevelFramesAreOutlinedUnlessFramesAreHidden) {
  drawCvPage(sheet, canvas, pictures, screen, settings, everything, {});
  const auto outlines = canvas.callsOf(CanvasCallKind::Outline);
  const auto frameOutlines = std::count_if(outlines.begin(), outlines.end(), [](const CanvasCall& call) {
    return call.colour == rgb(0xFF, 0, 0);
  });
  EXPECT_EQ(frameOutlines, 2);

  RecordingCanvas hidden;
  settings.showFrames = false;
  drawCvPage(sheet, hidden, pictures, screen, settings, everything, {});
  for (const CanvasCall& call : hidden.callsOf(CanvasCallKind::Outline))
    EXPECT_NE(call.colour, rgb(0xFF, 0, 0));
}

TEST_F(CvPageDrawing, SignatureReadsUpwardsInTimesNewRomanBeforeEachCopyIsLoaded) {
  settings.numberPerPage = 2;
  std::vector<std::string> order;
  RecordingCanvas log;
  const CvCopyHook load = [&](int copy) {
    order.push_back("load " + std::to_string(copy));
    sheet["Edit1"].text = copy == 1 ? "Marie" : "Paul";
  };
  drawCvPage(sheet, log, pictures, screen, settings, everything, load);
  const auto signatures = log.callsOf(CanvasCallKind::UpwardText);
  ASSERT_EQ(signatures.size(), 2u);
  EXPECT_EQ(signatures[0].text, "Orvane-Brevanel : 07/12/2026 10:00");
  EXPECT_EQ(signatures[0].font.name, "Times New Roman");
  EXPECT_EQ(signatures[0].font.size, 8);
  EXPECT_EQ(signatures[0].start.x, 12);                           // round(k * 55 * 96 / 485)
  EXPECT_EQ(signatures[1].start.x - signatures[0].start.x, 480);  // round(k * 450)
  // min(page width, k x sheet bottom) less k x 300 x 96 / 600
  EXPECT_EQ(signatures[0].start.y, 624 - 51);
  EXPECT_EQ(order, (std::vector<std::string>{"load 1", "load 2"}));
  const auto lines = log.callsOf(CanvasCallKind::TextAt);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].text, "Marie");
  EXPECT_EQ(lines[2].text, "Paul");
}

// The zone prints the lines it displays: 16 high from 2 below its top, pieces 2 right of its left and
// tabs at the screen's half-inch stops, all scaled by k; the line the zone cuts prints cut alike.
TEST_F(CvPageDrawing, ZonesPrintTheirDisplayedLinesAtTheirScaledPlacesClippedToTheZone) {
  const auto frame = sheet.find("GroupBox1");
  Control zone{.kind = ControlKind::RichEdit,
               .name = "REdit1",
               .parent = frame,
               .left = 0,
               .top = 0,
               .width = 200,
               .height = 40};
  FontSpec blue{"Arial", 9, {}, rgb(0, 0, 255)};
  zone.richText = RichText::fromLines({"a\tb   ", "second", "third", "fourth"}, blue);
  sheet.add(zone);
  settings.printMode = PrintMode::BlackAndWhite;
  drawCvPage(sheet, canvas, pictures, screen, settings, everything, {});
  auto pieces = texts();
  std::erase_if(pieces, [](const CanvasCall& call) { return call.text == "Marie" || call.text == "41"; });
  // "third" starts inside the zone and shows in part, "fourth" not at all; each copy draws its own.
  ASSERT_EQ(pieces.size(), 8u);
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < 4; ++i) texts.push_back(pieces[i].text);
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "b", "second", "third"}));
  // The zone lands at sheet (15, 45): dots (16, 48), 213 x 43.
  EXPECT_EQ(pieces[0].start, (Point{16 + 2, 48 + 16}));   // round(k * 2), round(k * (2 + 13))
  EXPECT_EQ(pieces[1].start, (Point{16 + 53, 48 + 16}));  // the tab stop: round(k * (2 + 48))
  EXPECT_EQ(pieces[2].start.y, 48 + 33);                  // round(k * (18 + 13))
  EXPECT_EQ(pieces[3].rect, (Rect{16, 48, 16 + 213, 48 + 43}));
  EXPECT_DOUBLE_EQ(pieces[0].pixelSize, 9 * 96 / 72.0 * 960 / 900);
  EXPECT_EQ(pieces[0].colour, 0u);  // black on a black-and-white print
  EXPECT_EQ(pieces[4].start.x, 16 + 480 + 2);
}

TEST_F(CvPageDrawing, TheSignatureCellLiesRightOfItsStartAndOnThePage) {
  drawCvPage(sheet, canvas, pictures, screen, settings, everything, {});
  const auto signatures = canvas.callsOf(CanvasCallKind::UpwardText);
  ASSERT_EQ(signatures.size(), 2u);
  for (const CanvasCall& signature : signatures) {
    EXPECT_EQ(signature.rect.left, signature.start.x);
    EXPECT_EQ(signature.rect.bottom, signature.start.y);
    EXPECT_GT(signature.rect.top, 0);
  }
  EXPECT_GT(signatures[0].rect.left, 0);
  EXPECT_LE(signatures[1].rect.right, settings.printer.pageWidth);
}

// A personal-details label printed wide pushes the fields, and the photo after them, to the right; the
// photo stops at its slot's edge and nothing of the copy spills into the next slot.
TEST_F(CvPageDrawing, EachCopysPartsStayInsideItsSlot) {
  const auto frame = sheet.find("GroupBox1");
  sheet.add({.kind = ControlKind::Label,
             .name = "Label1",
             .parent = frame,
             .left = 10,
             .top = 10,
             .width = 40,
             .height = 13,
             .text = "Situation familiale au 1er janvier",
             .transparent = true});
  sheet.add({.kind = ControlKind::Image,
             .name = "zImage1",
             .parent = sheet.find("Panel1"),
             .left = 330,
             .top = 14,
             .width = 110,
             .height = 130,
             .picturePath = "photo.bmp"});
  pictures.files["photo.bmp"] = Image(11, 13);
  drawCvPage(sheet, canvas, pictures, screen, settings, everything, {});
  const auto photos = canvas.callsOf(CanvasCallKind::Image);
  ASSERT_EQ(photos.size(), 2u);
  EXPECT_EQ(photos[0].rect, (Rect{363, 15, 480, 154}));  // sheet 340 to 450: round(k * 340) = 363
  EXPECT_EQ(photos[1].rect.left, 363 + 480);
  for (const CanvasCall& line : texts()) {
    const int slotRight = line.rect.left < 480 ? 480 : 960;
    EXPECT_LE(line.rect.right, slotRight) << line.text;
  }
}

}  // namespace
}  // namespace orvane
