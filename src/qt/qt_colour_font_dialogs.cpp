#include "qt/qt_colour_font_dialogs.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <algorithm>

#include "qt/qt_font.h"
#include "qt/qt_text.h"

namespace orvane {

std::optional<Colour> QtColourFontDialogs::chooseColour(Colour current) {
  const QColor chosen = QColorDialog::getColor(toQColor(current), parent_);
  if (!chosen.isValid()) return std::nullopt;
  return toColour(chosen);
}

bool QtColourFontDialogs::fontAvailable(const std::string& name) {
  // Face names the system maps to another face (fontconfig aliases) count as available.
  return QFontDatabase::hasFamily(toQString(name));
}

std::optional<FontSpec> QtColourFontDialogs::chooseFont(const FontDialogRequest& request) {
  QFont preset = request.preset.isSet() ? toQFont(request.preset) : QFont();
  if (!request.preset.isSet()) {
    preset.setBold(request.preset.style.bold);
    preset.setItalic(request.preset.style.italic);
    preset.setUnderline(request.preset.style.underline);
    preset.setStrikeOut(request.preset.style.strikeOut);
  }
  QFontDialog::FontDialogOptions options;
  if (request.options.has(FontOption::TrueTypeOnly)) options |= QFontDialog::ScalableFonts;
  bool accepted = false;
  const QFont chosen = QFontDialog::getFont(&accepted, preset, parent_, QString(), options);
  if (!accepted) return std::nullopt;
  FontSpec font;
  font.name = toStdString(chosen.family());
  int size = chosen.pointSize() > 0 ? chosen.pointSize() : request.preset.size;
  if (request.sizes) size = std::clamp(size, request.sizes->smallest, request.sizes->largest);
  font.size = static_cast<std::int16_t>(size);
  font.style = {chosen.bold(), chosen.italic(), chosen.underline(), chosen.strikeOut()};
  font.colour = request.preset.colour;
  if (request.options.has(FontOption::Effects)) {
    const QColor colour = QColorDialog::getColor(toQColor(font.colour), parent_);
    if (colour.isValid()) font.colour = toColour(colour);
  }
  return font;
}

}  // namespace orvane
