#include "render/card_sheet.h"

#include <vector>

#include "render/card_placement.h"
#include "render/icon_drawing.h"
#include "render/pattern_drawing.h"
#include "render/sheet_layout.h"
#include "render/transparency_composite.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

constexpr int messageNoTextFormatting = 112;
constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;
// Frame lines keep clear of the frame's edges by this many screen pixels.
constexpr int lineInsetLeft = 2;
constexpr int lineInsetTop = 2;
constexpr int lineInsetRight = 3;

const FontSpec footerFont{"arial narrow", 8, {}, black};

// A frame's line as the sheet prints it: the whole paragraph in the font of its first non-blank
// character.
struct FrameLine {
  std::string text;
  FontSpec font;
  TextAlignment alignment = TextAlignment::Left;
};

TextAlignment lineAlignment(ParagraphAlignment alignment) {
  switch (alignment) {
    case ParagraphAlignment::Right:
      return TextAlignment::Right;
    case ParagraphAlignment::Centre:
      return TextAlignment::Centre;
    case ParagraphAlignment::Left:
    case ParagraphAlignment::Justify:
      break;
  }
  return TextAlignment::Left;
}

int leadingBlanks(const std::string& text) {
  const auto firstOther = text.find_first_not_of(' ');
  return static_cast<int>(firstOther == std::string::npos ? text.size() : firstOther);
}

std::vector<FrameLine> frameLines(const RichText& text, bool blackAndWhite) {
  std::vector<FrameLine> lines;
  int lineStart = 0;  // position of the line's first character; a paragraph break counts as one
  for (const Paragraph& paragraph : text.paragraphs()) {
    FrameLine line;
    for (const TextRun& run : paragraph.runs) line.text += run.text;
    line.font = text.formatAt(lineStart + leadingBlanks(line.text));
    if (blackAndWhite) line.font.colour = black;
    line.alignment = lineAlignment(paragraph.alignment);
    lineStart += utf8Length(line.text) + 1;
    lines.push_back(std::move(line));
  }
  return lines;
}

// One card of the sheet, drawn at its place on the page.
class SheetCard {
 public:
  SheetCard(RenderContext& context, Canvas& canvas, const SheetSettings& settings,
            const CardPlacement& placement)
      : context_(context), canvas_(canvas), settings_(settings), placement_(placement) {}

  void draw() {
    drawOutlineAndBackground();
    drawPatternLayer();
    for (int number : {1, 2})
      if (!card().frame(number).frameTransparent) drawFrame(number);
    drawIconPicture();
  }

 private:
  const CardModel& card() const { return context_.card; }
  bool inColour() const { return settings_.printMode == PrintMode::InColour; }

  void drawOutlineAndBackground() {
    const Rect& rect = placement_.rect;
    canvas_.outlineRectangle(rect, {inColour() ? card().cardColor : black, PenStyle::Dotted});
    if (!card().patternFile.empty()) return;
    // A card whose colour was never chosen prints on white paper.
    if (inColour() && settings_.cardColourChosen) {
      canvas_.fillRectangle(rect, card().cardColor);
    } else {
      canvas_.outlineRectangle(rect, {black, PenStyle::Solid});
    }
  }

  void drawPatternLayer() {
    if (!context_.state.patternBitmap) return;
    if (card().frame(1).frameTransparent || card().frame(2).frameTransparent) {
      drawTransparencyComposite(context_, canvas_, placement_);
    } else {
      drawPattern(context_, canvas_, placement_);
    }
  }

  void drawFrame(int number) {
    const FrameModel& frame = card().frame(number);
    // The card window clips a frame that reaches beyond the card; so does the sheet, where it would
    // otherwise spill onto the gap and the next card.
    const Rect frameRect =
        placement_.scaled(frame.frameLeft, frame.frameTop, frame.frameWidth, frame.frameHeight)
            .intersected(placement_.rect);
    if (frameRect.isEmpty()) return;
    if (inColour() && settings_.frameColourChosen[static_cast<std::size_t>(number - 1)]) {
      canvas_.fillRectangle(frameRect, frame.frameColor);
    } else {
      canvas_.outlineRectangle(frameRect, {white, PenStyle::Solid});
    }
    drawFrameLines(frame, frameRect);
  }

  void drawFrameLines(const FrameModel& frame, const Rect& frameRect) {
    const std::vector<FrameLine> lines = frameLines(frame.text, !inColour());
    int heightSoFar = 0;
    for (std::size_t index = 0; index < lines.size(); ++index) {
      const FrameLine& line = lines[index];
      const int height = scaledLineHeight(line);
      Rect textRect;
      textRect.left = frameRect.left + roundToInt(placement_.ratioX * lineInsetLeft);
      textRect.top = frameRect.top + roundToInt(placement_.ratioY * lineInsetTop) + heightSoFar;
      textRect.right = frameRect.right - roundToInt(placement_.ratioX * lineInsetRight);
      textRect.bottom = textRect.top + height;
      // Lines that do not fit are left out, but their height still counts.
      if (heightSoFar + height + frameRect.top < frameRect.bottom) drawLine(line, textRect, index == 0);
      heightSoFar += height;
    }
  }

  // The line's height as the frame shows it on screen, in printer dots.
  int scaledLineHeight(const FrameLine& line) {
    const FontMeasures screen = context_.screenMetrics.measure(line.text, line.font);
    const int screenHeight = screen.height + screen.externalLeading;
    // A font the screen cannot measure is measured on the page itself, already in dots.
    if (screenHeight == 0) return canvas_.measureText(line.text, line.font).height;
    return roundToInt(placement_.ratioY * screenHeight);
  }

  void drawLine(const FrameLine& line, const Rect& textRect, bool firstLine) {
    if (canvas_.drawTextLine(textRect, line.text, line.font, line.alignment)) return;
    if (firstLine) context_.prompter.show(MessageKind::Plain, context_.message(messageNoTextFormatting));
    canvas_.drawTextLine(textRect, line.text, line.font, line.alignment);
  }

  // The built-in start icon never prints; an icon from a file prints as the picture the card shows.
  void drawIconPicture() {
    if (card().iconFile.empty() || !context_.state.iconPicture) return;
    const Rect rect = placement_.scaled(card().iconLeft, card().iconTop, card().iconWidth, card().iconHeight);
    drawBitmapScaled(*context_.state.iconPicture, canvas_, rect.left, rect.top, rect.width(), rect.height());
  }

  RenderContext& context_;
  Canvas& canvas_;
  const SheetSettings& settings_;
  CardPlacement placement_;
};

}  // namespace

void drawCardSheet(RenderContext& context, Canvas& canvas, const SheetSettings& settings) {
  const CardModel& card = context.card;
  const PrinterMeasurements& printer = settings.printer;
  const PrintRatios ratios = printRatios(printer.resolution, settings.screenResolution);
  if (!card.patternFile.empty() && !context.loadPatternBitmap())
    context.reportUnreadableImage(card.patternFile);
  drawIcon(context);
  const SheetGrid grid = sheetGrid(card.orientation, ratios, card.effectiveSpacing(), settings.testPrint);
  const PageMargins margins = computePageMargins(printer, ratios, settings.screenResolution);
  drawSheetFooter(canvas, printer.pageWidth, printer.pageHeight, settings.dateTime);
  for (const Point& position :
       cardPositions(card, grid, margins, ratios, printer.pageWidth, printer.pageHeight)) {
    SheetCard(context, canvas, settings, CardPlacement::onSheet(card, position, ratios.x, ratios.y)).draw();
  }
}

bool drawSheetFooter(Canvas& canvas, int pageWidth, int pageHeight, const std::string& dateTime) {
  const std::string text = "Orvane-Brevanel : " + dateTime;
  const TextSize size = canvas.measureText(text, footerFont);
  const int left = pageWidth - roundToInt(1.1 * size.width);
  const int top = pageHeight - roundToInt(1.1 * size.height);
  return canvas.drawTextLine({left, top, pageWidth, top + size.height}, text, footerFont,
                             TextAlignment::Left);
}

}  // namespace orvane
