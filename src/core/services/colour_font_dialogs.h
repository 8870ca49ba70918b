#pragma once
// The colour dialog and the font dialog. The Qt layer shows real dialogs; tests script the answers.

#include <optional>
#include <string>

#include "colour.h"
#include "font.h"
#include "font_options.h"

namespace orvane {

/// The smallest and largest size a font dialog offers when its sizes are limited.
struct SizeRange {
  int smallest = 0;
  int largest = 0;
  bool operator==(const SizeRange&) const = default;
};

/// How the font dialog opens.
struct FontDialogRequest {
  /// The font shown at opening; an empty name keeps the dialog's own face and size.
  FontSpec preset;
  bool printerFonts = false;  // the printer's fonts rather than the screen's
  FontOptions options;
  std::optional<SizeRange> sizes;  // only these sizes when set
};

class ColourFontDialogs {
 public:
  virtual ~ColourFontDialogs() = default;
  /// The colour chosen starting from `current`, or nothing on cancel.
  virtual std::optional<Colour> chooseColour(Colour current) = 0;
  /// Whether the font dialog can show the face `name`.
  virtual bool fontAvailable(const std::string& name) = 0;
  /// The font chosen, or nothing on cancel.
  virtual std::optional<FontSpec> chooseFont(const FontDialogRequest& request) = 0;
};

}  // namespace orvane
