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

bool OffsetComboBox::notePress(const QKeyEvent& event) {
  if (!isEnter(event)) return false;
  if (!event.isAutoRepeat()) enterPressedHere_ = true;
  return true;
}

bool OffsetComboBox::confirmOnRelease(const QKeyEvent& event) {
  if (!isEnter(event) || event.isAutoRepeat()) return false;
  const bool pressedHere = enterPressedHere_;
  enterPressedHere_ = false;
  // Cleared before the signal: the confirmation may open a message box whose own Enter follows.
  if (pressedHere) emit confirmed(currentText());
  return true;
}

bool OffsetComboBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lineEdit()) {
    switch (event->type()) {
      case QEvent::KeyPress:
        notePress(*static_cast<QKeyEvent*>(event));
        break;
      case QEvent::KeyRelease:
        if (confirmOnRelease(*static_cast<QKeyEvent*>(event))) return true;
        break;
      case QEvent::FocusOut:
        enterPressedHere_ = false;
        break;
      default:
        break;
    }
  }
  return QComboBox::eventFilter(watched, event);
}

void OffsetComboBox::keyPressEvent(QKeyEvent* event) {
  notePress(*event);
  QComboBox::keyPressEvent(event);
}

void OffsetComboBox::keyReleaseEvent(QKeyEvent* event) {
  if (confirmOnRelease(*event)) return;
  QComboBox::keyReleaseEvent(event);
}

void OffsetComboBox::focusOutEvent(QFocusEvent* event) {
  enterPressedHere_ = false;
  QComboBox::focusOutEvent(event);
}

}  // namespace orvane
