#pragma once
// Keeps a top-level window's outer size, its frame included, at the size the window is designed for:
// the window manager tells the frame's extents only once the window is shown, and may change them.

#include <QObject>
#include <QSize>

class QWidget;

namespace orvane {

class OuterSize : public QObject {
 public:
  /// Sizes `window` to `outer` now and again whenever its frame becomes known or changes.
  OuterSize(QWidget& window, QSize outer);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fit();

  QWidget& window_;
  QSize outer_;
  QSize frame_{0, 0};  // the frame's extents last seen, none before the window manager tells them
};

}  // namespace orvane
