#include "shell/colour_font_controls.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "render/render_fixture.h"
#include "support/scripted_dialogs.h"

namespace orvane {

namespace {

const std::string screenFontsNotice =
    "les polices listées sont des polices écran, leur reproduction à l'impression n'est pas garantie";

FontSpec font(const std::string& name, int size, Colour colour = 0) {
  FontSpec result;
  result.name = name;
  result.size = static_cast<std::int16_t>(size);
  result.colour = colour;
  return result;
}

struct ColourFontControls : RenderFixture {
  ScriptedDialogs dialogs;
  ColourFontState controls;
  bool printerFound = true;
  FontButtonServices services() { return {dialogs, prompter, metrics, language, printerFound}; }

  FontButtonOutcome choose(int number, FontPart part, std::optional<FontSpec> answer) {
    dialogs.fonts.push_back(answer);
    return chooseFrameFont(card, number, part, controls, services());
  }
};

}  // namespace

TEST_F(ColourFontControls, ColourButtonsStartFromTheCurrentColourAndCancelKeepsIt) {
  dialogs.colours = {rgb(1, 2, 3), std::nullopt, rgb(9, 9, 9)};
  const Colour frame2Before = card.frame(2).frameColor;
  EXPECT_TRUE(chooseBackgroundColour(card, 1, dialogs));
  EXPECT_FALSE(chooseBackgroundColour(card, 2, dialogs));
  EXPECT_TRUE(chooseBackgroundColour(card, 0, dialogs));
  EXPECT_EQ(card.frame(1).frameColor, rgb(1, 2, 3));
  EXPECT_EQ(card.frame(2).frameColor, frame2Before);
  EXPECT_EQ(card.cardColor, rgb(9, 9, 9));
  EXPECT_EQ(dialogs.colourPresets, (std::vector<Colour>{0xFFCDC0, frame2Before, 0xF0C0CD}));
}

TEST_F(ColourFontControls, AFrameColourChosenDuringCardAccessOutlastsIt) {
  setCardAccess(card, true);
  dialogs.colours = {rgb(4, 5, 6)};
  ASSERT_TRUE(chooseBackgroundColour(card, 2, dialogs));
  setCardAccess(card, false);
  EXPECT_EQ(card.frame(2).frameColor, rgb(4, 5, 6));
}

TEST_F(ColourFontControls, HeaderFontTakesTheFirstLineAndBodyFontTheWholeText) {
  card.frame(1).text = RichText::fromPlainText("Jean Dupont\nIngénieur\nParis");
  card.frame(2).text = RichText::fromPlainText("autre");
  const RichText frame2Before = card.frame(2).text;
  const FontSpec header = font("Arial", 14, rgb(200, 0, 0));
  choose(1, FontPart::Header, header);
  EXPECT_EQ(card.frame(1).headerFont, header);
  EXPECT_TRUE(headerFontMatches(card, 1));
  EXPECT_EQ(card.frame(1).text.formatAt(12), RichText::defaultFormat());
  EXPECT_EQ(card.frame(2).text, frame2Before);

  // A body font covers the first line too, so the header has to be chosen again to stand out.
  const FontSpec body = font("Times New Roman", 9);
  choose(1, FontPart::Body, body);
  EXPECT_EQ(card.frame(1).bodyFont, body);
  EXPECT_EQ(card.frame(1).text.formatAt(0), body);
  EXPECT_EQ(card.frame(1).text.formatAt(20), body);
  EXPECT_FALSE(headerFontMatches(card, 1));
  EXPECT_EQ(card.frame(1).headerFont, header);
}

TEST_F(ColourFontControls, CancelledFontDialogChangesNothingAndLeavesTheWarningLine) {
  card.frame(2).text = RichText::fromPlainText("un\ndeux");
  const FrameModel before = card.frame(2);
  const FontButtonOutcome outcome = choose(2, FontPart::Body, std::nullopt);
  EXPECT_FALSE(outcome.applied);
  EXPECT_FALSE(outcome.warning);
  EXPECT_EQ(card.frame(2).text, before.text);
  EXPECT_EQ(card.frame(2).bodyFont, before.bodyFont);
}

TEST_F(ColourFontControls, TheDialogOpensOnTheStoredFontOrSaysItIsMissing) {
  card.frame(1).headerFont = font("Arial", 12, rgb(0, 0, 255));
  choose(1, FontPart::Header, std::nullopt);
  EXPECT_EQ(dialogs.fontRequests.back().preset, card.frame(1).headerFont);
  EXPECT_TRUE(prompter.shown.empty());

  FontSpec missing = font("Fonte Perdue", 11, rgb(0, 128, 0));
  missing.style.italic = true;
  card.frame(2).bodyFont = missing;
  choose(2, FontPart::Body, std::nullopt);
  const FontSpec preset = dialogs.fontRequests.back().preset;
  EXPECT_TRUE(preset.name.empty());
  EXPECT_EQ(preset.colour, rgb(0, 128, 0));
  EXPECT_TRUE(preset.style.italic);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"La fonte définie en paramêtre n'est pas disponible : ses "
                                     "caractéristiques sont : Fonte Perdue ; 11 ; "});
}

TEST_F(ColourFontControls, ScreenFontsAreAnnouncedOnceAndOptionsShapeTheDialog) {
  printerFound = false;
  choose(1, FontPart::Body, std::nullopt);
  choose(2, FontPart::Header, std::nullopt);
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{screenFontsNotice});
  EXPECT_FALSE(dialogs.fontRequests[0].printerFonts);
  EXPECT_FALSE(dialogs.fontRequests[0].sizes);
  // The effects stay in the options once a font dialog has opened.
  EXPECT_TRUE(controls.fontOptions.has(FontOption::Effects));
  EXPECT_TRUE(dialogs.fontRequests[0].options.has(FontOption::Effects));

  controls.fontOptions.set(FontOption::LimitSize, true);
  controls.fontOptions.set(FontOption::TrueTypeOnly, true);
  printerFound = true;
  choose(1, FontPart::Body, std::nullopt);
  const FontDialogRequest& limited = dialogs.fontRequests.back();
  EXPECT_TRUE(limited.printerFonts);
  EXPECT_EQ(limited.sizes, (SizeRange{8, 12}));
  EXPECT_TRUE(limited.options.has(FontOption::TrueTypeOnly));
  EXPECT_FALSE(limited.options.has(FontOption::AnsiOnly));
  EXPECT_EQ(prompter.texts().size(), 1u);
}

TEST_F(ColourFontControls, TheWidthCheckReportsTheFirstLineTooWide) {
  // Seven pixels a character: the frame is 100 wide, so 15 characters (105) do not fit.
  card.frame(1).frameWidth = 100;
  card.frame(1).text = RichText::fromPlainText("court\n123456789012345\nencore plus long, bien plus");
  FontButtonOutcome body = choose(1, FontPart::Body, font("Arial", 10));
  EXPECT_TRUE(body.applied);
  EXPECT_EQ(body.warning, "Texte trop large (105)/(100)\r\nInformation 140");

  // The header measures the first line only, which fits: the warning line is cleared.
  EXPECT_EQ(choose(1, FontPart::Header, font("Arial", 12)).warning, "");
  card.frame(1).text = RichText::fromPlainText("1234567890123456\ncourt");
  EXPECT_EQ(choose(1, FontPart::Header, font("Arial", 12)).warning,
            "Texte trop large (112)/(100)\r\nInformation 140");
  card.frame(1).text = RichText::fromPlainText("court\nlignes\nqui vont");
  EXPECT_EQ(choose(1, FontPart::Body, font("Arial", 12)).warning, "");
}

TEST_F(ColourFontControls, PatternModeCyclesThreeStatesAndFillStyleTwo) {
  BoxState box = BoxState::Unchecked;
  std::vector<std::string> words;
  std::vector<PatternMode> modes;
  for (int click = 0; click < 3; ++click) {
    box = nextPatternBoxState(box);
    words.push_back(setPatternMode(card, box));
    modes.push_back(card.patternMode);
  }
  EXPECT_EQ(words, (std::vector<std::string>{"brush", "stretch", "dim"}));
  EXPECT_EQ(modes, (std::vector<PatternMode>{PatternMode::Tile, PatternMode::Stretch, PatternMode::BySize}));
  EXPECT_EQ(box, BoxState::Unchecked);

  EXPECT_EQ(setFillStyle(card, true), "flood");
  EXPECT_EQ(card.fillStyle, FillStyle::Flood);
  EXPECT_EQ(setFillStyle(card, false), "fill");
  EXPECT_EQ(card.fillStyle, FillStyle::Fill);
}

TEST_F(ColourFontControls, TheCompositeLastsWhileAFrameIsTransparent) {
  givePattern(60, 60);
  card.frame(1).text = RichText::fromPlainText("un");
  card.frame(2).text = RichText::fromPlainText("deux");
  ASSERT_TRUE(setFrameTransparency(card, 1, true, context));
  ASSERT_TRUE(setFrameTransparency(card, 2, true, context));
  EXPECT_TRUE(card.frame(1).frameTransparent);
  ASSERT_TRUE(state.transparencyComposite);

  // Clearing T1 keeps a composite for frame 2, built afresh without frame 1's text.
  pictures.pictureCalls.clear();
  ASSERT_TRUE(setFrameTransparency(card, 1, false, context));
  EXPECT_FALSE(card.frame(1).frameTransparent);
  ASSERT_TRUE(state.transparencyComposite);
  const auto texts =
      std::count_if(pictures.pictureCalls.begin(), pictures.pictureCalls.end(),
                    [](const CanvasCall& call) { return call.kind == CanvasCallKind::RichText; });
  EXPECT_EQ(texts, 1);

  ASSERT_TRUE(setFrameTransparency(card, 2, false, context));
  EXPECT_FALSE(state.transparencyComposite);
  EXPECT_FALSE(state.patternBitmap);
}

TEST_F(ColourFontControls, TheBoxesAreEnabledOnlyOverAShownPattern) {
  EXPECT_TRUE(transparencyBoxesEnabled(true, true, false));
  // The mark cleared by a pattern that could not be read disables boxes enabled before...
  EXPECT_FALSE(transparencyBoxesEnabled(true, false, false));
  EXPECT_FALSE(transparencyBoxesEnabled(false, true, false));
  // ...but for a ticked one, which the user must be able to clear.
  EXPECT_TRUE(transparencyBoxesEnabled(true, false, true));
  EXPECT_FALSE(transparencyBoxesEnabled(false, false, true));
}

}  // namespace orvane
