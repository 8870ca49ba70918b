#pragma once
// What a handler group of the main window reaches of its window: the menu items it answers, the
// widget its dialogs open over, and the follow-ups that involve other groups or the window's place.
// The groups see nothing else of the window.

#include "app/main/popup_menus.h"

class QPushButton;
class QWidget;

namespace orvane {

class MainWindowView {
 public:
  virtual const PopupMenus& menus() const = 0;
  virtual QWidget* dialogParent() = 0;
  /// "Presse Papier" (button2), which copies the card to the clipboard.
  virtual QPushButton* cardCopyButton() = 0;
  /// The main window goes beside the card window when the card is shown.
  virtual void placeMainWindowBesideCard() = 0;
  /// The transparent frames are drawn again over the card as it is now.
  virtual void redrawTransparentFrames() = 0;
  /// T1 and T2 become usable (over a shown pattern) or not.
  virtual void enableFrameTransparency(bool enabled) = 0;
  /// T1 and T2 take the frames' transparency, through their own handlers.
  virtual void showFrameTransparency(bool frame1, bool frame2) = 0;
  /// The icon previews of a card loaded before go.
  virtual void clearIconPreviews() = 0;
  /// The menu commands are enabled as the editor's state allows.
  virtual void updateCommandStates() = 0;

 protected:
  ~MainWindowView() = default;
};

}  // namespace orvane
