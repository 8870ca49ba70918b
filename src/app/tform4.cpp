#include "app/tform4.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "app/outer_size.h"
#include "qt/qt_text.h"

namespace orvane {

namespace {

constexpr Colour lineColour = 0x00FFFF;  // yellow
// The fallback brush: the colour value 33345500 keeps only its low three bytes as a colour.
constexpr Colour fallbackLineColour = 33345500 & 0xFFFFFF;
constexpr Colour clearedColour = 0x808080;

QRect toQRect(const Rect& rect) { return {rect.left, rect.top, rect.width(), rect.height()}; }

// "fermer" at its place in a window of the outer size, and its gaps to the right and bottom edges there.
constexpr QRect closePlace{690, 262, 57, 25};
constexpr QSize outerSize{762, 299};
constexpr int closeRightGap = outerSize.width() - (closePlace.x() + closePlace.width());
constexpr int closeBottomGap = outerSize.height() - (closePlace.y() + closePlace.height());

}  // namespace

const std::array<QString, 8>& TForm4::textLines() {
  static const std::array<QString, 8> lines{
      QStringLiteral("Orvane 1.95 : édition de cartes de visite et de mini-CV"),
      QStringLiteral("Cartes de visite composées, vérifiées et imprimées en planches"),
      QStringLiteral("Mini-CV imprimé ou exporté en page HTML"),
      QStringLiteral("Interface en français, en anglais et en allemand"),
      QStringLiteral("Conception et réalisation : Brevanel"),
      QStringLiteral("Aide : panneau \"aide\" > \"Assistance\", ou touche F1"),
      QStringLiteral("Fichiers paramêtres : *.ov1 pour la carte, *.ov4 pour le mini-cv"),
      QStringLiteral("Merci d'utiliser Orvane"),
  };
  return lines;
}

TForm4::TForm4(const QString& picture, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("TForm4"));
  setWindowTitle(QStringLiteral("A propos de Orvane"));
  setAttribute(Qt::WA_DeleteOnClose);
  // The surface is this window's only painting: Qt must not clear it first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  closeButton_ = new QPushButton(QStringLiteral("fermer"), this);
  closeButton_->setObjectName(QStringLiteral("Button1"));
  closeButton_->setGeometry(closePlace);
  connect(closeButton_, &QPushButton::clicked, this, &TForm4::Button1Click);
  new OuterSize(*this, outerSize);
  // An unreadable picture is no reason to complain: the box has colours of its own for that case.
  QImage loaded(picture);
  if (!loaded.isNull()) picture_ = std::move(loaded);
  timer1 = new QTimer(this);
  timer1->setObjectName(QStringLiteral("timer1"));
  timer1->setInterval(10);
  connect(timer1, &QTimer::timeout, this, &TForm4::timertic);
}

TForm4* TForm4::formload() {
  auto* box = new TForm4();
  box->show();
  box->timer()->start();
  return box;
}

void TForm4::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fitSurface();
  placeCloseButton();
}

void TForm4::placeCloseButton() {
  // A window manager's frame takes its room from the window's inside: the button keeps its place
  // while that leaves it whole, and otherwise keeps the design's gaps to the edges.
  closeButton_->move(std::min(closePlace.x(), width() - closeRightGap - closePlace.width()),
                     std::min(closePlace.y(), height() - closeBottomGap - closePlace.height()));
}

void TForm4::fitSurface() {
  if (surface_.size() == size()) return;
  // A larger window keeps what was drawn and shows the window's colour where nothing was yet.
  QImage grown(size(), QImage::Format_RGB32);
  grown.fill(palette().window().color());
  QPainter painter(&grown);
  painter.drawImage(0, 0, surface_);
  painter.end();
  surface_ = std::move(grown);
}

void TForm4::timertic() {
  // A tick may come before the window is first laid out.
  fitSurface();
  const std::optional<AboutFrame> frame = animation_.tick(width(), height());
  QPainter painter(&surface_);
  if (!frame) {
    painter.fillRect(surface_.rect(), toQColor(clearedColour));
  } else {
    QFont font(QStringLiteral("lucida"));
    font.setBold(true);
    painter.setFont(font);
    // Without the picture the text turns yellow; with it the text keeps the canvas's colour.
    painter.setPen(picture_ ? palette().windowText().color() : toQColor(lineColour));
    const QColor fill = toQColor(picture_ ? lineColour : fallbackLineColour);
    for (int line = static_cast<int>(frame->lines.size()) - 1; line >= 0; --line) {
      const QRect place = toQRect(frame->lines[static_cast<std::size_t>(line)]);
      painter.fillRect(place, fill);
      painter.setClipRect(place);
      painter.drawText(place.adjusted(10, 10, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                       textLines()[static_cast<std::size_t>(line)]);
      painter.setClipping(false);
    }
    const QBrush outline = picture_ ? QBrush(*picture_) : QBrush(Qt::black, Qt::DiagCrossPattern);
    const QRect around = toQRect(frame->frame);
    // A one-pixel outline painted with the brush, as a frame drawn with a brush is.
    painter.fillRect(QRect(around.left(), around.top(), around.width(), 1), outline);
    painter.fillRect(QRect(around.left(), around.bottom(), around.width(), 1), outline);
    painter.fillRect(QRect(around.left(), around.top(), 1, around.height()), outline);
    painter.fillRect(QRect(around.right(), around.top(), 1, around.height()), outline);
  }
  painter.end();
  update();
  QCoreApplication::processEvents();
}

void TForm4::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.drawImage(0, 0, surface_);
}

}  // namespace orvane
