#include "app/caption_room.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace orvane {

namespace {

// A single "&" marks the keyboard shortcut and is not drawn; "&&" draws one.
QString drawnText(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

int textWidth(const QWidget& widget, const QString& text) {
  int widest = 0;
  for (const QString& line : drawnText(text).split(QLatin1Char('\n')))
    widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
  return widest;
}

// The width the control needs for its caption, or 0 when it has no caption to fit.
int neededWidth(QWidget& widget) {
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    if (label->wordWrap() || label->text().isEmpty()) return 0;
    return label->sizeHint().width();
  }
  if (auto* button = qobject_cast<QPushButton*>(&widget)) {
    if (button->text().isEmpty()) return 0;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    // A pixel of air on each side, so that the text does not touch the button's bevel.
    return button->width() - room.width() + textWidth(*button, button->text()) + 2;
  }
  if (auto* box = qobject_cast<QAbstractButton*>(&widget))
    return box->text().isEmpty() ? 0 : box->sizeHint().width();
  if (auto* list = qobject_cast<QComboBox*>(&widget)) {
    QLineEdit* edit = list->lineEdit();
    if (!edit || edit->text().isEmpty()) return 0;
    // The edit keeps 2 pixels of margin on each side of its text.
    const int room = edit->contentsRect().marginsRemoved(edit->textMargins()).width() - 4;
    return list->width() + textWidth(*edit, edit->text()) - room;
  }
  return 0;
}

}  // namespace

void makeRoomForCaptions(QWidget& root) {
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    QWidget* parent = widget->parentWidget();
    if (widget->isWindow() || !parent || parent->layout()) continue;
    const int needed = neededWidth(*widget);
    if (needed > widget->width()) widget->resize(needed, widget->height());
  }
}

}  // namespace orvane
