#pragma once
// The card window: borderless, its client area is the card, with the icon and the two frames. During
// card access the frames' texts are typed on the card itself.

#include <QImage>
#include <QWidget>

#include "card/card_model.h"
#include "render/render_context.h"
#include "render/renderer_state.h"
#include "shell/card_editor_shell.h"

class QAction;
class QLabel;
class QMenu;
class QTextEdit;

namespace orvane {

/// The services the card window draws its decorations with.
struct RenderServices {
  Prompter& prompter;
  PictureService& pictures;
  TextMetrics& screenMetrics;
};

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  TForm1(CardModel& card, CardEditorShell& shell, RenderServices services);

  /// Shows the model as it is now: geometry, colours, icon, frames and their texts.
  void showModel();
  /// The window takes the card's size where it stands, shown or hidden.
  void showCardSize();
  /// The icon control takes the model's icon geometry; once the icon `moved`, the background under it
  /// is taken again from the card, here and in the main window's icon previews.
  void showIconChange(bool moved);
  /// The icon control and the main window's icon previews take the icon as drawn last, at the
  /// model's icon geometry.
  void showRedrawnIcon();
  /// Shows the frames' colours and read-only state, leaving their texts alone.
  void showFrameStates();
  /// Shows the card's QR code above the frames, as it is now, or hides it.
  void showQrCode();

  /// Both frames lose their selections, their cursors go to the start and they show their top line.
  void showFrameTops();

  QTextEdit* frameEdit(int number) const { return number == 1 ? frame1Text : frame2Text; }
  QLabel* iconLabel() const { return iconImage; }
  QLabel* qrCodeLabel() const { return qrCodeImage; }
  QMenu* popupMenu() const { return okMenu; }
  QAction* okMenuItem() const { return okItem; }
  bool closed() const { return shell_.cardWindow().closed; }
  RendererState& renderer() { return renderer_; }
  /// The card this window shows; the main window's controls change it, then show it again.
  CardModel& card() { return card_; }
  /// What the decorations' drawing works with, for this card and this window's kept pictures.
  RenderContext renderContext();
  /// The decorations as last painted (pattern, composite), null before the first repaint.
  const QImage& decorations() const { return decorations_; }

  // Handlers.
  void form1_mmove();
  void form1_mdown(Qt::MouseButton button);
  void redit_mmove(int number);
  void ok1Click();
  /// `rpaint`: draws the icon and the pattern or the transparency composite, unless suspended.
  void rpaint();
  /// Draws the icon and the pattern or the composite now, as the commands that choose them do.
  void drawDecorations();
  /// The icon control after an icon was chosen or given up: the icon over the card's background, or none.
  void showChosenIcon();
  /// Paints `picture` stretched over `area` of the card's surface, until the next repaint.
  void paintOverCard(const QImage& picture, const QRect& area);
  /// "appliquer" as far as the card is concerned: repaint, then show the opaque frames again.
  void appliquer();

 signals:
  /// Card access was ended with "ok" on the card.
  void cardAccessEnded();
  /// The decorations were drawn again; the icon previews of the main window follow.
  void decorationsRepainted();
  /// The QR code was shown again, or hidden; the main window's QR code boxes follow.
  void qrCodeShown();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createFrame(QTextEdit*& edit, const char* name, const QString& hint, int number);
  void placeFrame(int number);
  void placeWindow(const QRect& place);
  void showIcon();

  CardModel& card_;
  CardEditorShell& shell_;
  RenderServices services_;
  RendererState renderer_;
  QImage decorations_;
  // Each widget keeps its historical object name: richedit1, richedit2, Image1, PopupMenu1 and ok1.
  QTextEdit* frame1Text = nullptr;
  QTextEdit* frame2Text = nullptr;
  QLabel* iconImage = nullptr;
  QLabel* qrCodeImage = nullptr;  // above the frames, as the QR code prints over them
  QMenu* okMenu = nullptr;
  QAction* okItem = nullptr;
};

}  // namespace orvane
