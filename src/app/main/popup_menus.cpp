#include "app/main/popup_menus.h"

#include <QAction>
#include <QMenu>

namespace orvane {

namespace {

QAction* addItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

QAction* addCheckItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* action = addItem(menu, name, caption);
  action->setCheckable(true);
  return action;
}

QMenu* addSubmenu(QMenu* menu, const QString& name, const QString& caption) {
  QMenu* submenu = menu->addMenu(caption);
  submenu->setObjectName(name);
  submenu->menuAction()->setObjectName(name);
  return submenu;
}

QMenu* popupMenu(int tag, QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("PopupMenu%1").arg(tag));
  return menu;
}

FileMenu fileMenu(QWidget* parent) {
  FileMenu file;
  file.menu = popupMenu(1, parent);
  file.load = addItem(file.menu, "mcharger_click", QStringLiteral("&Charger"));
  file.save = addItem(file.menu, "msauvegarder_click", QStringLiteral("&Sauvegarder"));
  file.workingDirectory =
      addItem(file.menu, "rpertoiredetravail1Click", QStringLiteral("répertoire de travail"));
  file.clipboardCopy = addItem(file.menu, "mclipbrd_click", QStringLiteral("Copie du &Presse papier"));
  file.printerSetup = addItem(file.menu, "Imprimante1Click", QStringLiteral("&Imprimante"));
  file.printBlackWhite = addItem(file.menu, "mimpneb_click", QStringLiteral("Impression &noir et blanc"));
  file.printColour = addItem(file.menu, "mimpcouleurs_click", QStringLiteral("Impression &couleurs"));
  // No catalogue entry names the export: its caption stays the same in every interface language.
  file.exportPdf = addItem(file.menu, "mexporterpdf_click", QStringLiteral("Exporter en PDF"));
  file.exportPrintShop =
      addItem(file.menu, "mexporterimprimeur_click", QStringLiteral("Exporter pour l'imprimeur"));
  file.cardMerge = addItem(file.menu, "mpublipostage_click", QStringLiteral("Publipostage"));
  file.quit = addItem(file.menu, "mquitter_click", QStringLiteral("&Quitter"));
  return file;
}

FrameTextMenu frameTextMenu(QMenu* parent, int frame) {
  const QString number = QString::number(frame);
  FrameTextMenu text;
  text.menu = addSubmenu(parent, QStringLiteral("Texte") + number, QStringLiteral("Texte_&") + number);
  // The shared handlers tell the frame from these names.
  text.load = addItem(text.menu, QStringLiteral("charger") + number, QStringLiteral("charger"));
  text.save = addItem(text.menu, QStringLiteral("sauvegarder") + number, QStringLiteral("sauvegarder"));
  return text;
}

ElementsMenu elementsMenu(QWidget* parent) {
  ElementsMenu elements;
  elements.menu = popupMenu(2, parent);
  elements.cardAccess = addItem(elements.menu, "accscarte1Click", QStringLiteral("accès carte"));
  elements.frame1Text = frameTextMenu(elements.menu, 1);
  elements.frame2Text = frameTextMenu(elements.menu, 2);
  elements.icon = addItem(elements.menu, "micone_click", QStringLiteral("&Icone"));
  elements.pattern = addItem(elements.menu, "mmotif_click", QStringLiteral("&Motif"));
  elements.contact = addItem(elements.menu, "mcontact_click", QStringLiteral("contact"));
  elements.exportContact =
      addItem(elements.menu, "mexportercontact_click", QStringLiteral("Exporter le contact"));
  return elements;
}

ControlMenu controlMenu(QWidget* parent) {
  ControlMenu control;
  control.menu = popupMenu(4, parent);
  control.audit = addItem(control.menu, "detectimpr", QStringLiteral("audit "));
  control.testPrint = addItem(control.menu, "testimpr", QStringLiteral("test impression"));
  control.options = addSubmenu(control.menu, "options1", QStringLiteral("options"));
  control.fonts = addItem(control.options, "polices1Click", QStringLiteral("polices"));
  control.bitmapCheck = addSubmenu(control.menu, "testbitmap1", QStringLiteral("test bitmap"));
  control.checkOneFile = addItem(control.bitmapCheck, "fichierunique1", QStringLiteral("fichier unique"));
  control.checkFileGroup =
      addItem(control.bitmapCheck, "groupedefichiers1", QStringLiteral("groupe de fichiers"));
  control.automaticBackup =
      addCheckItem(control.bitmapCheck, "sauvegardeauto1", QStringLiteral("sauvegarde auto"));
  control.silentMode =
      addCheckItem(control.bitmapCheck, "modesilencieux1", QStringLiteral("mode silencieux"));
  control.language = addSubmenu(control.menu, "language1", QStringLiteral("language"));
  control.french = addItem(control.language, "francais1", QStringLiteral("français"));
  control.english = addItem(control.language, "anglais1", QStringLiteral("anglais"));
  control.german = addItem(control.language, "allemand1", QStringLiteral("allemand"));
  return control;
}

MiniCvMenu miniCvMenu(QWidget* parent) {
  MiniCvMenu miniCv;
  miniCv.menu = popupMenu(5, parent);
  miniCv.edit = addItem(miniCv.menu, "edit_minicv", QStringLiteral("Editer"));
  miniCv.print = addItem(miniCv.menu, "minicvImprimer", QStringLiteral("Imprimer"));
  miniCv.save = addItem(miniCv.menu, "minicvSauvegarder", QStringLiteral("Sauvegarder"));
  miniCv.load = addItem(miniCv.menu, "minicvCharger", QStringLiteral("Charger"));
  return miniCv;
}

HelpMenu helpMenu(QWidget* parent) {
  HelpMenu help;
  help.menu = popupMenu(3, parent);
  help.assistance = addItem(help.menu, "massistance_click", QStringLiteral("&Assistance"));
  help.about = addItem(help.menu, "mpropos_click", QStringLiteral("A &propos"));
  help.fileAssociation =
      addItem(help.menu, "associationdesfichiers1", QStringLiteral("Association des fichiers "));
  return help;
}

}  // namespace

QMenu* PopupMenus::byTag(int tag) const {
  switch (tag) {
    case 1:
      return file.menu;
    case 2:
      return elements.menu;
    case 3:
      return help.menu;
    case 4:
      return control.menu;
    case 5:
      return miniCv.menu;
    default:
      return nullptr;
  }
}

PopupMenus buildPopupMenus(QWidget* parent) {
  return {fileMenu(parent), elementsMenu(parent), controlMenu(parent), miniCvMenu(parent), helpMenu(parent)};
}

}  // namespace orvane
