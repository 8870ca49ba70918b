#pragma once
// The main window's controls that change how the card looks: the colour and font buttons, "MOTIF ",
// "STYLE", T1 and T2, and the font options window. Each event goes to its rule in the core.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "shell/card_editor_shell.h"
#include "shell/colour_font_controls.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace orvane {

class TForm1;

/// The widgets of the main window this group works in.
struct ColourFontParts {
  QGroupBox* frame1Group;
  QGroupBox* frame2Group;
  QGroupBox* cardGroup;
  QCheckBox* frame1Transparency;  // CheckBox2, "T1"
  QCheckBox* frame2Transparency;  // CheckBox3, "T2"
  QAction* fontOptionsItem;       // "contrôle" > "options" > "polices"
};

class ColourFontControls : public QObject {
  Q_OBJECT
 public:
  ColourFontControls(CardEditorShell& shell, TForm1& cardWindow, const ColourFontParts& parts,
                     QWidget* window);
  ~ColourFontControls() override;

  /// The dialogs the buttons open from now on (the Qt dialogs until then).
  void useDialogs(ColourFontDialogs& dialogs) { dialogs_ = &dialogs; }
  /// Shows a text on a frame's warning line; the text is empty to clear it.
  std::function<void(int frame, const QString& text)> showFrameWarning = [](int, const QString&) {};
  const FontOptions& fontOptions() const { return state_.fontOptions; }

  /// The transparent frames drawn again over the pattern, after their fonts or the format changed.
  void redrawTransparentFrames();
  /// "enable" enables T1 and T2 once a pattern has been drawn; "disable" disables both.
  void enableTransparency(bool enable);
  /// T1 and T2 show whether each frame is transparent; each box that changes runs its handler.
  void showTransparency(bool frame1, bool frame2);

  // Handlers.
  void Button15Click();
  void Button11Click();
  void Button12Click();
  void Button9Click();
  void Button10Click();
  void Button13Click();
  void Button14Click();
  void polices1Click();
  void CheckBox1Click();
  void checkbox4_click();
  void CheckBox2Click();
  void CheckBox3Click();

 private:
  void createButtons();
  void createPatternBoxes();
  void chooseColour(int target);
  void chooseFont(int number, FontPart part);
  void transparencyClick(int number, bool transparent);
  FontButtonServices fontServices();

  CardEditorShell& shell_;
  TForm1& cardWindow_;
  QWidget* window_;
  ColourFontParts parts_;
  std::unique_ptr<ColourFontDialogs> qtDialogs_;
  ColourFontDialogs* dialogs_;
  ColourFontState state_;
  QCheckBox* patternModeBox = nullptr;  // CheckBox1, "MOTIF "
  QLabel* patternModeWord = nullptr;    // Label5
  QCheckBox* fillStyleBox = nullptr;    // CheckBox4, "STYLE"
  QLabel* fillStyleWord = nullptr;      // Label6
};

}  // namespace orvane
