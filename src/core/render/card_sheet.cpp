#include "render/card_sheet.h"

#include <algorithm>
#include <array>
#include <vector>

#include "render/card_placement.h"
#include "render/frame_lines.h"
#include "render/icon_drawing.h"
#include "render/pattern_drawing.h"
#include "render/sheet_layout.h"
#include "render/transparency_composite.h"
#include "text/rounding.h"

namespace orvane {

namespace {

constexpr int messageNoTextFormatting = 112;
constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;

const FontSpec footerFont{"arial narrow", 8, {}, black};

// Each frame's lines, laid out once for every card of the sheet; a transparent frame has none.
using SheetFrameLines = std::array<std::vector<FrameLine>, 2>;

SheetFrameLines layOutFrames(const CardModel& card, Canvas& canvas, const PrintRatios& ratios,
                             const SheetSettings& settings) {
  SheetFrameLines lines;
  // The screen wraps a frame's text at its width less the insets; on paper, each of them is scaled.
  const int insets = roundToInt(ratios.x * frameTextInsetLeft) + roundToInt(ratios.x * frameTextInsetRight);
  const int tabStop = roundToInt(ratios.x * tabStopDistance(settings.screenResolution));
  for (int number : {1, 2}) {
    const FrameModel& frame = card.frame(number);
    if (frame.frameTransparent) continue;
    const int width = roundToInt(ratios.x * frame.frameWidth) - insets;
    lines[static_cast<std::size_t>(number - 1)] =
        frameLines(frame.text, width, tabStop, canvas, settings.printMode == PrintMode::BlackAndWhite);
  }
  return lines;
}

// A piece of a line ready to draw: where, what and how aligned.
struct PlacedText {
  Rect rect;
  std::string text;
  TextAlignment alignment;
};

// The pieces of `line` in `textRect`. A line without tabs goes whole to the canvas, which aligns it;
// the pieces of a tabbed line are placed here, the line aligned as one.
std::vector<PlacedText> placeLine(const FrameLine& line, const Rect& textRect) {
  if (line.pieces.size() <= 1) return {{textRect, line.text, line.alignment}};
  const int lineWidth = line.pieces.back().x + line.pieces.back().width;
  int shift = 0;
  if (line.alignment == TextAlignment::Centre) shift = (textRect.width() - lineWidth) / 2;
  if (line.alignment == TextAlignment::Right) shift = textRect.width() - lineWidth;
  shift = std::max(shift, 0);
  std::vector<PlacedText> placed;
  for (const TabbedPiece& piece : line.pieces) {
    Rect rect = textRect;
    rect.left += shift + piece.x;
    // Empty pieces draw nothing, and pieces past the right edge would be cut away whole.
    if (piece.length == 0 || rect.left >= rect.right) continue;
    placed.push_back({rect, line.text.substr(piece.offset, piece.length), TextAlignment::Left});
  }
  return placed;
}

// One card of the sheet, drawn at its place on the page.
class SheetCard {
 public:
  SheetCard(RenderContext& context, Canvas& canvas, const SheetSettings& settings,
            const SheetFrameLines& frameLines, const CardPlacement& placement)
      : context_(context),
        canvas_(canvas),
        settings_(settings),
        frameLines_(frameLines),
        placement_(placement) {}

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
    drawFrameLines(frameLines_[static_cast<std::size_t>(number - 1)], frameRect);
  }

  void drawFrameLines(const std::vector<FrameLine>& lines, const Rect& frameRect) {
    int heightSoFar = 0;
    for (std::size_t index = 0; index < lines.size(); ++index) {
      const FrameLine& line = lines[index];
      const int height = scaledLineHeight(line);
      Rect textRect;
      textRect.left = frameRect.left + roundToInt(placement_.ratioX * frameTextInsetLeft);
      textRect.top = frameRect.top + roundToInt(placement_.ratioY * frameTextInsetTop) + heightSoFar;
      textRect.right = frameRect.right - roundToInt(placement_.ratioX * frameTextInsetRight);
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

  // A piece that fails is drawn once more, after message 112 when the line is the frame's first.
  void drawLine(const FrameLine& line, const Rect& textRect, bool firstLine) {
    std::vector<PlacedText> failed;
    for (PlacedText& piece : placeLine(line, textRect))
      if (!canvas_.drawTextLine(piece.rect, piece.text, line.font, piece.alignment))
        failed.push_back(std::move(piece));
    if (failed.empty()) return;
    if (firstLine) context_.prompter.show(MessageKind::Plain, context_.message(messageNoTextFormatting));
    for (const PlacedText& piece : failed)
      canvas_.drawTextLine(piece.rect, piece.text, line.font, piece.alignment);
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
  const SheetFrameLines& frameLines_;
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
  const SheetFrameLines frameLines = layOutFrames(card, canvas, ratios, settings);
  for (const Point& position :
       cardPositions(card, grid, margins, ratios, printer.pageWidth, printer.pageHeight)) {
    const CardPlacement placement = CardPlacement::onSheet(card, position, ratios.x, ratios.y);
    SheetCard(context, canvas, settings, frameLines, placement).draw();
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
