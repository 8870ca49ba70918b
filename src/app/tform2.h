#pragma once
// The main window of the card editor: parameter groups, buttons, the banner and the command panels.
// It owns the widgets and forwards each event to the card editor's rules.

#include <QWidget>

#include "app/main/card_icon_controls.h"
#include "app/main/command_panels.h"
#include "app/main/format_controls.h"
#include "app/main/frame_controls.h"
#include "app/main/main_window_view.h"
#include "app/main/popup_menus.h"
#include "app/main/qr_code_controls.h"
#include "shell/card_editor_shell.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QTextEdit;

namespace orvane {

class TForm1;
class ColourFontControls;
class LanguageSwitch;

class TForm2 : public QWidget, public MainWindowView {
  Q_OBJECT
 public:
  TForm2(CardEditorShell& shell, TForm1& cardWindow);

  void postload(bool startedWithArgument, int screenResolution);
  void updateCommandStates() override;

  // Handlers.
  void form1see();
  void onpanelclick(CommandPanel* panel);
  void onpanelmmove(CommandPanel* panel);
  void onform2move();
  void accscarte1Click();
  void mquitter_click();
  /// Closing: hides the window, and frees it unless card access was switched on from it.
  void formclose();
  /// Moves the main window beside the card when the card is shown (after a file load).
  void placeMainWindowBesideCard() override;
  /// T1 and T2 show whether each frame is transparent, as a card file left them.
  void showFrameTransparency(bool frame1, bool frame2) override;
  /// T1 and T2 are usable only while a pattern shows through transparent frames.
  void enableFrameTransparency(bool enabled) override;
  /// Empties the icon previews, before another card file brings its own.
  void clearIconPreviews() override;

  const PopupMenus& menus() const override { return menus_; }
  QWidget* dialogParent() override { return this; }
  QPushButton* cardCopyButton() override { return clipboardButton; }
  void redrawTransparentFrames() override;
  const CommandPanels& commandPanels() const { return panels_; }
  /// The "language" submenu's handlers.
  LanguageSwitch& languageSwitch() const { return *languageSwitch_; }

 signals:
  /// The modal run of the main window is over (closed or "Quitter").
  void modalRunEnded();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void formload();
  void showAccessCaption();
  void showIconPreviews();
  void createParameterGroups();
  void createCommandPanels();
  void fillBanner();
  void placeBanner();
  void focusOnHover(QWidget* button);
  PlacementInput placement() const;

  CardEditorShell& shell_;
  TForm1& cardWindow_;
  // Each widget keeps its historical object name (in the comment where the member's name differs).
  QPushButton* voirCarteButton = nullptr;            // Button1
  QPushButton* appliquerButton = nullptr;            // Button17
  QPushButton* clipboardButton = nullptr;            // button2
  QCheckBox* frame1Transparency = nullptr;           // CheckBox2, "T1"
  QCheckBox* frame2Transparency = nullptr;           // CheckBox3, "T2"
  QSlider* verticalShiftSlider = nullptr;            // tb1
  QTextEdit* bannerText = nullptr;                   // RichEdit1
  QGroupBox* commandPanelGroup = nullptr;            // GroupBox1
  QGroupBox* frame1Group = nullptr;                  // GroupBox5, "CADRE 1"
  QGroupBox* frame2Group = nullptr;                  // GroupBox4, "CADRE 2"
  QGroupBox* cardGroup = nullptr;                    // GroupBox3, "CARTE"
  QGroupBox* iconGroup = nullptr;                    // GroupBox2, "ICONE"
  QLabel* iconPreview1 = nullptr;                    // the icon over the card's background
  QLabel* iconPreview2 = nullptr;                    // the card's background under the icon
  FrameControls* frameControls = nullptr;            // sizes, places and aligns the frames
  CardIconControls* cardIconControls = nullptr;      // card size, spacing, resets, tb1, icon
  QrCodeControls* qrCodeControls = nullptr;          // the QR code's group in the icon's
  FormatControls* formatControls = nullptr;          // ComboBox16, ComboBox20 and Button3
  ColourFontControls* colourFontControls = nullptr;  // colours, fonts, pattern mode, T1 and T2
  CommandPanels panels_;
  PopupMenus menus_;
  LanguageSwitch* languageSwitch_ = nullptr;
};

}  // namespace orvane
