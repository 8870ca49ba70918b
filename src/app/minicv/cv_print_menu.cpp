#include "app/minicv/cv_print_menu.h"

#include <QAction>
#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>

#include "minicv/font_commands.h"
#include "minicv/font_layout.h"
#include "qt/sheet_date_time.h"

namespace orvane {

namespace {

constexpr std::array<const char*, 4> zoneNames = {"REdit1", "REdit2", "REdit3", "REdit4"};

int screenResolution() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(screen->logicalDotsPerInch()) : 96;
}

}  // namespace

CvPrintMenu::CvPrintMenu(TForm7& form, const CvPrintMenuServices& services)
    : form_(form),
      services_(services),
      printing_(services.shell, services.printers, services.printDialogs, services.prompter),
      sources_{form.sheet(),
               services.pictures,
               metrics_,
               screenResolution(),
               [] { return sheetDateTime(QDateTime::currentDateTime()); },
               {}},
      commands_(sources_, printing_, services.printers, services.prompter) {
  connectItems();
  // The lists of the print settings come to this menu; the others stay the editor's.
  auto previous = form_.widgets().itemChosen;
  form_.widgets().itemChosen = [this, previous](minicv::ControlId list) {
    const std::string& name = form_.sheet().tree.at(list).name;
    if (name == "ComboBox1" || name == "ComboBox2")
      listChosen(list);
    else if (previous)
      previous(list);
  };
  updatePrintItems();
}

void CvPrintMenu::connectItems() {
  minicv::CvSheet& sheet = form_.sheet();
  auto on = [this](const char* item, auto handler) {
    QObject::connect(form_.menus().action(item), &QAction::triggered, &form_, [this, handler] {
      handler();
      form_.syncFromModel();
      updatePrintItems();
    });
  };
  on("attributs1", [this, &sheet] { minicv::attributs1Click(sheet, services_.fontDialogs, metrics_); });
  on("style1", [this, &sheet] { minicv::style1Click(sheet, services_.fontDialogs); });
  on("styleslection1", [this] { styleslection1Click(); });
  on("defaut1", [&sheet] { minicv::restoreDefaultFonts(sheet); });
  const std::pair<const char*, minicv::CharacterSet> sets[] = {
      {"normal1", minicv::CharacterSet::Ansi},
      {"esteuropen1", minicv::CharacterSet::EasternEuropean},
      {"cyrillique1", minicv::CharacterSet::Cyrillic},
      {"baltique1", minicv::CharacterSet::Baltic}};
  for (const auto& [item, set] : sets) on(item, [this, set] { characterSet_ = static_cast<int>(set); });
  // Choosing a printer here lifts the restriction of the prints as it does in the main window.
  on("imprimante1", [this] { printing_.Imprimante1Click(screenResolution()); });
  on("impressioncouleur1", [this] { commands_.impressioncouleur1Click(); });
  on("impressionnoiretblanc1", [this] { commands_.impressionnoiretblanc1Click(); });
  on("impression1", [this] { commands_.impression1Click(0); });
}

void CvPrintMenu::styleslection1Click() {
  minicv::ZoneSelections selections{};
  for (std::size_t zone = 0; zone < zoneNames.size(); ++zone) {
    if (const auto* edit = qobject_cast<QTextEdit*>(form_.widgets().widget(zoneNames[zone]))) {
      const QTextCursor cursor = edit->textCursor();
      selections[zone] = {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
    }
  }
  if (!minicv::styleslection1Click(form_.sheet(), selections, services_.fontDialogs)) return;
  for (const char* name : zoneNames) {
    if (auto* edit = qobject_cast<QTextEdit*>(form_.widgets().widget(name))) {
      QTextCursor cursor = edit->textCursor();
      cursor.clearSelection();
      edit->setTextCursor(cursor);
    }
  }
}

void CvPrintMenu::listChosen(minicv::ControlId list) {
  minicv::CvSheet& sheet = form_.sheet();
  const minicv::Control& chosen = sheet.tree.at(list);
  if (chosen.name == "ComboBox1")
    chooseCvOrientation(sheet, chosen.itemIndex);
  else
    chooseCvNumberPerPage(sheet, chosen.itemIndex);
  form_.syncFromModel();
}

bool CvPrintMenu::printerAudited() const {
  return commands_.printerAudited() || services_.shell.state().printerChosen;
}

void CvPrintMenu::updatePrintItems() {
  std::optional<CommandStates> mainWindow;
  if (openedFromMainWindow_) mainWindow = services_.shell.commandStates();
  const CvPrintItems items = cvPrintItems(form_.sheet(), printerAudited(), mainWindow);
  form_.menus().action("imprimante1")->setEnabled(items.printerChoice);
  form_.menus().action("impression1")->setEnabled(items.testPrint);
  form_.menus().action("impressioncouleur1")->setEnabled(items.colourPrint);
  form_.menus().action("impressionnoiretblanc1")->setEnabled(items.blackAndWhitePrint);
  form_.menus().action("synchronicit1")->setEnabled(items.synchronisation);
}

void CvPrintMenu::openedFromMainWindow() {
  openedFromMainWindow_ = true;
  if (!printerAudited()) commands_.checkPrinters();
  updatePrintItems();
}

void CvPrintMenu::loadCopiesThrough(minicv::CvFileSession& session, const minicv::CvReadServices& reading) {
  sources_.loadCopy = [&session, reading](minicv::CvSheet& sheet, const std::string& file) {
    minicv::loadCvFile(sheet, session, file, minicv::CvReportMode::Silent, reading);
  };
}

}  // namespace orvane
