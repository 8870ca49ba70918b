#pragma once
// The colour and font dialogs as Qt's standard dialogs.

#include "services/colour_font_dialogs.h"

class QWidget;

namespace orvane {

class QtColourFontDialogs : public ColourFontDialogs {
 public:
  explicit QtColourFontDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<Colour> chooseColour(Colour current) override;
  bool fontAvailable(const std::string& name) override;
  /// The font dialog, then, with the effects on, the colour dialog for the font's colour (the font
  /// dialog has no colour of its own; cancelling it keeps the preset colour).
  std::optional<FontSpec> chooseFont(const FontDialogRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace orvane
