#pragma once
// The "CARTE" group's shape controls: the standard formats list (acts on every change of its text),
// the orientation list (acts on Enter) and "ajustement A4". They forward to the card's shape rules and
// show the card again.

#include <QObject>
#include <QString>
#include <functional>

#include "shell/card_shape_controls.h"

class QComboBox;
class QGroupBox;
class QPushButton;

namespace orvane {

class OffsetComboBox;
class TForm1;
class MainWindowView;

class FormatControls : public QObject {
  Q_OBJECT

 public:
  /// Builds the controls in `cardGroup`, labelled in the shell's interface language.
  FormatControls(CardEditorShell& shell, TForm1& cardWindow, MainWindowView& mainWindow,
                 QGroupBox* cardGroup);

  /// Shows `text` on the warning line of frame `frame` (the main window connects it).
  std::function<void(int frame, const QString& text)> showFrameWarning = [](int, const QString&) {};

  /// Labels the controls and refills both lists in `language`, showing their title items; the card
  /// is left as it is.
  void fill(Language language);

  /// The text the orientation list shows now (the card size lists follow it).
  QString orientationListText() const;

  // Handlers.
  void ComboBox16Change(const QString& text);
  void combobox20keyup(const QString& text);
  void Button3Click();

 private:
  void showCard(const ControlFollowUp& followUp);

  CardEditorShell& shell_;
  TForm1& cardWindow_;
  MainWindowView& mainWindow_;
  CardShapeState state_;
  QComboBox* formatList = nullptr;            // ComboBox16
  OffsetComboBox* orientationList = nullptr;  // ComboBox20
  QPushButton* fitA4Button = nullptr;         // Button3
};

}  // namespace orvane
