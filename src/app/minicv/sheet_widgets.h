#pragma once
// The Qt widgets of the mini-CV editor, one per control of the sheet's tree. The tree is the state:
// a rule changes it first, then `syncFromModel` makes every widget show what its control holds. What
// the user types or clicks goes into the tree at once and is then handed on to the window.

#include <QObject>
#include <functional>
#include <string_view>
#include <vector>

#include "form/control_tree.h"

class QLabel;
class QWidget;

namespace orvane {

class SheetWidgets : public QObject {
  Q_OBJECT
 public:
  /// Builds a widget for every control of `tree` under `root`, which stands for the root control and
  /// lies in the window that the root's caption titles.
  SheetWidgets(minicv::ControlTree& tree, QWidget& root);

  /// The widget of the control called `name` (compared without regard to case), or null.
  QWidget* widget(std::string_view name) const;
  QWidget* widget(minicv::ControlId id) const;

  /// Every widget takes its control's geometry, visibility, enabled state, caption or text, hint,
  /// font, colour and own state; the root control sizes the root widget.
  void syncFromModel();

  /// The user changed a field's or a zone's text (already in the tree).
  std::function<void(minicv::ControlId)> textEdited;
  /// The user clicked a check box, a radio button, a button or a panel (the new state is in the tree).
  std::function<void(minicv::ControlId)> clicked;
  /// The user chose an item of a list (already in the tree).
  std::function<void(minicv::ControlId)> itemChosen;
  /// Draws the picture of an image control into its widget; called when the picture's file changes.
  std::function<void(const minicv::Control&, QLabel&)> showPicture;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* create(minicv::ControlId id, QWidget* parent);
  void connectEdits(minicv::ControlId id, QWidget* widget);
  void sync(minicv::ControlId id);

  minicv::ControlTree& tree_;
  QWidget& root_;
  std::vector<QWidget*> widgets_;  // by control id; the root widget for the root
  bool syncing_ = false;           // widget signals raised by a sync are not the user's
};

}  // namespace orvane
