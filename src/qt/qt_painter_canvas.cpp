#include "qt/qt_painter_canvas.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextDocument>
#include <QTextLayout>
#include <utility>

#include "qt/qt_font.h"
#include "qt/qt_image.h"
#include "qt/qt_text.h"
#include "qt/rich_text_document.h"
#include "render/flood_fill.h"
#include "text/line_layout.h"

namespace orvane {

namespace {

QRect toQRect(const Rect& rect) { return {rect.left, rect.top, rect.width(), rect.height()}; }

// A sheet draws its pattern and icon on every card; a merged sheet may also draw a picture per card.
constexpr std::size_t printedImageCount = 8;
constexpr std::size_t keptTextLayoutCount = 1024;

// The rectangle the glyphs of `layout` mark, from its top-left corner.
QRectF inkOf(const QTextLayout& layout) {
  QRectF ink;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QRawFont font = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype index = 0; index < glyphs.size(); ++index)
      ink |= font.boundingRect(glyphs[index]).translated(positions[index]);
  }
  return ink;
}

Qt::Alignment toQtAlignment(TextAlignment alignment) {
  switch (alignment) {
    case TextAlignment::Centre:
      return Qt::AlignHCenter;
    case TextAlignment::Right:
      return Qt::AlignRight;
    case TextAlignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPaintDevice& device) : device_(device), painter_(&device) {}

bool QPainterCanvas::outlineRectangle(const Rect& rect, const Pen& pen) {
  if (!painter_.isActive()) return false;
  if (rect.isEmpty()) return true;
  painter_.save();
  painter_.setPen(QPen(toQColor(pen.colour), 1, pen.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine));
  painter_.setBrush(Qt::NoBrush);
  // A one-unit pen along the inside of the rectangle: its right and bottom lines are the last ones in it.
  painter_.drawRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1);
  painter_.restore();
  return true;
}

bool QPainterCanvas::fillRectangle(const Rect& rect, Colour colour) {
  if (!painter_.isActive()) return false;
  painter_.fillRect(toQRect(rect), toQColor(colour));
  return true;
}

bool QPainterCanvas::fillRectangleWithBrush(const Rect& rect, const Image& brush,
                                            const BrushPlacement& placement) {
  if (!painter_.isActive() || brush.isNull()) return false;
  QBrush tiles(deviceImage(brush));
  tiles.setTransform(QTransform::fromTranslate(placement.origin.x, placement.origin.y)
                         .scale(placement.scaleX, placement.scaleY));
  painter_.save();
  painter_.setBrushOrigin(0, 0);
  painter_.fillRect(toQRect(rect), tiles);
  painter_.restore();
  return true;
}

bool QPainterCanvas::drawImage(const Rect& rect, const Image& image) {
  if (!painter_.isActive() || image.isNull()) return false;
  painter_.drawImage(toQRect(rect), deviceImage(image));
  return true;
}

QImage QPainterCanvas::deviceImage(const Image& image) {
  const QImage wrapped = wrapImage(image);
  if (device_.devType() != QInternal::Printer) return wrapped;
  for (const QImage& printed : printedImages_)
    if (printed == wrapped) return printed;
  if (printedImages_.size() == printedImageCount) printedImages_.pop_front();
  printedImages_.push_back(wrapped.copy());
  return printedImages_.back();
}

bool QPainterCanvas::floodFill(Point start, Colour area, const Image& brush,
                               const BrushPlacement& placement) {
  if (!painter_.isActive() || device_.devType() != QInternal::Image) return false;
  auto& image = static_cast<QImage&>(device_);
  // The pixels are changed directly, with no painter on the image meanwhile.
  painter_.end();
  const PixelView view = pixelView(image);
  if (view.pixels != nullptr) floodFillWithBrush(view, start, area, brush, placement);
  return painter_.begin(&image) && view.pixels != nullptr;
}

bool QPainterCanvas::drawTextLine(const Rect& rect, const std::string& text, const FontSpec& font,
                                  TextAlignment alignment) {
  if (!painter_.isActive()) return false;
  painter_.save();
  painter_.setFont(toQFont(font));
  painter_.setPen(toQColor(font.colour));
  painter_.setClipRect(toQRect(rect));
  painter_.drawText(toQRect(rect),
                    static_cast<int>(toQtAlignment(alignment) | Qt::AlignTop | Qt::TextSingleLine),
                    toQString(text));
  painter_.restore();
  return true;
}

const QPainterCanvas::LaidOutText& QPainterCanvas::textLayout(const std::string& text, const FontSpec& font,
                                                              double pixelSize) {
  const FontStyle& style = font.style;
  TextLayoutKey key{text,         font.name,       font.size,       style.bold,
                    style.italic, style.underline, style.strikeOut, pixelSize};
  if (const auto kept = textLayouts_.find(key); kept != textLayouts_.end()) return kept->second;
  // A merge brings new texts with every row: the layouts kept start afresh rather than grow with them.
  if (textLayouts_.size() == keptTextLayoutCount) textLayouts_.clear();
  LaidOutText& laidOut = textLayouts_[std::move(key)];
  QFont scaled(toQFont(font), &device_);
  scaled.setPointSizeF(pixelSize * 72.0 / device_.logicalDpiY());
  auto& layout = laidOut.layout;
  layout = std::make_unique<QTextLayout>(toQString(text), scaled, &device_);
  // Kept shaped: otherwise every drawing of the layout shapes its glyphs again.
  layout->setCacheEnabled(true);
  QTextOption option;
  option.setUseDesignMetrics(true);
  option.setWrapMode(QTextOption::NoWrap);
  layout->setTextOption(option);
  layout->beginLayout();
  layout->createLine();
  layout->endLayout();
  laidOut.ink = inkOf(*layout);
  return laidOut;
}

bool QPainterCanvas::drawTextAt(Point origin, const std::string& text, const FontSpec& font, double pixelSize,
                                double width, const Rect& clip) {
  if (!painter_.isActive()) return false;
  if (clip.isEmpty() || pixelSize <= 0) return true;
  const LaidOutText& laidOut = textLayout(text, font, pixelSize);
  const QTextLine line = laidOut.layout->lineAt(0);
  if (!line.isValid()) return true;
  // This device's glyph widths differ a little from the screen's: the text takes the screen's width.
  const double widthScale = width > 0 && line.naturalTextWidth() > 0 ? width / line.naturalTextWidth() : 1;
  const QPointF topLeft(origin.x, origin.y - line.ascent());
  painter_.save();
  painter_.setPen(toQColor(font.colour));
  // A printed line whose glyphs lie inside the clip, with a unit to spare, is written without one: most
  // lines of a card are, and a PDF would otherwise state the clip again for each.
  const bool decorated = font.style.underline || font.style.strikeOut;
  const QRectF marked = QTransform::fromTranslate(topLeft.x(), topLeft.y())
                            .scale(widthScale, 1)
                            .mapRect(laidOut.ink)
                            .adjusted(-1, -1, 1, 1);
  if (device_.devType() != QInternal::Printer || decorated || !QRectF(toQRect(clip)).contains(marked))
    painter_.setClipRect(toQRect(clip));
  painter_.translate(topLeft);
  if (widthScale != 1) painter_.scale(widthScale, 1);
  laidOut.layout->draw(&painter_, QPointF(0, 0));
  painter_.restore();
  return true;
}

bool QPainterCanvas::drawEllipse(const Rect& rect, const Pen& pen, std::optional<Colour> fill) {
  if (!painter_.isActive()) return false;
  painter_.save();
  painter_.setPen(QPen(toQColor(pen.colour), 1, pen.style == PenStyle::Dotted ? Qt::DotLine : Qt::SolidLine));
  painter_.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
  painter_.drawEllipse(rect.left, rect.top, rect.width() - 1, rect.height() - 1);
  painter_.restore();
  return true;
}

bool QPainterCanvas::drawUpwardText(Point start, const std::string& text, const FontSpec& font) {
  if (!painter_.isActive()) return false;
  painter_.save();
  painter_.setFont(toQFont(font));
  painter_.setPen(toQColor(font.colour));
  painter_.translate(start.x, start.y);
  painter_.rotate(-90);
  // Turned, the cell's top side runs along x: the baseline lies one ascent right of it.
  painter_.drawText(0, QFontMetrics(painter_.font(), &device_).ascent(), toQString(text));
  painter_.restore();
  return true;
}

bool QPainterCanvas::drawRichText(const Rect& rect, const RichText& text) {
  if (!painter_.isActive()) return false;
  QTextDocument document;
  document.documentLayout()->setPaintDevice(&device_);
  fillDocument(document, text);
  setFrameTextOption(document, tabStopDistance(device_.logicalDpiX()));
  document.setDocumentMargin(0);
  document.setTextWidth(rect.width());
  painter_.save();
  painter_.translate(rect.left, rect.top);
  document.drawContents(&painter_, QRectF(0, 0, rect.width(), rect.height()));
  painter_.restore();
  return true;
}

TextSize QPainterCanvas::measureText(const std::string& text, const FontSpec& font) {
  const QFontMetrics metrics(toQFont(font), &device_);
  return {metrics.horizontalAdvance(toQString(text)), metrics.height()};
}

}  // namespace orvane
