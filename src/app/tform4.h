#pragma once
// The About box: the program's name and credits in a block of lines that climbs slowly up the window
// and comes in again from below, framed with the "BITMAPA" picture.

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "secondary/about_animation.h"

class QPushButton;
class QTimer;

namespace orvane {

class TForm4 : public QWidget {
 public:
  /// The picture of the frame, from the program's resources.
  static inline const QString pictureResource = QStringLiteral(":/BITMAPA");

  explicit TForm4(const QString& picture = pictureResource, QWidget* parent = nullptr);

  /// Creates the box and shows it without waiting.
  static TForm4* formload();

  void Button1Click() { close(); }  // "fermer"
  /// One animation step.
  void timertic();

  /// What the window shows: nothing but the animation draws on it, so earlier steps stay.
  const QImage& surface() const { return surface_; }
  bool pictureMissing() const { return !picture_; }
  const AboutAnimation& animation() const { return animation_; }
  QTimer* timer() const { return timer1; }

  static const std::array<QString, 8>& textLines();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fitSurface();
  void placeCloseButton();

  AboutAnimation animation_;
  std::optional<QImage> picture_;
  QImage surface_;
  QTimer* timer1 = nullptr;
  QPushButton* closeButton_ = nullptr;  // Button1
};

}  // namespace orvane
