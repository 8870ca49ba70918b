#pragma once
// Where a window's caption table lands: the controls and menu items it names, found by their layout
// names, and how each kind of control shows a caption or a hint.

#include <QHash>
#include <QString>
#include <vector>

#include "catalogue/caption_table.h"

class QObject;
class QWidget;

namespace orvane {

class CaptionTargets {
 public:
  /// Names not registered are looked up as object names under `window`.
  explicit CaptionTargets(QWidget& window) : window_(window) {}

  /// `target` answers to `name`: for objects whose own name is another (menu items keep their
  /// handlers' names).
  void add(const QString& name, QObject* target) { registered_.insert(name, target); }

  /// The control or menu item called `name`, or null when the window has none.
  QObject* find(const QString& name) const;

  /// Shows each caption or hint on its control; a list keeps its items and shows the caption as its
  /// text without acting on it.
  void apply(const std::vector<ResolvedCaption>& captions) const;

 private:
  QWidget& window_;
  QHash<QString, QObject*> registered_;
};

}  // namespace orvane
