#include "render/card_sheet.h"

#include <algorithm>

#include "render/icon_drawing.h"
#include "render_fixture.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;

struct CardSheet : RenderFixture {
  SheetSettings settings;

  void SetUp() override {
    RenderFixture::SetUp();
    card.orientation = Orientation::Vertical;
    card.frame(1).frameLeft = 40;
    card.frame(1).frameWidth = 120;
    card.frame(2).frameWidth = 185;
    card.frame(2).frameHeight = 140;
    settings.printer = PrinterMeasurements::a4(600);
    settings.dateTime = "03/05/2024 14:07:09";
    FontSpec header{"Times New Roman", 14, {.bold = true}, 0x0000FF};
    RichText frame1 = RichText::fromPlainText("Anne Martin\n  Graphiste\n", RichText::defaultFormat());
    frame1.applyFormat(0, 11, header);
    frame1.setAlignment(ParagraphAlignment::Centre);
    card.frame(1).text = frame1;
    card.frame(2).text = RichText::fromPlainText("rue des Lilas");
  }

  std::vector<CanvasCall> linesReading(const std::string& text) const {
    std::vector<CanvasCall> lines = canvas.callsOf(CanvasCallKind::TextAt);
    std::erase_if(lines, [&](const CanvasCall& call) { return call.text != text; });
    return lines;
  }
};

}  // namespace

TEST_F(CardSheet, TwelveCardsOfTheScaledSizeWithTheirGaps) {
  drawCardSheet(context, canvas, settings);
  std::vector<CanvasCall> outlines = canvas.callsOf(CanvasCallKind::Outline);
  std::erase_if(outlines, [](const CanvasCall& call) { return call.penStyle != PenStyle::Dotted; });
  ASSERT_EQ(outlines.size(), 12u);
  for (const CanvasCall& outline : outlines) {
    EXPECT_EQ(outline.rect.width(), 1156);
    EXPECT_EQ(outline.rect.height(), 1831);
  }
  EXPECT_EQ(outlines[1].rect.left - outlines[0].rect.right, 13);
  EXPECT_EQ(outlines[4].rect.top - outlines[0].rect.bottom, 13);
  EXPECT_EQ(card.spacing, 0) << "an unset spacing is laid out as 8 and the card keeps it unset";
  EXPECT_EQ(linesReading("Anne Martin").size(), 12u);

  canvas.calls.clear();
  settings.printer = PrinterMeasurements::a4(300);
  drawCardSheet(context, canvas, settings);
  outlines = canvas.callsOf(CanvasCallKind::Outline);
  std::erase_if(outlines, [](const CanvasCall& call) { return call.penStyle != PenStyle::Dotted; });
  ASSERT_EQ(outlines.size(), 12u);
  EXPECT_EQ(outlines[1].rect.left - outlines[0].rect.right, 8);
}

TEST_F(CardSheet, CardsThatChangeTheirTextsPrintTheirOwnLinesAndAStopLeavesTheRestBlank) {
  const RichText written = card.frame(1).text;
  drawCardSheet(context, canvas, settings, [&](std::size_t place) {
    if (place == 5) return false;
    // The third card changes frame 2 alone; the frames of the others follow the first's.
    if (place == 2) card.frame(2).text = RichText::fromPlainText("place du Marché");
    if (place != 2) card.frame(1).text = RichText::fromPlainText("Card " + std::to_string(place));
    if (place == 3) card.frame(2).text = RichText::fromPlainText("rue des Lilas");
    return true;
  });
  for (const std::string name : {"Card 0", "Card 3", "Card 4"})
    EXPECT_EQ(linesReading(name).size(), 1u) << name;
  EXPECT_EQ(linesReading("Card 1").size(), 2u) << "the third card keeps the second's frame 1";
  EXPECT_EQ(linesReading("Card 2").size(), 0u);
  EXPECT_EQ(linesReading("place du Marché").size(), 1u);
  EXPECT_EQ(linesReading("rue des Lilas").size(), 4u);
  EXPECT_EQ(canvas.callsOf(CanvasCallKind::TextAt).size(), 10u) << "cards 1 to 5, two lines each";
  EXPECT_NE(card.frame(1).text, written) << "the card is as the last card left it";
}

TEST_F(CardSheet, OneCardInColourElementByElement) {
  settings.testPrint = true;
  settings.cardColourChosen = true;
  settings.frameColourChosen = {true, false};
  drawCardSheet(context, canvas, settings);
  const Rect cardRect{118, 118, 118 + 1156, 118 + 1831};
  std::vector<CanvasCallKind> kinds;
  for (const CanvasCall& call : canvas.calls) kinds.push_back(call.kind);
  using enum CanvasCallKind;
  // Footer, outline, background, frame 1 filled and its two lines (the third is empty), frame 2
  // outlined and its line.
  EXPECT_EQ(kinds,
            (std::vector<CanvasCallKind>{TextLine, Outline, Fill, Fill, TextAt, TextAt, Outline, TextAt}));
  EXPECT_EQ(canvas.calls[1].rect, cardRect);
  EXPECT_EQ(canvas.calls[1].colour, card.cardColor);
  EXPECT_EQ(canvas.calls[2].colour, card.cardColor);
  const Rect frame1{118 + 250, 118 + 150, 118 + 250 + 750, 118 + 150 + 506};  // 40, 24, 120, 81 scaled
  EXPECT_EQ(canvas.calls[3].rect, frame1);
  EXPECT_EQ(canvas.calls[3].colour, card.frame(1).frameColor);
  EXPECT_EQ(canvas.calls[6].colour, white);
  EXPECT_EQ(canvas.calls[6].rect, (Rect{118, 118 + 900, 118 + 1156, 118 + 900 + 875}));
}

TEST_F(CardSheet, FrameLinesTakeTheFontOfTheirFirstNonBlankCharacterAndStackDown) {
  settings.testPrint = true;
  metrics.height = 19;
  metrics.externalLeading = 1;
  drawCardSheet(context, canvas, settings);
  const CanvasCall header = linesReading("Anne Martin").at(0);
  EXPECT_EQ(header.font.name, "Times New Roman");
  EXPECT_EQ(header.font.colour, 0x0000FFu);
  EXPECT_DOUBLE_EQ(header.pixelSize, 14 * 96 / 72.0 * 6.25) << "glyphs scaled as the places are";
  // Frame 1 is (368, 268)-(1118, 774), which cuts what it shows. The line is centred in the 115 pixels
  // inside the insets: 2 + 19 pixels from the frame's left; its baseline is 2 + 13 pixels down.
  EXPECT_EQ(header.rect, (Rect{368, 268, 1118, 774}));
  EXPECT_EQ(header.start, (Point{368 + 131, 268 + 94}));

  const CanvasCall second = linesReading("  Graphiste").at(0);
  EXPECT_EQ(second.font.name, "Arial") << "leading blanks are passed over to find the font";
  EXPECT_EQ(second.start.y, 268 + 219) << "20 pixels further down: 2 + 20 + 13 = 35, 218.75 dots";
  EXPECT_EQ(linesReading("rue des Lilas").at(0).start.x, 118 + 12) << "frame 2 is left aligned";
}

TEST_F(CardSheet, ALineTheFrameShowsInPartPrintsCutAtTheFramesEdgeAndLinesBelowItDoNot) {
  settings.testPrint = true;
  metrics.height = 42;  // lines at 2, 44 and 86 pixels in a frame 81 pixels high
  card.frame(1).text = RichText::fromPlainText("Anne Martin\nGraphiste\nLyon");
  drawCardSheet(context, canvas, settings);
  EXPECT_EQ(linesReading("Anne Martin").size(), 1u);
  ASSERT_EQ(linesReading("Graphiste").size(), 1u);
  EXPECT_EQ(linesReading("Graphiste").at(0).rect.bottom, 268 + 506);
  EXPECT_TRUE(linesReading("Lyon").empty());
}

TEST_F(CardSheet, AFrameLineThatFailsIsTriedOnceMoreAfterMessage112ForTheFirstLine) {
  settings.testPrint = true;
  canvas.textLineFailures = 2;  // the footer, then the first line of frame 1
  drawCardSheet(context, canvas, settings);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Aucun formatage de texte : erreur indéterminée"});
  EXPECT_EQ(linesReading("Anne Martin").size(), 2u);

  canvas.calls.clear();
  prompter.shown.clear();
  canvas.textLineFailures = 3;  // footer and both tries of the first line: the second line goes on
  canvas.failing.clear();
  drawCardSheet(context, canvas, settings);
  EXPECT_EQ(prompter.texts().size(), 1u);
  EXPECT_EQ(linesReading("  Graphiste").size(), 1u);
}

TEST_F(CardSheet, AParagraphWiderThanTheFramePrintsAsTheFrameWrapsIt) {
  settings.testPrint = true;
  card.frame(2).frameWidth = 152;  // 147 pixels inside the insets: 21 characters of the metrics
  RichText text = RichText::fromPlainText("Anne Martin graphiste indépendante anticonstitutionnellement");
  const FontSpec bold{"Arial", 10, {.bold = true}, 0};
  text.applyFormat(22, 12, bold);  // "indépendante", which starts the second line
  text.setAlignment(ParagraphAlignment::Right);
  card.frame(2).text = text;
  drawCardSheet(context, canvas, settings);

  std::vector<CanvasCall> lines = canvas.callsOf(CanvasCallKind::TextAt);
  std::erase_if(lines, [](const CanvasCall& call) { return call.rect.top != 118 + 900; });
  std::vector<std::string> texts;
  for (const CanvasCall& line : lines) texts.push_back(line.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"Anne Martin graphiste", "indépendante", "anticonstitutionnelle",
                                             "ment"}));
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const CanvasCall& line = lines[index];
    const double rightEdge = 2 + 147;  // each line ends at the right inset, as its paragraph is aligned
    EXPECT_EQ(line.start.x, 118 + roundToInt(6.25 * (rightEdge - 7 * utf8Length(line.text)))) << line.text;
    if (index > 0) {
      EXPECT_EQ(line.start.y - lines[index - 1].start.y, 100) << "16 pixels a line";
    }
  }
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].font.style.bold, false);
  EXPECT_EQ(lines[1].font, bold) << "a wrapped line takes the font of its own first character";
}

TEST_F(CardSheet, TabsPrintAtTheFramesStopsScaled) {
  settings.testPrint = true;
  card.frame(1).text = RichText::fromPlainText("Nom\tDupont\nTél.\t01 23");
  drawCardSheet(context, canvas, settings);
  // Frame 1's text starts 2 pixels in, at 368 + 12; a stop every half inch: 48 pixels, 300 dots.
  const CanvasCall name = linesReading("Nom").at(0);
  const CanvasCall surname = linesReading("Dupont").at(0);
  EXPECT_EQ(name.start.x, 380);
  EXPECT_EQ(surname.start.x, 680);
  EXPECT_EQ(surname.start.y, name.start.y);
  EXPECT_EQ(surname.rect.right, 1118) << "the piece after a tab is cut at the frame's edge too";
  EXPECT_EQ(linesReading("01 23").at(0).start.x, 680);

  // A centred line is centred as a whole, tabs included: 48 + 42 pixels in 115.
  card.frame(1).text.setAlignment(ParagraphAlignment::Centre);
  canvas.calls.clear();
  drawCardSheet(context, canvas, settings);
  EXPECT_EQ(linesReading("Nom").at(0).start.x, 368 + 88);
  EXPECT_EQ(linesReading("Dupont").at(0).start.x, 368 + 388);

  // A tabbed first line that fails: message 112 once, and the line is drawn again.
  canvas.calls.clear();
  canvas.textLineFailures = 2;  // the footer, then "Nom"
  drawCardSheet(context, canvas, settings);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Aucun formatage de texte : erreur indéterminée"});
  EXPECT_EQ(linesReading("Nom").size(), 2u);
  EXPECT_EQ(linesReading("Dupont").size(), 2u);
}

TEST_F(CardSheet, BlackAndWhitePrintsBlackLinesOnUnfilledCards) {
  settings.printMode = PrintMode::BlackAndWhite;
  settings.cardColourChosen = true;
  settings.frameColourChosen = {true, true};
  drawCardSheet(context, canvas, settings);
  EXPECT_TRUE(canvas.callsOf(CanvasCallKind::Fill).empty());
  for (const CanvasCall& line : canvas.callsOf(CanvasCallKind::TextAt)) EXPECT_EQ(line.font.colour, black);
  for (const CanvasCall& outline : canvas.callsOf(CanvasCallKind::Outline)) {
    if (outline.penStyle == PenStyle::Dotted) {
      EXPECT_EQ(outline.colour, black);
    }
  }
}

TEST_F(CardSheet, AColourNeverChosenPrintsOnWhitePaper) {
  settings.testPrint = true;
  drawCardSheet(context, canvas, settings);
  EXPECT_TRUE(canvas.callsOf(CanvasCallKind::Fill).empty());
  const auto outlines = canvas.callsOf(CanvasCallKind::Outline);
  ASSERT_GE(outlines.size(), 2u);
  EXPECT_EQ(outlines[1].penStyle, PenStyle::Solid);
  EXPECT_EQ(outlines[1].colour, black);
}

TEST_F(CardSheet, WithT1Frame1PrintsOnlyThroughTheComposite) {
  givePattern(60, 60);
  card.frame(1).frameTransparent = true;
  settings.testPrint = true;
  settings.frameColourChosen = {true, true};
  drawCardSheet(context, canvas, settings);
  EXPECT_TRUE(linesReading("Anne Martin").empty());
  EXPECT_EQ(linesReading("rue des Lilas").size(), 1u);
  const auto fills = canvas.callsOf(CanvasCallKind::Fill);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0].colour, card.frame(2).frameColor);
  const auto images = canvas.callsOf(CanvasCallKind::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].rect, (Rect{118, 118, 118 + 1156, 118 + 1831}));
  const auto composed = std::ranges::count_if(
      pictures.pictureCalls, [](const CanvasCall& call) { return call.kind == CanvasCallKind::RichText; });
  EXPECT_EQ(composed, 1);
  EXPECT_TRUE(canvas.callsOf(CanvasCallKind::BrushFill).empty()) << "no pattern besides the composite";
}

TEST_F(CardSheet, CardsThatChangeATransparentFramesTextPrintThroughTheirOwnComposite) {
  givePattern(60, 60);
  card.frame(1).frameTransparent = true;
  drawCardSheet(context, canvas, settings);
  ASSERT_TRUE(state.transparencyComposite);
  state.transparencyComposite->setPixel(0, 0, 0xFF123456u);  // what the card window shows
  const Image shown = *state.transparencyComposite;
  pictures.pictureCalls.clear();
  const std::vector<std::string> rows{"Léa", "Marc", "Marc"};
  drawCardSheet(context, canvas, settings, [&](std::size_t place) {
    if (place == rows.size()) return false;
    card.frame(1).text = RichText::fromPlainText(rows[place]);
    return true;
  });
  std::vector<std::string> composed;
  for (const CanvasCall& call : pictures.pictureCalls)
    if (call.kind == CanvasCallKind::RichText) composed.push_back(call.text);
  EXPECT_EQ(composed, (std::vector<std::string>{"Léa", "Marc"})) << "drawn again only when the text changes";
  EXPECT_EQ(*state.transparencyComposite, shown) << "the card window's composite is given back";
}

TEST_F(CardSheet, AFrameReachingBeyondTheCardIsCutAtTheCardsEdge) {
  settings.testPrint = true;
  card.cardWidth = 182;
  card.frame(2).frameWidth = 185;
  drawCardSheet(context, canvas, settings);
  const CanvasCall frame2 = canvas.callsOf(CanvasCallKind::Outline).back();
  EXPECT_EQ(frame2.rect.right, 118 + 1138) << "182 x 6.25 = 1137.5, not 185 x 6.25";
}

TEST_F(CardSheet, AnUnreadablePatternIsReportedOnceAndTheSheetGoesOn) {
  card.patternFile = "c:\\motifs\\absent.bmp";
  drawCardSheet(context, canvas, settings);
  drawCardSheet(context, canvas, settings);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"fichier :c:\\motifs\\absent.bmp non accessible"});
  EXPECT_FALSE(state.patternShown);
  EXPECT_EQ(linesReading("rue des Lilas").size(), 24u);
}

TEST_F(CardSheet, TheIconPrintsAsTheCardShowsItAndTheStartIconDoesNot) {
  settings.testPrint = true;
  drawCardSheet(context, canvas, settings);
  EXPECT_TRUE(canvas.callsOf(CanvasCallKind::Image).empty());

  pictures.files["c:\\images\\logo.ico"] = Image(48, 48, 0xFF112233u);
  card.iconFile = "c:\\images\\logo.ico";
  takeIconFile(card, state, pictures);
  canvas.calls.clear();
  drawCardSheet(context, canvas, settings);
  const auto images = canvas.callsOf(CanvasCallKind::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].rect, (Rect{118 + 50, 118 + 150, 118 + 50 + 300, 118 + 150 + 300}));
}

TEST_F(CardSheet, TheFooterSitsInTheBottomRightCornerInArialNarrow) {
  RecordingCanvas page;
  page.characterWidth = 30;
  page.textHeight = 67;
  ASSERT_TRUE(drawSheetFooter(page, 4961, 7016, "03/05/2024 14:07:09"));
  const CanvasCall footer = page.calls.at(0);
  EXPECT_EQ(footer.text, "Orvane-Brevanel : 03/05/2024 14:07:09");
  EXPECT_EQ(footer.font.name, "arial narrow");
  EXPECT_EQ(footer.font.size, 8);
  EXPECT_EQ(footer.font.colour, black);
  EXPECT_EQ(footer.font.style, FontStyle{});
  // 37 characters: 1110 dots wide, 1.1 x 1110 = 1221; 1.1 x 67 = 73.7.
  EXPECT_EQ(footer.rect.left, 4961 - 1221);
  EXPECT_EQ(footer.rect.top, 7016 - 74);
}

}  // namespace orvane
