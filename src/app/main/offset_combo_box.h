#pragma once
// An editable list whose items are never dropped down: the user steps through them with the arrow
// keys or types a value, and the value counts only when Enter is released. Only a release whose press
// the list itself received counts: the release of an Enter that closed a message box or a dialog
// lands on the list once the dialog is gone, and must not apply the value a second time.

#include <QComboBox>

#include "card/control_lists.h"

namespace orvane {

class OffsetComboBox : public QComboBox {
  Q_OBJECT

 public:
  /// A list called `ComboBox<list>` under `parent`, at `geometry`.
  OffsetComboBox(ControlList list, const QRect& geometry, QWidget* parent);

  /// Fills the list in `language` and shows the item it starts on.
  void fill(Language language);

  void showPopup() override {}

 signals:
  /// Enter was released; `text` is what the control shows.
  void confirmed(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  /// Notes an Enter press; true when `event` is one.
  bool notePress(const QKeyEvent& event);
  /// Confirms on the release of an Enter pressed here; true when `event` is such a release.
  bool confirmOnRelease(const QKeyEvent& event);

  ControlList list_;
  bool enterPressedHere_ = false;
};

}  // namespace orvane
