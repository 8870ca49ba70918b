#include "render/card_sheet.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "render/card_placement.h"
#include "render/icon_drawing.h"
#include "render/pattern_drawing.h"
#include "render/printed_lines.h"
#include "render/qr_drawing.h"
#include "render/sheet_layout.h"
#include "render/transparency_composite.h"
#include "stock/stock_layout.h"
#include "text/rounding.h"

namespace orvane {

namespace {

constexpr int messageNoTextFormatting = 112;
constexpr Colour black = 0x000000;
constexpr Colour white = 0xFFFFFF;

const FontSpec footerFont{"arial narrow", 8, {}, black};

// Each frame's lines as the card window displays them; a transparent frame has none.
using SheetFrameLines = std::array<std::vector<DisplayLine>, 2>;

// The frames' lines for the cards of a sheet, a frame being laid out again only when a card changes
// it: the cards of a sheet share their lines, and the rows of a merge mostly fill one frame only.
class SheetFrameLayout {
 public:
  SheetFrameLayout(TextMetrics& screen, int screenResolution)
      : screen_(screen), screenResolution_(screenResolution) {}

  const SheetFrameLines& linesOf(const CardModel& card) {
    for (std::size_t index = 0; index < lines_.size(); ++index) {
      const FrameModel& frame = card.frame(static_cast<int>(index) + 1);
      std::optional<LaidOutFrame>& laidOut = laidOut_[index];
      if (laidOut && laidOut->transparent == frame.frameTransparent && laidOut->width == frame.frameWidth &&
          laidOut->text == frame.text)
        continue;
      laidOut = LaidOutFrame{frame.frameTransparent, frame.frameWidth, frame.text};
      lines_[index].clear();
      if (!frame.frameTransparent)
        lines_[index] = screen_.displayLines(frame.text, frameTextBox(frame.frameWidth, screenResolution_));
    }
    return lines_;
  }

 private:
  struct LaidOutFrame {
    bool transparent = false;
    int width = 0;
    RichText text;
  };

  TextMetrics& screen_;
  int screenResolution_;
  std::array<std::optional<LaidOutFrame>, 2> laidOut_;
  SheetFrameLines lines_;
};

// The composite through which transparent frames print, drawn again for the cards of a page that change
// the card's texts: for the first of them, and for each whose transparent frames differ from the card
// before. The card window's composite is given back once the page is drawn.
class SheetComposite {
 public:
  explicit SheetComposite(RenderContext& context) : context_(context) {}
  ~SheetComposite() {
    if (kept_) context_.state.transparencyComposite = std::move(*kept_);
  }
  SheetComposite(const SheetComposite&) = delete;
  SheetComposite& operator=(const SheetComposite&) = delete;

  void followCard() {
    TransparentTexts texts = transparentTexts();
    if ((!texts[0] && !texts[1]) || texts == drawnTexts_) return;
    drawnTexts_ = std::move(texts);
    if (!kept_) kept_ = context_.state.transparencyComposite;
    redrawTransparentFrames(context_);
  }

 private:
  using TransparentTexts = std::array<std::optional<RichText>, 2>;

  TransparentTexts transparentTexts() const {
    TransparentTexts texts;
    for (std::size_t index = 0; index < texts.size(); ++index) {
      const FrameModel& frame = context_.card.frame(static_cast<int>(index) + 1);
      if (frame.frameTransparent) texts[index] = frame.text;
    }
    return texts;
  }

  RenderContext& context_;
  std::optional<TransparentTexts> drawnTexts_;
  std::optional<std::optional<Image>> kept_;  // the card window's composite, once another is drawn
};

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
    // Over everything, as on the card window, where it lies above the frames.
    drawCardQrCode(context_, canvas_, placement_, !inColour());
  }

 private:
  const CardModel& card() const { return context_.card; }
  bool inColour() const { return settings_.printMode == PrintMode::InColour; }

  void drawOutlineAndBackground() {
    const Rect& rect = placement_.rect;
    const bool outlined = settings_.cardOutlines;
    if (outlined) canvas_.outlineRectangle(rect, {inColour() ? card().cardColor : black, PenStyle::Dotted});
    if (!card().patternFile.empty()) return;
    // A card whose colour was never chosen prints on white paper.
    if (inColour() && settings_.cardColourChosen) {
      canvas_.fillRectangle(rect, card().cardColor);
    } else if (outlined) {
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
    const Rect placed =
        placement_.scaled(frame.frameLeft, frame.frameTop, frame.frameWidth, frame.frameHeight);
    // The card window clips a frame that reaches beyond the card; so does the sheet, where it would
    // otherwise spill onto the gap and the next card.
    const Rect frameRect = placed.intersected(placement_.rect);
    if (frameRect.isEmpty()) return;
    if (inColour() && settings_.frameColourChosen[static_cast<std::size_t>(number - 1)]) {
      canvas_.fillRectangle(frameRect, frame.frameColor);
    } else {
      canvas_.outlineRectangle(frameRect, {white, PenStyle::Solid});
    }
    const PrintedTextBox box{
        {placed.left, placed.top}, placement_.ratioX, placement_.ratioY, frameRect, !inColour()};
    const std::vector<DisplayLine>& lines = frameLines_[static_cast<std::size_t>(number - 1)];
    for (std::size_t index = 0; index < lines.size(); ++index)
      if (lineShows(lines[index], box)) drawLine(lines[index], box, index == 0);
  }

  // A line that fails is drawn once more, after message 112 when the line is the frame's first.
  void drawLine(const DisplayLine& line, const PrintedTextBox& box, bool firstLine) {
    if (drawDisplayLine(canvas_, line, box)) return;
    if (firstLine) context_.prompter.show(MessageKind::Plain, context_.message(messageNoTextFormatting));
    drawDisplayLine(canvas_, line, box);
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

void preparePrintedPictures(RenderContext& context) {
  if (!context.card.patternFile.empty() && !context.loadPatternBitmap()) context.reportUnreadablePattern();
  drawIcon(context);
}

void drawSheetCard(RenderContext& context, Canvas& canvas, const SheetSettings& settings,
                   const CardPlacement& placement) {
  SheetFrameLayout frames(context.screenMetrics, settings.screenResolution);
  SheetCard(context, canvas, settings, frames.linesOf(context.card), placement).draw();
}

namespace {

// Where the cards of a sheet go, and at which scale.
struct SheetPlan {
  PrintRatios ratios;
  std::vector<Point> positions;
};

SheetPlan planSheet(const CardModel& card, const SheetSettings& settings) {
  const PrinterMeasurements& printer = settings.printer;
  const PrintRatios ratios = printRatios(printer.resolution, settings.screenResolution);
  SheetPlan plan{calibratedRatios(ratios, settings.calibration), {}};
  if (settings.stock.followsCard) {
    const SheetGrid grid = sheetGrid(card.orientation, ratios, card.effectiveSpacing(), settings.testPrint);
    const PageMargins margins = computePageMargins(printer, ratios, settings.screenResolution);
    plan.positions = cardPositions(card, grid, margins, ratios, printer.pageWidth, printer.pageHeight);
    for (Point& position : plan.positions)
      position = calibratedPosition(position, printer, settings.calibration);
  } else {
    plan.positions = stockCardPositions(settings.stock, cardSizeMm(card, settings.screenResolution), printer,
                                        settings.calibration);
    if (settings.testPrint) plan.positions.resize(1);
  }
  return plan;
}

Rect footerRect(Canvas& canvas, int pageWidth, int pageHeight, const std::string& text) {
  const TextSize size = canvas.measureText(text, footerFont);
  const int left = pageWidth - roundToInt(1.1 * size.width);
  const int top = pageHeight - roundToInt(1.1 * size.height);
  return {left, top, pageWidth, top + size.height};
}

std::string footerText(const std::string& dateTime) { return "Orvane-Brevanel : " + dateTime; }

// The sheet of twelve always had its footer; on card stock it goes only where no card lies.
bool footerFits(Canvas& canvas, const SheetSettings& settings, const SheetPlan& plan, const CardModel& card) {
  if (settings.stock.followsCard) return true;
  const PrinterMeasurements& printer = settings.printer;
  const Rect footer =
      footerRect(canvas, printer.pageWidth, printer.pageHeight, footerText(settings.dateTime));
  return std::ranges::none_of(plan.positions, [&](const Point& position) {
    const Rect cardRect = CardPlacement::onSheet(card, position, plan.ratios.x, plan.ratios.y).rect;
    return !footer.intersected(cardRect).isEmpty();
  });
}

}  // namespace

void drawCardSheet(RenderContext& context, Canvas& canvas, const SheetSettings& settings,
                   const NextSheetCard& nextCard) {
  const CardModel& card = context.card;
  const PrinterMeasurements& printer = settings.printer;
  preparePrintedPictures(context);
  const SheetPlan plan = planSheet(card, settings);
  if (footerFits(canvas, settings, plan, card))
    drawSheetFooter(canvas, printer.pageWidth, printer.pageHeight, settings.dateTime);
  SheetFrameLayout frames(context.screenMetrics, settings.screenResolution);
  SheetComposite composite(context);
  for (std::size_t place = 0; place < plan.positions.size(); ++place) {
    if (nextCard) {
      if (!nextCard(place)) break;
      composite.followCard();
    }
    const CardPlacement placement =
        CardPlacement::onSheet(card, plan.positions[place], plan.ratios.x, plan.ratios.y);
    SheetCard(context, canvas, settings, frames.linesOf(card), placement).draw();
  }
}

bool drawSheetFooter(Canvas& canvas, int pageWidth, int pageHeight, const std::string& dateTime) {
  const std::string text = footerText(dateTime);
  return canvas.drawTextLine(footerRect(canvas, pageWidth, pageHeight, text), text, footerFont,
                             TextAlignment::Left);
}

}  // namespace orvane
