#include "app/minicv/editor_popup_menus.h"

#include <QAction>
#include <QMenu>

#include "qt/qt_text.h"

namespace orvane {

using minicv::EditorMenu;
using minicv::EditorMenuItem;

EditorPopupMenus::EditorPopupMenus(QWidget* parent, Language language) {
  for (EditorMenu which : {EditorMenu::Main, EditorMenu::Html, EditorMenu::Tests}) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(which == EditorMenu::Main   ? QStringLiteral("PopupMenu1")
                        : which == EditorMenu::Html ? QStringLiteral("PopupMenu2")
                                                    : QStringLiteral("PopupMenu3"));
    menus_[which] = menu;
  }
  std::map<std::string_view, QMenu*> submenus;
  for (const EditorMenuItem& item : minicv::editorMenuItems()) {
    QMenu* owner = item.parent.empty() ? menus_[item.menu] : submenus.at(item.parent);
    const QString name = toQString(std::string(item.name));
    QAction* action = nullptr;
    if (item.submenu) {
      QMenu* submenu = owner->addMenu(QString());
      submenu->setObjectName(name);
      submenus[item.name] = submenu;
      action = submenu->menuAction();
    } else {
      action = owner->addAction(QString());
    }
    action->setObjectName(name);
    actions_[item.name] = action;
  }
  recaption(language);
}

QMenu* EditorPopupMenus::menu(EditorMenu which) const { return menus_.at(which); }

QAction* EditorPopupMenus::action(std::string_view name) const {
  const auto found = actions_.find(name);
  return found == actions_.end() ? nullptr : found->second;
}

void EditorPopupMenus::recaption(Language language) {
  for (const EditorMenuItem& item : minicv::editorMenuItems())
    actions_.at(item.name)->setText(toQString(minicv::editorMenuCaption(item, language)));
}

}  // namespace orvane
