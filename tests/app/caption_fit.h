#pragma once
// Finds the captions a window cuts: the text each widget draws, placed where the widget's style draws
// it, must lie inside the widget, inside every parent up to the window, and clear of its visible
// siblings.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <optional>

namespace orvane::test {

namespace caption_fit_detail {

// The text as drawn: "&&" shows one ampersand, a single "&" marks the mnemonic and shows nothing.
inline QString shownText(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

inline QStyleOptionButton buttonOption(const QAbstractButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  option.icon = button.icon();
  option.iconSize = button.iconSize();
  if (const auto* push = qobject_cast<const QPushButton*>(&button); push && push->autoDefault())
    option.features |= QStyleOptionButton::AutoDefaultButton;
  return option;
}

// A text drawn in `room` with `flags`, as QStyle::drawItemText places it.
inline QRect placedText(const QWidget& widget, const QRect& room, int flags, const QString& text) {
  return widget.fontMetrics().boundingRect(room, flags, shownText(text));
}

struct Caption {
  QString text;
  QRect drawn;  // where the text is drawn, in the widget's coordinates
  QRect room;   // where the widget lets it be drawn
};

inline std::optional<Caption> captionOf(const QWidget& widget) {
  QStyle* style = widget.style();
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return std::nullopt;
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    return Caption{label->text(), placedText(widget, room, flags, label->text()), room};
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
    if (group->title().isEmpty()) return std::nullopt;
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.lineWidth = 1;
    option.textAlignment = group->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const QRect drawn = placedText(widget, label, Qt::AlignLeft | Qt::AlignVCenter, group->title());
    return Caption{group->title(), drawn, group->rect()};
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    if (button->text().isEmpty()) return std::nullopt;
    const QStyleOptionButton option = buttonOption(*button);
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    int flags = Qt::AlignCenter;
    if (qobject_cast<const QCheckBox*>(button)) {
      contents = QStyle::SE_CheckBoxContents;
      flags = Qt::AlignLeft | Qt::AlignVCenter;
    } else if (qobject_cast<const QRadioButton*>(button)) {
      contents = QStyle::SE_RadioButtonContents;
      flags = Qt::AlignLeft | Qt::AlignVCenter;
    }
    const QRect room = style->subElementRect(contents, &option, button);
    return Caption{button->text(), placedText(widget, room, flags, button->text()), room};
  }
  // The text shown in an editable list is its line edit's; the edit keeps a margin of 2 pixels a side.
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
    if (!qobject_cast<const QComboBox*>(edit->parentWidget()) || edit->text().isEmpty()) return std::nullopt;
    const QMargins margins = edit->textMargins();
    const QRect room = edit->contentsRect().marginsRemoved(margins).adjusted(2, 0, -2, 0);
    return Caption{edit->text(), placedText(widget, room, Qt::AlignLeft | Qt::AlignVCenter, edit->text()),
                   room};
  }
  return std::nullopt;
}

// What hides part of `drawn` (in the widget's coordinates): the widget's own edges, an ancestor's
// edges, or a visible sibling stacked over it; empty when nothing does.
inline QString whatCuts(const QWidget& widget, const QRect& drawn, const QWidget& window) {
  if (!widget.rect().contains(drawn)) return QStringLiteral("its own edges");
  const QObjectList siblings = widget.parentWidget() ? widget.parentWidget()->children() : QObjectList();
  // Siblings later in the list are drawn after the widget, over it.
  for (auto above = siblings.begin() + siblings.indexOf(&widget) + 1; above < siblings.end(); ++above) {
    const auto* other = qobject_cast<const QWidget*>(*above);
    if (!other || other->isWindow() || !other->isVisibleTo(&window)) continue;
    if (other->geometry().intersects(drawn.translated(widget.pos())))
      return QStringLiteral("sibling ") + other->objectName() + QLatin1Char(' ') +
             QString::fromLatin1(other->metaObject()->className());
  }
  for (const QWidget* ancestor = widget.parentWidget(); ancestor; ancestor = ancestor->parentWidget()) {
    const QRect inAncestor(widget.mapTo(ancestor, drawn.topLeft()), drawn.size());
    if (!ancestor->rect().contains(inAncestor))
      return QStringLiteral("the edges of ") + ancestor->objectName();
    if (ancestor == &window || ancestor->isWindow()) break;
  }
  return {};
}

}  // namespace caption_fit_detail

/// Every visible caption under `window` (the window included) that does not show whole, one line each:
/// the widget, its text, what it is drawn on and where it may be drawn.
inline QStringList cutCaptions(const QWidget& window) {
  using namespace caption_fit_detail;
  QStringList cut;
  QList<const QWidget*> widgets{&window};
  for (const QWidget* child : window.findChildren<QWidget*>()) widgets << child;
  for (const QWidget* widget : widgets) {
    if (widget != &window && (widget->isWindow() || !widget->isVisibleTo(&window))) continue;
    const std::optional<Caption> caption = captionOf(*widget);
    if (!caption) continue;
    QString cause = caption->room.contains(caption->drawn) ? whatCuts(*widget, caption->drawn, window)
                                                           : QStringLiteral("its text room");
    if (cause.isEmpty()) continue;
    const auto box = [](const QRect& r) {
      return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    cut << QStringLiteral("%1 \"%2\": drawn at %3, room %4, widget %5, cut by %6")
               .arg(widget->objectName(), caption->text, box(caption->drawn), box(caption->room),
                    box(widget->geometry()), cause);
  }
  return cut;
}

}  // namespace orvane::test
