#pragma once
// The one business card being edited: card, icon and two frames, with the reference data kept for
// resets, format changes and orientation switches. Lengths are screen pixels at `screenResolution`.

#include <array>
#include <cstdint>
#include <string>

#include "colour.h"
#include "contact/contact.h"
#include "font.h"
#include "richtext/rich_text.h"

namespace orvane {

/// A card is horizontal when its orientation says so; an unset orientation behaves as vertical.
enum class Orientation { Unset, Vertical, Horizontal };

/// How the pattern is placed: by its size (tiled when small enough), tiled as a brush, or stretched.
enum class PatternMode { BySize, Tile, Stretch };

/// How a tiled pattern is painted: over the whole card, or flood-filling the area of the card colour.
enum class FillStyle { Fill, Flood };

/// What the icon file holds, decided from its last letter; unknown until an icon file is chosen or shown.
enum class IconKind { Unknown, Icon, Bitmap };

/// Paragraph alignment code of a frame as the card file stores it.
enum FrameAlignmentCode { alignLeft = 0, alignRight = 1, alignCentre = 2 };

/// The paragraph alignment a frame's text takes for its alignment code; an unknown code is left.
ParagraphAlignment paragraphAlignmentOf(int frameAlignment);

struct FrameModel {
  int frameLeft = 0;
  int frameTop = 0;
  int frameWidth = 0;
  int frameHeight = 0;
  Colour frameColor = 0xFFCDC0;
  int frameAlignment = alignLeft;
  bool frameTransparent = false;
  FontSpec headerFont;  // first line; empty name = not set
  FontSpec bodyFont;    // other lines; empty name = not set
  RichText text;
  std::string frameTextFile;
  bool modified = false;  // the text was changed since it was last loaded
  bool readOnly = true;
  Colour accessColor = 0xFFCDC0;  // frame colour taken when card access was switched on
};

/// One slot of `layoutSnapshots`: the frame and icon geometry of a format, 16-bit values.
struct LayoutSnapshot {
  std::int16_t frame1Top = 0;
  std::int16_t frame1Width = 0;
  std::int16_t frame2Width = 0;
  std::int16_t frame1Height = 0;
  std::int16_t frame2Height = 0;
  std::int16_t iconTop = 0;
  std::int16_t iconLeft = 0;
  std::int16_t iconWidth = 0;
  std::int16_t iconHeight = 0;
  // Derived for the landscape layout.
  std::int16_t landscapeFrame1Top = 0;     // frame 1 top div 2
  std::int16_t landscapeFrame1Width = 0;   // frame 1 width x 1.75, rounded
  std::int16_t landscapeFrame1Height = 0;  // frame 1 height div 2
  std::int16_t landscapeFrame2Height = 0;  // frame 2 height div 2
  bool filled = false;
  bool operator==(const LayoutSnapshot&) const = default;
};

/// The eight proportions of the start card used to re-lay out frames on a format change.
struct LayoutRatios {
  double frame1Width = 0;   // / card width
  double frame1Height = 0;  // / card height
  double frame1Top = 0;     // / card height
  double frame2Width = 0;   // / card width
  double frame2Height = 0;  // / card height
  double frame2Top = 0;     // / card height
  double iconLeft = 0;      // / card width
  double iconTop = 0;       // / card height
};

/// Scale of the layout per standard format (index 1 to 5) when no snapshot is stored for it.
inline constexpr std::array<double, 5> orientationScales{100, 107, 123, 160, 100.67};

struct CardModel {
  int cardWidth = 182;
  int cardHeight = 273;
  int cardTop = 41;  // screen y of the card window
  int cardLeft = 9;  // screen x of the card window (not saved)
  Colour cardColor = 0xF0C0CD;
  Orientation orientation = Orientation::Unset;
  std::string patternFile;
  std::string iconFile;
  int spacing = 0;  // 0 = not set, used as 8
  PatternMode patternMode = PatternMode::BySize;
  FillStyle fillStyle = FillStyle::Fill;
  int formatIndex = 0;
  bool cardAccess = false;

  int iconLeft = 8;
  int iconTop = 24;
  int iconWidth = 32;
  int iconHeight = 32;
  IconKind iconKind = IconKind::Unknown;

  std::array<FrameModel, 2> frames;

  /// Kept in its own companion file, not in the card file.
  CardContact contact;

  int designWidth = 182;
  int designHeight = 273;
  int designIconLeft = 8;
  int designIconTop = 24;
  LayoutRatios layoutRatios;
  std::array<LayoutSnapshot, 8> layoutSnapshots;  // slots -1 to 6, see snapshot()

  /// Frame 1 or frame 2.
  FrameModel& frame(int number) { return frames.at(number - 1); }
  const FrameModel& frame(int number) const { return frames.at(number - 1); }
  /// Snapshot slot -1 to 6.
  LayoutSnapshot& snapshot(int slot) { return layoutSnapshots.at(slot + 1); }
  const LayoutSnapshot& snapshot(int slot) const { return layoutSnapshots.at(slot + 1); }
  /// `spacing` as sheets and files use it: 8 when not set.
  int effectiveSpacing() const { return spacing == 0 ? 8 : spacing; }
};

/// True for a horizontal card; a vertical card or one whose orientation is not set is not.
inline bool isHorizontal(const CardModel& card) { return card.orientation == Orientation::Horizontal; }

/// Sets `card` to the start card of a screen of `screenResolution` pixels per inch: start values
/// scaled from 96 dpi, texts cleared, frames read-only, format 0, design size, ratios and slot 0.
void setupStartCard(CardModel& card, int screenResolution);

/// The eight proportions of the card's current frame and icon geometry to its size.
LayoutRatios measureLayoutRatios(const CardModel& card);

/// Stores the current frame and icon geometry into slot `slot` (-1 to 6).
void snapshotLayout(CardModel& card, int slot);

/// Writes the stored body fonts, then header fonts, into the frames' texts; unset fonts are skipped.
void applyFrameFonts(CardModel& card);

/// True when the first line of frame `number` has exactly its stored header font.
bool headerFontMatches(const CardModel& card, int number);

/// The actual font of the first line of frame `number`.
FontSpec readHeaderFont(const CardModel& card, int number);

/// Switches card access on (frames editable, their colours kept as access colours) or off (frames
/// read-only, their colours given back from the access colours).
void setCardAccess(CardModel& card, bool on);

}  // namespace orvane
