#pragma once
// An editable list whose items are never dropped down: the user steps through them with the arrow
// keys or types a value, and the value counts only when Enter is released.

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
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  ControlList list_;
};

}  // namespace orvane
