#pragma once
// The card window: borderless, its client area is the card, with the icon and the two frames. During
// card access the frames' texts are typed on the card itself.

#include <QWidget>

#include "card/card_model.h"
#include "shell/card_editor_shell.h"

class QLabel;
class QMenu;
class QTextEdit;

namespace orvane {

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  TForm1(CardModel& card, CardEditorShell& shell);

  /// Shows the model as it is now: geometry, colours, icon, frames and their texts.
  void showModel();
  /// Shows the frames' colours and read-only state, leaving their texts alone.
  void showFrameStates();

  QTextEdit* frameEdit(int number) const { return number == 1 ? richedit1 : richedit2; }
  QLabel* iconLabel() const { return Image1; }
  QMenu* popupMenu() const { return PopupMenu1; }
  bool closed() const { return shell_.cardWindow().closed; }

  // Handlers.
  void form1_mmove();
  void form1_mdown(Qt::MouseButton button);
  void redit_mmove(int number);
  void ok1Click();

 signals:
  /// Card access was ended with "ok" on the card.
  void cardAccessEnded();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createFrame(QTextEdit*& edit, const char* name, const QString& hint, int number);
  void placeFrame(int number);

  CardModel& card_;
  CardEditorShell& shell_;
  QTextEdit* richedit1 = nullptr;
  QTextEdit* richedit2 = nullptr;
  QLabel* Image1 = nullptr;
  QMenu* PopupMenu1 = nullptr;
};

}  // namespace orvane
