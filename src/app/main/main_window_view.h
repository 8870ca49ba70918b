#pragma once
// What a handler group of the main window reaches of its window: the menu items it answers and the
// widget its dialogs open over. The groups see nothing else of the window.

#include "app/main/popup_menus.h"

class QWidget;

namespace orvane {

class MainWindowView {
 public:
  virtual const PopupMenus& menus() const = 0;
  virtual QWidget* dialogParent() = 0;

 protected:
  ~MainWindowView() = default;
};

}  // namespace orvane
