#pragma once
// The main window's controls of the card size, the spacing, the card's vertical position and the
// icon, with the boxes that put them back to their design values. They forward each event to the
// core's rules and show the outcome on the card window.

#include <QObject>
#include <QString>
#include <functional>

#include "app/main/offset_combo_box.h"
#include "shell/card_icon_controls.h"

class QCheckBox;
class QGroupBox;
class QSlider;

namespace orvane {

class TForm1;

class CardIconControls : public QObject {
  Q_OBJECT
 public:
  /// The text the orientation list shows now.
  using OrientationShown = std::function<QString()>;

  /// Where the controls go and what they act on.
  struct Places {
    QGroupBox* cardGroup = nullptr;
    QGroupBox* iconGroup = nullptr;
    QSlider* verticalShiftSlider = nullptr;  // tb1, made by the main window
    /// Null until the orientation list exists: the lists then act as on an upright card.
    OrientationShown orientationShown;
  };

  CardIconControls(CardModel& card, CardEditorShell& shell, TForm1& cardWindow, Places places,
                   QObject* parent);

  /// Shows `text` on the warning line of frame `frame` (the main window connects it).
  std::function<void(int frame, const QString& text)> showFrameWarning = [](int, const QString&) {};

  /// Fills the lists and sets the hints in `language` (at start and after a language change).
  void fill(Language language);

  // Handlers.
  void combobox18keyup(const QString& text);
  void combobox19keyup(const QString& text);
  void combobox12keyup(const QString& text);
  void combobox9keyup(const QString& text);
  void combobox10keyup(const QString& text);
  void combobox17keyup(const QString& text);
  void combobox11keyup(const QString& text);
  void CheckBox5Click();
  void CheckBox6Click();
  void CheckBox7Click();
  void CheckBox8Click();
  void tb1_change();

 private:
  void cardSizeKeyUp(ControlList list, const QString& text);
  void iconKeyUp(ControlList list, const QString& text);
  void resetClick(QCheckBox* box, ResetBox which);
  QCheckBox* resetBox(ResetBox which, QGroupBox* group, QPoint at);
  void showCardSize();
  void showSizeWarning(const SizeWarning& warning);

  CardModel& card_;
  CardEditorShell& shell_;
  TForm1& cardWindow_;
  Places places_;
  OffsetComboBox* cardWidthBox = nullptr;   // ComboBox18
  OffsetComboBox* cardLengthBox = nullptr;  // ComboBox19
  OffsetComboBox* spacingBox = nullptr;     // ComboBox12
  OffsetComboBox* iconWidthBox = nullptr;   // ComboBox9
  OffsetComboBox* iconLengthBox = nullptr;  // ComboBox10
  OffsetComboBox* iconMarginBox = nullptr;  // ComboBox17
  OffsetComboBox* iconTopBox = nullptr;     // ComboBox11
  QCheckBox* cardWidthReset = nullptr;      // CheckBox5
  QCheckBox* cardLengthReset = nullptr;     // CheckBox6
  QCheckBox* iconMarginReset = nullptr;     // CheckBox7
  QCheckBox* iconTopReset = nullptr;        // CheckBox8
};

}  // namespace orvane
