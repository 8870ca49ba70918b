#include "app/outer_size.h"

#include <QEvent>
#include <QWidget>

namespace orvane {

OuterSize::OuterSize(QWidget& window, QSize outer) : QObject(&window), window_(window), outer_(outer) {
  window_.resize(outer_);
  window_.installEventFilter(this);
}

bool OuterSize::eventFilter(QObject* /*watched*/, QEvent* event) {
  // The frame's extents arrive with the window manager's answer to the mapping, as a move or resize.
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
      fit();
      break;
    default:
      break;
  }
  return false;
}

void OuterSize::fit() {
  // Only a new frame changes the size: a size the user gives the window by hand stays.
  const QSize frame = window_.frameGeometry().size() - window_.size();
  if (frame == frame_) return;
  frame_ = frame;
  window_.resize(outer_ - frame);
}

}  // namespace orvane
