#pragma once
// The main window of the card editor: parameter groups, buttons, the banner and the command panels.
// It owns the widgets and forwards each event to the card editor's rules.

#include <QWidget>
#include <map>

#include "shell/card_editor_shell.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QTextEdit;

namespace orvane {

class CommandPanel;
class TForm1;

class TForm2 : public QWidget {
  Q_OBJECT
 public:
  TForm2(CardEditorShell& shell, TForm1& cardWindow);

  void postload(bool startedWithArgument, int screenResolution);
  void updateCommandStates();

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
  void placeMainWindowBesideCard();

  QAction* menuItem(const QString& name) const;
  QMenu* popupMenu(int tag) const { return popupMenus_.at(tag); }
  CommandPanel* panel(const QString& name) const;

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
  void connectHandler(const QString& itemName, void (TForm2::*handler)());
  void focusOnHover(QWidget* button);
  PlacementInput placement() const;

  CardEditorShell& shell_;
  TForm1& cardWindow_;
  QPushButton* Button1 = nullptr;
  QPushButton* Button17 = nullptr;
  QPushButton* button2 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  QSlider* tb1 = nullptr;
  QTextEdit* RichEdit1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  QLabel* iconPreview1 = nullptr;  // the icon over the card's background
  QLabel* iconPreview2 = nullptr;  // the card's background under the icon
  std::map<int, QMenu*> popupMenus_;
};

}  // namespace orvane
