#include "app/minicv/sheet_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "minicv/zone_layout.h"
#include "qt/qt_font.h"
#include "qt/qt_text.h"
#include "qt/rich_text_document.h"
#include "render/cv_page.h"

namespace orvane {

using minicv::Control;
using minicv::ControlId;
using minicv::ControlKind;

namespace {

/// A three-state box goes unchecked, checked, grey and round again, the order the sheet's rules
/// expect from a click.
class ElementCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {
    if (!isTristate()) return QCheckBox::nextCheckState();
    switch (checkState()) {
      case Qt::Unchecked:
        return setCheckState(Qt::Checked);
      case Qt::Checked:
        return setCheckState(Qt::PartiallyChecked);
      case Qt::PartiallyChecked:
        return setCheckState(Qt::Unchecked);
    }
  }
};

void setColours(QWidget* widget, const Control& control) {
  QPalette palette = widget->palette();
  // Only containers paint their own colour; the other controls show their parent's through them.
  if (control.isContainer()) {
    palette.setColor(QPalette::Window, toQColor(control.colour));
    widget->setAutoFillBackground(true);
  }
  palette.setColor(QPalette::WindowText, toQColor(control.font.colour));
  palette.setColor(QPalette::Text, toQColor(control.font.colour));
  palette.setColor(QPalette::ButtonText, toQColor(control.font.colour));
  widget->setPalette(palette);
}

template <typename Widget>
void setTextIfChanged(Widget* widget, const QString& text) {
  if (widget->text() != text) widget->setText(text);
}

}  // namespace

SheetWidgets::SheetWidgets(minicv::ControlTree& tree, QWidget& root)
    : QObject(&root), tree_(tree), root_(root) {
  widgets_.assign(tree_.size(), nullptr);
  // A parent comes before its children in the tree, so its widget is there when they are made.
  for (ControlId id = 0; id < static_cast<ControlId>(tree_.size()); ++id) {
    const ControlId parent = tree_.at(id).parent;
    widgets_[static_cast<std::size_t>(id)] =
        parent == minicv::noControl ? &root_ : create(id, widgets_[static_cast<std::size_t>(parent)]);
  }
  syncFromModel();
}

QWidget* SheetWidgets::widget(std::string_view name) const {
  const ControlId id = tree_.find(name);
  return id == minicv::noControl ? nullptr : widget(id);
}

QWidget* SheetWidgets::widget(ControlId id) const {
  if (id < 0 || static_cast<std::size_t>(id) >= widgets_.size()) return nullptr;
  return widgets_[static_cast<std::size_t>(id)];
}

QWidget* SheetWidgets::create(ControlId id, QWidget* parent) {
  const Control& control = tree_.at(id);
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Window:
    case ControlKind::Panel: {
      auto* panel = new QLabel(parent);
      panel->setAlignment(Qt::AlignCenter);
      panel->installEventFilter(this);
      widget = panel;
      break;
    }
    case ControlKind::GroupBox:
    case ControlKind::RadioGroup:
      widget = new QGroupBox(parent);
      break;
    case ControlKind::Label:
      widget = new QLabel(parent);
      break;
    case ControlKind::Edit:
      widget = new QLineEdit(parent);
      break;
    case ControlKind::Memo:
      widget = new QPlainTextEdit(parent);
      break;
    case ControlKind::RichEdit: {
      auto* zone = new QTextEdit(parent);
      zone->setAcceptRichText(false);
      // The zone lays its lines out in the box the printed page lays them out in, and grows with them:
      // no frame or margin of the widget's own, no scroll bar.
      zone->setFrameStyle(QFrame::NoFrame);
      zone->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      zone->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      setTextBoxLayout(*zone->document(), cvZoneTextBox(0, zone->logicalDpiX()));
      widget = zone;
      break;
    }
    case ControlKind::CheckBox:
      widget = new ElementCheckBox(parent);
      break;
    case ControlKind::RadioButton:
      widget = new QRadioButton(parent);
      break;
    case ControlKind::ComboBox: {
      auto* list = new QComboBox(parent);
      list->setEditable(true);
      list->setInsertPolicy(QComboBox::NoInsert);
      widget = list;
      break;
    }
    case ControlKind::ListBox:
      widget = new QListWidget(parent);
      break;
    case ControlKind::Button:
      widget = new QPushButton(parent);
      break;
    case ControlKind::Image: {
      auto* image = new QLabel(parent);
      image->setScaledContents(true);
      widget = image;
      break;
    }
  }
  widget->setObjectName(toQString(control.name));
  connectEdits(id, widget);
  return widget;
}

void SheetWidgets::connectEdits(ControlId id, QWidget* widget) {
  auto report = [this, id](const std::function<void(ControlId)>& handler) {
    if (!syncing_ && handler) handler(id);
  };
  if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    connect(field, &QLineEdit::textEdited, this, [this, id, report](const QString& text) {
      tree_.at(id).text = toStdString(text);
      report(textEdited);
    });
  } else if (auto* zone = qobject_cast<QTextEdit*>(widget)) {
    connect(zone, &QTextEdit::textChanged, this, [this, id, zone, report] {
      if (syncing_) return;
      tree_.at(id).richText = readDocument(*zone->document());
      report(textEdited);
    });
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
    connect(memo, &QPlainTextEdit::textChanged, this, [this, id, memo, report] {
      if (syncing_) return;
      const QStringList lines = memo->toPlainText().split(QLatin1Char('\n'));
      tree_.at(id).lines.clear();
      for (const QString& line : lines) tree_.at(id).lines.push_back(toStdString(line));
      report(textEdited);
    });
  } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    connect(box, &QCheckBox::clicked, this, [this, id, box, report] {
      tree_.at(id).checked = box->checkState() == Qt::Checked;
      tree_.at(id).greyed = box->checkState() == Qt::PartiallyChecked;
      report(clicked);
    });
  } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
    connect(radio, &QRadioButton::clicked, this, [this, id, report] {
      // A radio button clicked on leaves its neighbours off.
      for (ControlId sibling : tree_.children(tree_.at(id).parent))
        if (tree_.at(sibling).kind == ControlKind::RadioButton) tree_.at(sibling).checked = sibling == id;
      report(clicked);
    });
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, [report, this] { report(clicked); });
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    connect(list, &QComboBox::activated, this, [this, id, list, report](int index) {
      tree_.at(id).itemIndex = index;
      tree_.at(id).text = toStdString(list->currentText());
      report(itemChosen);
    });
  } else if (auto* items = qobject_cast<QListWidget*>(widget)) {
    connect(items, &QListWidget::currentRowChanged, this, [this, id, report](int row) {
      tree_.at(id).itemIndex = row;
      report(itemChosen);
    });
  }
}

bool SheetWidgets::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && clicked) {
    for (std::size_t id = 0; id < widgets_.size(); ++id)
      if (widgets_[id] == watched) clicked(static_cast<ControlId>(id));
  }
  return QObject::eventFilter(watched, event);
}

void SheetWidgets::syncFromModel() {
  syncing_ = true;
  for (ControlId id = 0; id < static_cast<ControlId>(tree_.size()); ++id) sync(id);
  syncing_ = false;
}

void SheetWidgets::sync(ControlId id) {
  const Control& control = tree_.at(id);
  QWidget* widget = widgets_[static_cast<std::size_t>(id)];
  const QString text = toQString(control.text);
  setColours(widget, control);
  if (widget == &root_) {
    // The root's size is the whole sheet's, which the window shows or scrolls; its caption is the
    // window's title.
    if (control.width > 0 && control.height > 0) root_.resize(control.width, control.height);
    root_.window()->setWindowTitle(text);
    root_.setToolTip(toQString(control.hint));
    return;
  }
  widget->setGeometry(control.left, control.top, control.width, control.height);
  widget->setHidden(!control.visible);
  widget->setEnabled(control.enabled);
  widget->setToolTip(toQString(control.hint));
  QFont font = toQFont(control.font);
  if (widget->font() != font) widget->setFont(font);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (control.kind != ControlKind::Image) setTextIfChanged(label, text);
    const QString picture = toQString(control.picturePath);
    if (control.kind == ControlKind::Image && label->property("picturePath").toString() != picture) {
      label->setProperty("picturePath", picture);
      if (picture.isEmpty())
        label->clear();
      else if (showPicture)
        showPicture(control, *label);
    }
    if (control.kind == ControlKind::Panel || control.kind == ControlKind::Window)
      label->setFrameStyle(control.bevelOuter ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    if (frame->title() != text) frame->setTitle(text);
  } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    setTextIfChanged(field, text);
    field->setMaxLength(control.maxLength > 0 ? control.maxLength : 32767);
    field->setEchoMode(control.password ? QLineEdit::Password : QLineEdit::Normal);
  } else if (auto* zone = qobject_cast<QTextEdit*>(widget)) {
    if (readDocument(*zone->document()) != control.richText)
      fillDocument(*zone->document(), control.richText);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
    QStringList lines;
    for (const std::string& line : control.lines) lines << toQString(line);
    if (memo->toPlainText() != lines.join(QLatin1Char('\n')))
      memo->setPlainText(lines.join(QLatin1Char('\n')));
  } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    setTextIfChanged(box, text);
    box->setLayoutDirection(control.captionLeft ? Qt::RightToLeft : Qt::LeftToRight);
    box->setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::NoFocus);
    if (control.greyed) box->setTristate(true);
    box->setCheckState(control.greyed ? Qt::PartiallyChecked : control.checked ? Qt::Checked : Qt::Unchecked);
  } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
    setTextIfChanged(radio, text);
    radio->setLayoutDirection(control.captionLeft ? Qt::RightToLeft : Qt::LeftToRight);
    radio->setChecked(control.checked);
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    setTextIfChanged(button, text);
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    QStringList items;
    for (const std::string& item : control.items) items << toQString(item);
    QStringList shown;
    for (int index = 0; index < list->count(); ++index) shown << list->itemText(index);
    if (shown != items) {
      list->clear();
      list->addItems(items);
    }
    list->setCurrentIndex(control.itemIndex);
    list->setEditText(text);
  } else if (auto* items = qobject_cast<QListWidget*>(widget)) {
    QStringList wanted;
    for (const std::string& item : control.items) wanted << toQString(item);
    if (items->count() != wanted.size()) {
      items->clear();
      items->addItems(wanted);
    }
    items->setCurrentRow(control.itemIndex);
  }
}

}  // namespace orvane
