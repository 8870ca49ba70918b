#include "app/main/language_switch.h"

#include <QAction>
#include <QMenu>

#include "app/caption_room.h"
#include "app/main/popup_menus.h"
#include "app/orvane_application.h"
#include "shell/card_editor_shell.h"
#include "shell/main_window_captions.h"

namespace orvane {

namespace {

// The menu items keep their handlers' names as object names; the table knows them by their layout
// names.
void addMenuItems(CaptionTargets& targets, const PopupMenus& menus) {
  const std::pair<const char*, QObject*> items[] = {
      {"accscarte1", menus.elements.cardAccess},
      {"allemand1", menus.control.german},
      {"anglais1", menus.control.english},
      {"Apropos1", menus.help.about},
      {"Assistance1", menus.help.assistance},
      {"Associationdesfichiers1", menus.help.fileAssociation},
      {"audit1", menus.control.audit},
      {"Charger0", menus.file.load},
      {"charger1", menus.elements.frame1Text.load},
      {"charger2", menus.elements.frame2Text.load},
      {"Charger3", menus.miniCv.load},
      {"Contact1", menus.elements.contact},
      {"Exportercontact1", menus.elements.exportContact},
      {"Icone1", menus.elements.icon},
      {"Motif1", menus.elements.pattern},
      {"Editer1", menus.miniCv.edit},
      {"Exporterimprimeur1", menus.file.exportPrintShop},
      {"Publipostage1", menus.file.cardMerge},
      {"fichierunique1", menus.control.checkOneFile},
      {"francais1", menus.control.french},
      {"groupedefichiers1", menus.control.checkFileGroup},
      {"Impressioncouleurs1", menus.file.printColour},
      {"Impressionnoir_et_blanc1", menus.file.printBlackWhite},
      {"Imprimante1", menus.file.printerSetup},
      {"Imprimer1", menus.miniCv.print},
      {"language1", menus.control.language},
      {"modesilencieux1", menus.control.silentMode},
      {"options1", menus.control.options},
      {"polices1", menus.control.fonts},
      {"Pressepapier1", menus.file.clipboardCopy},
      {"Quitter1", menus.file.quit},
      {"rpertoiredetravail1", menus.file.workingDirectory},
      {"sauvegardeauto1", menus.control.automaticBackup},
      {"Sauvegarder0", menus.file.save},
      {"sauvegarder1", menus.elements.frame1Text.save},
      {"sauvegarder2", menus.elements.frame2Text.save},
      {"Sauvegarder3", menus.miniCv.save},
      {"testbitmap1", menus.control.bitmapCheck},
      {"testimp1", menus.control.testPrint},
      {"Texte11", menus.elements.frame1Text.menu},
      {"texte21", menus.elements.frame2Text.menu},
  };
  for (const auto& [name, item] : items) targets.add(QString::fromLatin1(name), item);
}

}  // namespace

LanguageSwitch::LanguageSwitch(CardEditorShell& shell, QWidget& window, const PopupMenus& menus,
                               std::vector<ListGroup> listGroups)
    : QObject(&window), shell_(shell), window_(window), targets_(window), listGroups_(std::move(listGroups)) {
  addMenuItems(targets_, menus);
  connect(menus.control.french, &QAction::triggered, this, &LanguageSwitch::francais1Click);
  connect(menus.control.english, &QAction::triggered, this, &LanguageSwitch::anglais1Click);
  connect(menus.control.german, &QAction::triggered, this, &LanguageSwitch::allemand1Click);
}

void LanguageSwitch::switchTo(Language language) {
  setInterfaceLanguage(shell_.state(), language);
  applyLanguage(language);
  emit languageChanged(language);
}

void LanguageSwitch::applyLanguage(Language language) {
  targets_.apply(resolveCaptions(mainWindowCaptions(), language));
  buildControlLists(language);
  makeRoomForCaptions(window_);
}

void LanguageSwitch::buildControlLists(Language language) {
  for (const ListGroup& refill : listGroups_) refill(language);
}

}  // namespace orvane
