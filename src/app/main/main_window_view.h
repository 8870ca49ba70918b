#pragma once
// What a handler group of the main window reaches of its window: the menu items it answers, the
// widget its dialogs open over, and the follow-ups that involve other groups or the window's place.
// The groups see nothing else of the window.

#include "app/main/popup_menus.h"

class QWidget;

namespace orvane {

class MainWindowView {
 public:
  virtual const PopupMenus& menus() const = 0;
  virtual QWidget* dialogParent() = 0;
  /// The main window goes beside the card window when the card is shown.
  virtual void placeMainWindowBesideCard() = 0;
  /// The transparent frames are drawn again over the card as it is now.
  virtual void redrawTransparentFrames() = 0;

 protected:
  ~MainWindowView() = default;
};

}  // namespace orvane
