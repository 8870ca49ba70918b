#include "qt/qt_text_metrics.h"

#include <QFontMetrics>

#include "qt/qt_font.h"
#include "qt/qt_text.h"
#include "qt/rich_text_document.h"

namespace orvane {

FontMeasures QtTextMetrics::measure(const std::string& text, const FontSpec& font) {
  const QFontMetrics metrics(toQFont(font));
  return {metrics.horizontalAdvance(toQString(text)), metrics.height(), metrics.ascent(), metrics.leading()};
}

std::vector<DisplayLine> QtTextMetrics::displayLines(const RichText& text, const TextBox& box) {
  return layOutTextBox(text, box);
}

}  // namespace orvane
