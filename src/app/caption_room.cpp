#include "app/caption_room.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace orvane {

namespace {

// A single "&" marks the keyboard shortcut and is not drawn; "&&" draws one.
QString drawnText(QString caption) {
  caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  caption.remove(QLatin1Char('&'));
  return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The width the text's lines are laid out in, fractions of a pixel rounded up as drawing does.
int textWidth(const QWidget& widget, const QString& text) {
  return widget.fontMetrics().boundingRect(QRect(), Qt::AlignLeft, drawnText(text)).width();
}

}  // namespace

int widthForCaption(QWidget& widget) {
  const int own = widget.width();
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    if (label->wordWrap() || label->text().isEmpty()) return own;
    return std::max(own, label->sizeHint().width());
  }
  if (auto* button = qobject_cast<QPushButton*>(&widget)) {
    if (button->text().isEmpty()) return own;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    // A pixel of air on each side, so that the text does not touch the button's bevel.
    return std::max(own, own - room.width() + textWidth(*button, button->text()) + 2);
  }
  if (auto* box = qobject_cast<QAbstractButton*>(&widget))
    return box->text().isEmpty() ? own : std::max(own, box->sizeHint().width());
  if (auto* list = qobject_cast<QComboBox*>(&widget)) {
    QLineEdit* edit = list->lineEdit();
    if (!edit) return own;
    // Any item chosen shows in the edit, which keeps 2 pixels of margin on each side of its text.
    int widest = textWidth(*edit, edit->text());
    for (int item = 0; item < list->count(); ++item)
      widest = std::max(widest, textWidth(*edit, list->itemText(item)));
    // The edit stands in the list's edit field, whatever its own size before the list is first shown.
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    option.frame = list->hasFrame();
    const QRect field =
        list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    const int room = field.width() - edit->textMargins().left() - edit->textMargins().right() - 4;
    return std::max(own, own + widest - room);
  }
  return own;
}

void makeRoomForCaptions(QWidget& root) {
  for (QWidget* widget : root.findChildren<QWidget*>()) {
    QWidget* parent = widget->parentWidget();
    if (widget->isWindow() || !parent || parent->layout()) continue;
    const int needed = widthForCaption(*widget);
    if (needed > widget->width()) widget->resize(needed, widget->height());
  }
}

}  // namespace orvane
