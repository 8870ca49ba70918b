#include "app/main/command_panels.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <map>

namespace orvane {

namespace {

const QColor highlightGreen(0, 128, 0);  // 0x008000

std::vector<MenuEntry> fileMenu() {
  return {{"mcharger_click", QStringLiteral("&Charger")},
          {"msauvegarder_click", QStringLiteral("&Sauvegarder")},
          {"rpertoiredetravail1Click", QStringLiteral("répertoire de travail")},
          {"mclipbrd_click", QStringLiteral("Copie du &Presse papier")},
          {"Imprimante1Click", QStringLiteral("&Imprimante")},
          {"mimpneb_click", QStringLiteral("Impression &noir et blanc")},
          {"mimpcouleurs_click", QStringLiteral("Impression &couleurs")},
          {"mquitter_click", QStringLiteral("&Quitter")}};
}

MenuEntry textMenu(const QString& caption, int frame) {
  const QString number = QString::number(frame);
  return {QStringLiteral("Texte") + number,
          caption,
          {{QStringLiteral("mtextecharger_click") + number, QStringLiteral("charger")},
           {QStringLiteral("mtextesauvegarder_click") + number, QStringLiteral("sauvegarder")}}};
}

std::vector<MenuEntry> elementsMenu() {
  return {{"accscarte1Click", QStringLiteral("accès carte")},
          textMenu(QStringLiteral("Texte_&1"), 1),
          textMenu(QStringLiteral("Texte_&2"), 2),
          {"micone_click", QStringLiteral("&Icone")},
          {"mmotif_click", QStringLiteral("&Motif")}};
}

std::vector<MenuEntry> controlMenu() {
  return {{"detectimpr", QStringLiteral("audit ")},
          {"testimpr", QStringLiteral("test impression")},
          {"options1", QStringLiteral("options"), {{"polices1Click", QStringLiteral("polices")}}},
          {"testbitmap1",
           QStringLiteral("test bitmap"),
           {{"fichierunique1", QStringLiteral("fichier unique")},
            {"groupedefichiers1", QStringLiteral("groupe de fichiers")},
            {"sauvegardeauto1", QStringLiteral("sauvegarde auto"), {}, true, true},
            {"modesilencieux1", QStringLiteral("mode silencieux"), {}, true, false}}},
          {"language1",
           QStringLiteral("language"),
           {{"francais1", QStringLiteral("français")},
            {"anglais1", QStringLiteral("anglais")},
            {"allemand1", QStringLiteral("allemand")}}}};
}

std::vector<MenuEntry> miniCvMenu() {
  return {{"edit_minicv", QStringLiteral("Editer")},
          {"minicvImprimer", QStringLiteral("Imprimer")},
          {"minicvSauvegarder", QStringLiteral("Sauvegarder")},
          {"minicvCharger", QStringLiteral("Charger")}};
}

std::vector<MenuEntry> helpMenu() {
  return {{"massistance_click", QStringLiteral("&Assistance")},
          {"mpropos_click", QStringLiteral("A &propos")},
          {"associationdesfichiers1", QStringLiteral("Association des fichiers ")}};
}

void addEntries(QMenu* menu, const std::vector<MenuEntry>& entries) {
  for (const MenuEntry& entry : entries) {
    if (!entry.children.empty()) {
      QMenu* submenu = menu->addMenu(entry.caption);
      submenu->setObjectName(entry.name);
      submenu->menuAction()->setObjectName(entry.name);
      addEntries(submenu, entry.children);
      continue;
    }
    QAction* action = menu->addAction(entry.caption);
    action->setObjectName(entry.name);
    action->setCheckable(entry.checkable);
    action->setChecked(entry.checked);
  }
}

}  // namespace

CommandPanel::CommandPanel(const QString& name, const QString& caption, const QString& hint, int tag,
                           QWidget* parent)
    : QFrame(parent), tag_(tag) {
  setObjectName(name);
  setToolTip(hint);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  setMouseTracking(true);
  auto* label = new QLabel(caption, this);
  label->setObjectName(name + QStringLiteral("Caption"));
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(label);
}

QString CommandPanel::caption() const { return findChild<QLabel*>()->text(); }

void CommandPanel::setHighlighted(bool on) {
  highlighted_ = on;
  QPalette panelPalette = palette();
  panelPalette.setColor(QPalette::Window,
                        on ? highlightGreen : QApplication::palette().color(QPalette::Button));
  setPalette(panelPalette);
}

void CommandPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked(this);
}

void CommandPanel::mouseMoveEvent(QMouseEvent* /*event*/) { emit mouseMoved(this); }

const std::vector<MenuEntry>& menuEntries(int tag) {
  static const std::map<int, std::vector<MenuEntry>> menus{
      {1, fileMenu()}, {2, elementsMenu()}, {3, helpMenu()}, {4, controlMenu()}, {5, miniCvMenu()}};
  return menus.at(tag);
}

QMenu* buildPopupMenu(int tag, QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("PopupMenu%1").arg(tag));
  addEntries(menu, menuEntries(tag));
  return menu;
}

}  // namespace orvane
