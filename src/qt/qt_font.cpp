#include "qt/qt_font.h"

#include "qt/qt_text.h"

namespace orvane {

QFont toQFont(const FontSpec& font) {
  QFont qfont(toQString(font.name));
  if (font.size > 0) qfont.setPointSize(font.size);
  qfont.setBold(font.style.bold);
  qfont.setItalic(font.style.italic);
  qfont.setUnderline(font.style.underline);
  qfont.setStrikeOut(font.style.strikeOut);
  return qfont;
}

}  // namespace orvane
