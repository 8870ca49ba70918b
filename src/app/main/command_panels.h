#pragma once
// The five command panels of the main window and the pop-up menus they open.

#include <QFrame>
#include <QString>
#include <vector>

class QMenu;
class QWidget;

namespace orvane {

/// A panel that opens a pop-up menu: its tag selects the menu.
class CommandPanel : public QFrame {
  Q_OBJECT
 public:
  CommandPanel(const QString& name, const QString& caption, const QString& hint, int tag, QWidget* parent);
  int tag() const { return tag_; }
  QString caption() const;
  void setHighlighted(bool on);
  bool highlighted() const { return highlighted_; }

 signals:
  void clicked(CommandPanel* panel);
  void mouseMoved(CommandPanel* panel);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int tag_;
  bool highlighted_ = false;
};

/// One entry of a pop-up menu: an item (named after its handler where it has one) or a submenu.
struct MenuEntry {
  QString name;
  QString caption;
  std::vector<MenuEntry> children = {};
  bool checkable = false;
  bool checked = false;
};

/// The items of the menu opened by the panel with tag `tag`.
const std::vector<MenuEntry>& menuEntries(int tag);

/// Builds the pop-up menu of `tag` under `parent`; items and submenus carry their names.
QMenu* buildPopupMenu(int tag, QWidget* parent);

}  // namespace orvane
