#pragma once
// The main window's controls of the card's QR code, a small group in the icon's: its place and size
// lists, whether it is shown, and whether it takes frame 1's font colour. They forward each event to
// the core's rules and show the outcome on the card window.

#include <QObject>
#include <QString>
#include <functional>

#include "app/main/offset_combo_box.h"
#include "shell/card_editor_shell.h"

class QCheckBox;
class QGroupBox;

namespace orvane {

class TForm1;

class QrCodeControls : public QObject {
  Q_OBJECT
 public:
  /// The group goes into `iconGroup`, beside the icon's lists.
  QrCodeControls(CardEditorShell& shell, TForm1& cardWindow, QGroupBox* iconGroup, QObject* parent);

  /// Shows `text` on the warning line of frame `frame` (the main window connects it).
  std::function<void(int frame, const QString& text)> showFrameWarning = [](int, const QString&) {};

  /// Fills the lists in `language` (at start and after a language change).
  void fill(Language language);
  /// The boxes take the card's QR code state.
  void showState();

  // Handlers.
  void combobox21keyup(const QString& text);
  void combobox22keyup(const QString& text);
  void combobox23keyup(const QString& text);
  void CheckBox9Click();
  void CheckBox10Click();

 private:
  void measureKeyUp(ControlList list, const QString& text);

  CardEditorShell& shell_;
  CardModel& card_;
  TForm1& cardWindow_;
  QGroupBox* group_ = nullptr;           // GroupBox7
  OffsetComboBox* leftBox_ = nullptr;    // ComboBox21
  OffsetComboBox* topBox_ = nullptr;     // ComboBox22
  OffsetComboBox* sizeBox_ = nullptr;    // ComboBox23
  QCheckBox* shownBox_ = nullptr;        // CheckBox9
  QCheckBox* frameColourBox_ = nullptr;  // CheckBox10
};

}  // namespace orvane
