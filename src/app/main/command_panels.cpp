#include "app/main/command_panels.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace orvane {

namespace {

const QColor highlightGreen(0, 128, 0);  // 0x008000

}  // namespace

CommandPanel::CommandPanel(const QString& name, const QString& caption, const QString& hint, int tag,
                           QWidget* parent)
    : QFrame(parent), tag_(tag) {
  setObjectName(name);
  setToolTip(hint);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  setMouseTracking(true);
  captionLabel_ = new QLabel(caption, this);
  captionLabel_->setObjectName(name + QStringLiteral("Caption"));
  captionLabel_->setAlignment(Qt::AlignCenter);
  captionLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(captionLabel_);
}

QString CommandPanel::caption() const { return captionLabel_->text(); }

void CommandPanel::setCaption(const QString& caption) { captionLabel_->setText(caption); }

void CommandPanel::setHighlighted(bool on) {
  highlighted_ = on;
  QPalette panelPalette = palette();
  panelPalette.setColor(QPalette::Window,
                        on ? highlightGreen : QApplication::palette().color(QPalette::Button));
  setPalette(panelPalette);
}

void CommandPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(this);
}

void CommandPanel::mouseMoveEvent(QMouseEvent* /*event*/) { emit mouseMoved(this); }

}  // namespace orvane
