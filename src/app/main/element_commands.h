#pragma once
// The main window's commands that bring content into the card: the frame texts, the icon, the
// pattern and the contact of the "éléments" menu, and the clipboard both ways ("Copie du &Presse papier",
// "Presse Papier"). Each event goes to its rule in the core; this group shows the outcome.

#include <QPointer>
#include <QString>

#include "qt/qt_clipboard.h"
#include "qt/qt_file_dialogs.h"
#include "shell/contact_commands.h"
#include "shell/frame_text_commands.h"
#include "shell/picture_commands.h"

namespace orvane {

class TForm1;
class MainWindowView;

class ElementCommands {
 public:
  ElementCommands(CardEditorShell& shell, WorkingDirectories& directories, Prompter& prompter);
  ElementCommands(const ElementCommands&) = delete;
  ElementCommands& operator=(const ElementCommands&) = delete;

  /// Connects the commands to their items and button in `mainWindow`; the dialogs open over it.
  void attach(MainWindowView& mainWindow, TForm1& cardWindow);
  /// Replaces the file dialogs (tests script them).
  void setFileDialogs(FileDialogs& dialogs) { dialogs_ = &dialogs; }
  /// Replaces the system clipboard (tests script it).
  void setClipboard(Clipboard& clipboard) { clipboard_ = &clipboard; }

  /// Both text entries of a frame share their handler; `entryName` is the name of the entry that fired.
  void mtextecharger_click(const QString& entryName);
  void mtextesauvegarder_click(const QString& entryName);
  void micone_click();
  void mmotif_click();
  void mclipbrd_click();
  void clipClick();
  /// "contact": the contact dialog over the main window; "OK" gives the card what it holds.
  void mcontact_click();
  /// "Exporter le contact".
  void mexportercontact_click();

 private:
  ElementServices services();
  bool attached() const { return mainWindowAlive_ && cardWindow_; }

  CardEditorShell& shell_;
  WorkingDirectories& directories_;
  Prompter& prompter_;
  QtFileDialogs qtDialogs_;
  FileDialogs* dialogs_ = &qtDialogs_;
  QtClipboard qtClipboard_;
  Clipboard* clipboard_ = &qtClipboard_;
  MainWindowView* mainWindow_ = nullptr;
  QPointer<QWidget> mainWindowAlive_;  // the main window may be freed before the commands
  TForm1* cardWindow_ = nullptr;
};

}  // namespace orvane
