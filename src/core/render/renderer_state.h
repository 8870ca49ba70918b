#pragma once
// The pictures the card drawing keeps between calls, and the messages it shows once per run. The card
// window owns one for the whole run.

#include <optional>
#include <string>

#include "graphics/image.h"

namespace orvane {

struct RendererState {
  /// The pattern file read as a bitmap; read again on first use after it is forgotten.
  std::optional<Image> patternBitmap;
  /// A card-sized picture receiving the same pattern drawing as the card window.
  std::optional<Image> backgroundCopy;
  /// The pattern stretched over the card with the text of each transparent frame drawn on it.
  std::optional<Image> transparencyComposite;
  /// The icon as read from its file, and the path it was read from.
  std::optional<Image> iconImage;
  std::string iconPathRead;
  /// The icon control's picture: the card's background under the icon with the icon drawn on it.
  std::optional<Image> iconPicture;
  /// The background under the icon alone, for the main window's second icon preview.
  std::optional<Image> iconBackground;

  /// A pattern has been drawn on the card (T1 and T2 may then be switched on).
  bool patternShown = false;
  bool patternUnreadableShown = false;  // messages 140 and 141
  bool imageUnreadableShown = false;    // message 131

  /// Another pattern or a card file load: the pattern is read afresh and the composite rebuilt.
  void forgetPattern() {
    patternBitmap.reset();
    transparencyComposite.reset();
  }
  /// A card file is loaded: the icon and the pattern are read again from their files.
  void forgetFilePictures() {
    forgetPattern();
    iconImage.reset();
    iconPathRead.clear();
  }
  /// The card window is closing: let go of the pictures.
  void releasePictures() {
    forgetPattern();
    backgroundCopy.reset();
  }
};

}  // namespace orvane
