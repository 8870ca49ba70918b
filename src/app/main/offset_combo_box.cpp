#include "app/main/offset_combo_box.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "qt/qt_text.h"

namespace orvane {

namespace {
bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }
}  // namespace

OffsetComboBox::OffsetComboBox(ControlList list, const QRect& geometry, QWidget* parent)
    : QComboBox(parent), list_(list) {
  setObjectName(QStringLiteral("ComboBox%1").arg(static_cast<int>(list)));
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  // No completion: "largeur + 1" would otherwise be completed to the first longer item, "largeur + 19".
  setCompleter(nullptr);
  setGeometry(geometry);
  // The line edit takes the keys while the list has the focus: its key releases are ours.
  lineEdit()->installEventFilter(this);
}

void OffsetComboBox::fill(Language language) {
  const ItemList items = controlList(list_, language);
  clear();
  for (const std::string& item : items.items) addItem(toQString(item));
  setCurrentIndex(items.shown);
}

bool OffsetComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit() && event->type() == QEvent::KeyRelease &&
      isEnter(*static_cast<QKeyEvent*>(event)) && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    emit confirmed(currentText());
    return true;
  }
  return QComboBox::eventFilter(watched, event);
}

void OffsetComboBox::keyReleaseEvent(QKeyEvent* event) {
  if (isEnter(*event) && !event->isAutoRepeat()) {
    emit confirmed(currentText());
    return;
  }
  QComboBox::keyReleaseEvent(event);
}

}  // namespace orvane
