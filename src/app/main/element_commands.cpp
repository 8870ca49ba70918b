#include "app/main/element_commands.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "app/contact_dialog.h"
#include "app/main/main_window_view.h"
#include "app/tform1.h"
#include "qt/qt_image.h"
#include "qt/qt_text.h"

namespace orvane {

ElementCommands::ElementCommands(CardEditorShell& shell, WorkingDirectories& directories, Prompter& prompter)
    : shell_(shell), directories_(directories), prompter_(prompter) {}

void ElementCommands::attach(MainWindowView& mainWindow, TForm1& cardWindow) {
  mainWindow_ = &mainWindow;
  mainWindowAlive_ = mainWindow.dialogParent();
  cardWindow_ = &cardWindow;
  QWidget* window = mainWindow.dialogParent();
  qtDialogs_.setParent(window);
  const PopupMenus& menus = mainWindow.menus();
  for (const FrameTextMenu* text : {&menus.elements.frame1Text, &menus.elements.frame2Text}) {
    QAction* load = text->load;
    QAction* save = text->save;
    QObject::connect(load, &QAction::triggered, window,
                     [this, load] { mtextecharger_click(load->objectName()); });
    QObject::connect(save, &QAction::triggered, window,
                     [this, save] { mtextesauvegarder_click(save->objectName()); });
  }
  QObject::connect(menus.elements.icon, &QAction::triggered, window, [this] { micone_click(); });
  QObject::connect(menus.elements.pattern, &QAction::triggered, window, [this] { mmotif_click(); });
  QObject::connect(menus.elements.contact, &QAction::triggered, window, [this] { mcontact_click(); });
  QObject::connect(menus.elements.exportContact, &QAction::triggered, window,
                   [this] { mexportercontact_click(); });
  QObject::connect(menus.file.clipboardCopy, &QAction::triggered, window, [this] { mclipbrd_click(); });
  QObject::connect(mainWindow.cardCopyButton(), &QPushButton::clicked, window, [this] { clipClick(); });
}

ElementServices ElementCommands::services() {
  return {*dialogs_, directories_, prompter_, shell_.state().interfaceLanguage};
}

void ElementCommands::mtextecharger_click(const QString& entryName) {
  if (!attached()) return;
  const int number = frameOfTextEntry(toStdString(entryName));
  CardModel& card = shell_.card();
  if (!loadFrameText(card, number, shell_.state(), services())) return;
  cardWindow_->showModel();
  mainWindow_->updateCommandStates();
  // A transparent frame shows its text through the composite, which still holds the old one.
  if (card.frame(number).frameTransparent)
    mainWindow_->redrawTransparentFrames();
  else
    cardWindow_->rpaint();
}

void ElementCommands::mtextesauvegarder_click(const QString& entryName) {
  const int number = frameOfTextEntry(toStdString(entryName));
  const SavedFrameText saved = saveFrameText(shell_.card(), number, services());
  // A file that could not be written is reported as any error a handler met.
  if (!saved.error.empty()) shell_.reportUnhandledError(saved.error);
}

void ElementCommands::micone_click() {
  if (!attached()) return;
  RenderContext context = cardWindow_->renderContext();
  const IconChoice choice =
      chooseIcon(shell_.card(), cardWindow_->renderer(), context.pictures, shell_.state(), services());
  if (choice == IconChoice::Refused) return;
  // Shown either way: a cancelled dialog leaves the card without an icon.
  cardWindow_->showChosenIcon();
  if (choice == IconChoice::Chosen) mainWindow_->updateCommandStates();
}

void ElementCommands::mmotif_click() {
  if (!attached()) return;
  RenderContext context = cardWindow_->renderContext();
  if (!choosePattern(shell_.card(), context, shell_.state(), services())) return;
  cardWindow_->drawDecorations();
  mainWindow_->enableFrameTransparency(true);
  mainWindow_->updateCommandStates();
}

void ElementCommands::mclipbrd_click() {
  if (!cardWindow_) return;
  const std::optional<Image> picture =
      clipboardPicture(*clipboard_, prompter_, shell_.state().interfaceLanguage);
  if (!picture) return;
  const CardModel& card = shell_.card();
  cardWindow_->paintOverCard(wrapImage(*picture), QRect(0, 0, card.cardWidth, card.cardHeight));
}

void ElementCommands::clipClick() {
  if (!cardWindow_) return;
  const CardModel& card = shell_.card();
  QImage shown = cardWindow_->grab().toImage();
  // On a scaled screen the grab has device pixels; the clipboard takes the card at its own size.
  if (shown.size() != cardWindow_->size()) shown = shown.scaled(cardWindow_->size());
  copyCardToClipboard(card, toImage(shown), *clipboard_);
}

void ElementCommands::mcontact_click() {
  if (!attached()) return;
  CardModel& card = shell_.card();
  ContactDialog dialog(card.contact.contact, shell_.state().interfaceLanguage, mainWindow_->dialogParent());
  if (dialog.exec() != QDialog::Accepted) return;
  if (acceptContact(card, dialog.contact())) cardWindow_->showQrCode();
}

void ElementCommands::mexportercontact_click() { exportContact(shell_.card(), services()); }

}  // namespace orvane
