#pragma once
// The one bound of every card side and icon side: the card window and its pictures are drawn whole in
// memory, and the card file loader reads back only the sides the editor can draw.

namespace orvane {

/// The longest card side or icon side, in screen pixels; no business card comes near this even on a
/// very dense screen.
inline constexpr int maxDrawableLength = 4000;

/// Whether a card or icon side of `length` pixels can be drawn: a side of no size, or a negative one,
/// would make the card window vanish.
constexpr bool isDrawableLength(long long length) { return length >= 1 && length <= maxDrawableLength; }

/// Sets `length` to `value` when it is drawable; otherwise leaves it. False when it was left.
inline bool setDrawableLength(int& length, long long value) {
  if (!isDrawableLength(value)) return false;
  length = static_cast<int>(value);
  return true;
}

}  // namespace orvane
