#pragma once
// The card window: borderless, its client area is the card, with the icon and the two frames.

#include <QWidget>

#include "card/card_model.h"

class QLabel;
class QTextEdit;

namespace orvane {

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(CardModel& card);

  /// Shows the model as it is now: geometry, colours, icon, frames and their texts.
  void showModel();
  /// Shows the frames' colours and read-only state, leaving their texts alone.
  void showFrameStates();

  QTextEdit* frameEdit(int number) const { return number == 1 ? richedit1 : richedit2; }
  QLabel* iconLabel() const { return Image1; }

  /// Closing only hides the window while set (after "ok" on the card); "Quitter" clears it.
  bool closeGuard = false;
  bool closed() const { return closed_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createFrame(QTextEdit*& edit, const char* name, const QString& hint, int number);
  void placeFrame(int number);

  CardModel& card_;
  QTextEdit* richedit1 = nullptr;
  QTextEdit* richedit2 = nullptr;
  QLabel* Image1 = nullptr;
  bool closed_ = false;
};

}  // namespace orvane
