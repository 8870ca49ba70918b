#include "app/tform1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QWindow>

#include "app/start_icon.h"
#include "qt/qt_image.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_text.h"
#include "qt/rich_text_document.h"
#include "render/card_picture.h"
#include "render/icon_drawing.h"
#include "render/qr_drawing.h"

namespace orvane {

TForm1::TForm1(CardModel& card, CardEditorShell& shell, RenderServices services)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      card_(card),
      shell_(shell),
      services_(services) {
  setObjectName(QStringLiteral("TForm1"));
  setToolTip(QStringLiteral("carte avec les éléments cadre1 et cadre 2 "));
  setAutoFillBackground(true);
  setMouseTracking(true);
  iconImage = new QLabel(this);
  iconImage->setObjectName(QStringLiteral("Image1"));
  iconImage->setScaledContents(true);
  iconImage->setAttribute(Qt::WA_TranslucentBackground);
  iconImage->setPixmap(startIcon());
  createFrame(frame1Text, "richedit1",
              QStringLiteral("cadre 1 pour texte à charger depuis fichier (cf panneau élements)"), 1);
  createFrame(frame2Text, "richedit2",
              QStringLiteral("cadre 2 pour texte à charger depuis un fichier (cf panneau éléments)"), 2);
  qrCodeImage = new QLabel(this);
  qrCodeImage->setObjectName(QStringLiteral("qrCode"));
  qrCodeImage->setAttribute(Qt::WA_TranslucentBackground);
  // Mouse moves and clicks on the code belong to the card beneath it.
  qrCodeImage->setAttribute(Qt::WA_TransparentForMouseEvents);
  qrCodeImage->hide();
  okMenu = new QMenu(this);
  okMenu->setObjectName(QStringLiteral("PopupMenu1"));
  okItem = okMenu->addAction(QStringLiteral("&ok"));
  okItem->setObjectName(QStringLiteral("ok1"));
  connect(okItem, &QAction::triggered, this, &TForm1::ok1Click);
}

void TForm1::createFrame(QTextEdit*& edit, const char* name, const QString& hint, int number) {
  edit = new QTextEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setToolTip(hint);
  edit->setFrameStyle(QFrame::NoFrame);
  // A frame is a piece of the card: text past its edge is cut off as on paper, and a right click on
  // it belongs to the card.
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  edit->setTabChangesFocus(false);
  setTextBoxLayout(*edit->document(), frameTextBox(0, edit->logicalDpiX()));
  edit->setAutoFillBackground(true);
  edit->viewport()->setMouseTracking(true);
  edit->viewport()->setProperty("frameNumber", number);
  edit->viewport()->installEventFilter(this);
  // Typing on the card during card access goes straight into the model.
  connect(edit, &QTextEdit::textChanged, this, [this, edit, number] {
    if (edit->isReadOnly()) return;
    card_.frame(number).text = readDocument(*edit->document());
    card_.frame(number).modified = true;
  });
}

void TForm1::placeFrame(int number) {
  const FrameModel& frame = card_.frame(number);
  QTextEdit* edit = frameEdit(number);
  edit->setGeometry(frame.frameLeft, frame.frameTop, frame.frameWidth, frame.frameHeight);
  const QSignalBlocker blocker(edit);
  fillDocument(*edit->document(), frame.text);
}

void TForm1::showCardSize() { placeWindow({pos(), QSize(card_.cardWidth, card_.cardHeight)}); }

void TForm1::placeWindow(const QRect& place) {
  setGeometry(place);
  // A hidden window's native window keeps the place it was last shown at, and hands it back to the
  // widget with its next event: the card would lose its new size. Both take the card's place at once.
  if (QWindow* native = windowHandle()) native->setGeometry(place);
}

void TForm1::showModel() {
  placeWindow({card_.cardLeft, card_.cardTop, card_.cardWidth, card_.cardHeight});
  QPalette cardPalette = palette();
  cardPalette.setColor(QPalette::Window, toQColor(card_.cardColor));
  setPalette(cardPalette);
  iconImage->setGeometry(card_.iconLeft, card_.iconTop, card_.iconWidth, card_.iconHeight);
  placeFrame(1);
  placeFrame(2);
  showFrameStates();
  showQrCode();
}

void TForm1::showFrameStates() {
  for (int number : {1, 2}) {
    const FrameModel& frame = card_.frame(number);
    QTextEdit* edit = frameEdit(number);
    edit->setReadOnly(frame.readOnly);
    QPalette framePalette = edit->palette();
    framePalette.setColor(QPalette::Base, toQColor(frame.frameColor));
    edit->setPalette(framePalette);
  }
}

void TForm1::showQrCode() {
  RenderContext context = renderContext();
  const std::optional<QrCodePicture> picture = drawQrCodePicture(context);
  if (picture) {
    const Image& image = picture->image;
    qrCodeImage->setGeometry(picture->corner.x, picture->corner.y, image.width(), image.height());
    qrCodeImage->setPixmap(QPixmap::fromImage(wrapImage(image).copy()));
    qrCodeImage->raise();
  }
  qrCodeImage->setVisible(picture.has_value());
  emit qrCodeShown();
}

RenderContext TForm1::renderContext() {
  return {card_,
          renderer_,
          services_.prompter,
          services_.pictures,
          services_.screenMetrics,
          shell_.state().interfaceLanguage};
}

void TForm1::rpaint() {
  // Mouse moves still queued set the flags that suspend the repaint: deliver them first, so that the
  // decision below follows where the mouse is now, not where it was when the command was chosen.
  QCoreApplication::processEvents();
  if (!shell_.cardWindow().repaintAllowed(shell_.state())) return;
  drawDecorations();
}

void TForm1::drawDecorations() {
  QImage surface(size(), QImage::Format_ARGB32);
  surface.fill(toQColor(card_.cardColor));
  takeIconFile(card_, renderer_, services_.pictures);
  {
    RenderContext context = renderContext();
    QPainterCanvas canvas(surface);
    drawCardDecorations(context, canvas);
  }
  decorations_ = surface;
  showIcon();
  // Frame 1's font colour may have changed the code's.
  showQrCode();
  for (int number : {1, 2})
    if (card_.frame(number).frameTransparent) frameEdit(number)->hide();
  update();
  emit decorationsRepainted();
}

void TForm1::showFrameTops() {
  for (int number : {1, 2}) {
    QTextEdit* edit = frameEdit(number);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(0);
    edit->setTextCursor(cursor);
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->minimum());
  }
}

void TForm1::paintOverCard(const QImage& picture, const QRect& area) {
  if (decorations_.isNull()) {
    decorations_ = QImage(size(), QImage::Format_ARGB32);
    decorations_.fill(toQColor(card_.cardColor));
  }
  {
    QPainter painter(&decorations_);
    painter.drawImage(area, picture);
  }
  update();
}

void TForm1::showIcon() {
  if (card_.iconFile.empty()) {
    iconImage->clear();
    iconImage->hide();
    return;
  }
  // The icon's size may follow an .ico file, so the control takes the model's geometry again.
  iconImage->setGeometry(card_.iconLeft, card_.iconTop, card_.iconWidth, card_.iconHeight);
  if (renderer_.iconPicture)
    iconImage->setPixmap(QPixmap::fromImage(wrapImage(*renderer_.iconPicture).copy()));
  iconImage->show();
}

void TForm1::showIconChange(bool moved) {
  iconImage->setGeometry(card_.iconLeft, card_.iconTop, card_.iconWidth, card_.iconHeight);
  if (!moved || card_.iconFile.empty()) return;
  takeIconFile(card_, renderer_, services_.pictures);
  RenderContext context = renderContext();
  drawIcon(context);
  showRedrawnIcon();
}

void TForm1::showRedrawnIcon() {
  showIcon();
  emit decorationsRepainted();
}

void TForm1::showChosenIcon() {
  if (card_.iconFile.empty()) {
    showIcon();
    return;
  }
  showIconChange(true);
}

void TForm1::appliquer() {
  shell_.cardWindow().apply();
  rpaint();
  for (int number : {1, 2})
    if (!card_.frame(number).frameTransparent) frameEdit(number)->show();
}

void TForm1::paintEvent(QPaintEvent* /*event*/) {
  if (decorations_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, decorations_);
}

void TForm1::form1_mmove() { shell_.cardWindow().mouseMoved = true; }

void TForm1::form1_mdown(Qt::MouseButton button) {
  if (button != Qt::RightButton || !card_.cardAccess) return;
  okMenu->popup(QPoint(x() + width(), y() + height() / 2));
}

void TForm1::redit_mmove(int number) {
  if (!card_.cardAccess) return;
  shell_.frameHovered(number);
  showFrameStates();
}

void TForm1::ok1Click() {
  shell_.okOnCard();
  showFrameStates();
  emit cardAccessEnded();
}

void TForm1::mouseMoveEvent(QMouseEvent* /*event*/) { form1_mmove(); }

void TForm1::mousePressEvent(QMouseEvent* event) { form1_mdown(event->button()); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) redit_mmove(watched->property("frameNumber").toInt());
  return QWidget::eventFilter(watched, event);
}

void TForm1::hideEvent(QHideEvent* /*event*/) { shell_.cardWindow().hidden(); }

void TForm1::closeEvent(QCloseEvent* event) {
  if (shell_.cardWindow().closeOnlyHides()) {
    event->ignore();
    hide();
    return;
  }
  renderer_.releasePictures();
  decorations_ = QImage();
  event->accept();
}

}  // namespace orvane
