#pragma once
// The mini-CV editor's three pop-up menus, built from the core's table of items.

#include <QString>
#include <map>
#include <string_view>

#include "catalogue/language.h"
#include "minicv/editor_menus.h"

class QAction;
class QMenu;
class QWidget;

namespace orvane {

class EditorPopupMenus {
 public:
  /// Builds every menu and item under `parent`, captioned in `language`; items keep their names.
  EditorPopupMenus(QWidget* parent, Language language);

  QMenu* menu(minicv::EditorMenu which) const;
  /// The action of the item (or submenu) called `name`; null for a name no item bears.
  QAction* action(std::string_view name) const;
  /// Every item takes its caption in `language`.
  void recaption(Language language);

 private:
  std::map<minicv::EditorMenu, QMenu*> menus_;
  std::map<std::string_view, QAction*> actions_;
};

}  // namespace orvane
