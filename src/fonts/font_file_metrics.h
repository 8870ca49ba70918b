#pragma once
// Font measures read from the font files themselves, without Qt: the numbers Qt's font metrics give
// on its offscreen screen (96 dots per inch, hinted as fontconfig asks), for the fonts where that is
// certain. Where it is not, the work needs Qt's own fonts, and the caller is told so.

#include <memory>
#include <optional>
#include <string>

#include "services/text_metrics.h"

namespace orvane {

/// Thrown where a text cannot be measured or laid out here as Qt would: only Qt can do that work. It is
/// not a std::exception, so that the handlers that take a fault of the work for a fault of its files
/// let it through to the caller that hands the work over.
struct NeedsQt {
  std::string reason;
};

class FontFileMetrics : public TextMetrics {
 public:
  /// Measures through the font files module at `modulePath` (see font_files.h), loaded here; nothing
  /// is measured when it cannot be loaded.
  explicit FontFileMetrics(const std::string& modulePath);
  ~FontFileMetrics() override;
  FontFileMetrics(const FontFileMetrics&) = delete;
  FontFileMetrics& operator=(const FontFileMetrics&) = delete;

  /// The measures of `text` in `font`, or nothing where Qt might measure otherwise: another screen
  /// named by QT_QPA_PLATFORM or QT_FONT_DPI, a control character, or a font the module declines.
  std::optional<FontMeasures> tryMeasure(const std::string& text, const FontSpec& font);

  /// As `tryMeasure`; throws NeedsQt where it gives nothing.
  FontMeasures measure(const std::string& text, const FontSpec& font) override;
  /// Lines are laid out by Qt's text layout: always throws NeedsQt.
  std::vector<DisplayLine> displayLines(const RichText& text, const TextBox& box) override;

 private:
  struct Module;
  std::unique_ptr<Module> module_;
  bool onPlainOffscreenScreen_;
};

}  // namespace orvane
