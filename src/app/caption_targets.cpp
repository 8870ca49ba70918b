#include "app/caption_targets.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>

#include "app/main/command_panels.h"
#include "qt/qt_text.h"

namespace orvane {

namespace {

void setCaption(QObject* target, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(target))
    action->setText(text);
  else if (auto* menu = qobject_cast<QMenu*>(target))
    menu->menuAction()->setText(text);
  else if (auto* group = qobject_cast<QGroupBox*>(target))
    group->setTitle(text);
  else if (auto* button = qobject_cast<QAbstractButton*>(target))
    button->setText(text);
  else if (auto* label = qobject_cast<QLabel*>(target))
    label->setText(text);
  else if (auto* panel = qobject_cast<CommandPanel*>(target))
    panel->setCaption(text);
  else if (auto* list = qobject_cast<QComboBox*>(target)) {
    // A caption is no value the user chose: the list's own handlers must not read it.
    const QSignalBlocker quiet(list);
    list->setEditText(text);
  }
}

void setHint(QObject* target, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(target))
    action->setToolTip(text);
  else if (auto* widget = qobject_cast<QWidget*>(target))
    widget->setToolTip(text);
}

}  // namespace

QObject* CaptionTargets::find(const QString& name) const {
  if (QObject* target = registered_.value(name)) return target;
  return window_.findChild<QObject*>(name);
}

void CaptionTargets::apply(const std::vector<ResolvedCaption>& captions) const {
  for (const ResolvedCaption& caption : captions) {
    QObject* target = find(toQString(caption.control));
    if (!target) continue;
    if (caption.part == CaptionPart::Hint)
      setHint(target, toQString(caption.text));
    else
      setCaption(target, toQString(caption.text));
  }
}

}  // namespace orvane
