#include "app/minicv/tform7.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "app/minicv/tform8.h"
#include "catalogue/catalogue.h"
#include "minicv/change_tracking.h"
#include "minicv/editor_commands.h"
#include "minicv/element_switching.h"
#include "minicv/element_table.h"
#include "minicv/font_layout.h"
#include "minicv/photo.h"
#include "minicv/zone_check.h"
#include "minicv/zone_layout.h"
#include "qt/help_viewer.h"
#include "qt/qt_file_association.h"
#include "qt/qt_image.h"
#include "qt/qt_text.h"
#include "settings/file_association.h"
#include "text/field_text.h"
#include "text/rounding.h"

namespace orvane {

using minicv::ControlId;
using minicv::EditorMenu;

TForm7::TForm7(minicv::CvSheet& sheet, const CvEditorServices& services)
    : sheet_(sheet), services_(services), menus_(this, sheet.state.language) {
  setObjectName(QStringLiteral("TForm7"));
  // The window is centred on the screen it opens on, and re-centred there as the zones grow.
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  sheet_.centreOnScreen(screen.width(), screen.height());
  sheet_.screen = &services_.metrics;
  sheet_.state.screenResolution = logicalDpiX();
  // F1 opens the help at the mini-CV's own context.
  installHelpKey(*this, minicv::miniCvHelpContext);

  // The sheet scrolls inside the window where the screen is too small to show it whole.
  auto* scroller = new QScrollArea(this);
  scroller->setFrameShape(QFrame::NoFrame);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroller);
  auto* root = new QWidget;
  scroller->setWidget(root);
  widgets_ = new SheetWidgets(sheet_.tree, *root);
  // "option cadre 2" has a grey state of its own.
  if (auto* option = qobject_cast<QCheckBox*>(widgets_->widget("CheckBox9"))) option->setTristate(true);
  widgets_->clicked = [this](ControlId id) { controlClicked(id); };
  widgets_->textEdited = [this](ControlId id) {
    const std::string& name = sheet_.tree.at(id).name;
    for (int zone = 1; zone <= minicv::zoneCount; ++zone)
      if (name == minicv::zoneNames(zone).text) return zoneEdited(zone);
    // A field typed into: saving follows.
    syncFromModel();
  };
  widgets_->itemChosen = [this](ControlId id) { percentageChosen(id); };
  widgets_->showPicture = [this](const minicv::Control& image, QLabel& label) { showPicture(image, label); };
  sheet_.afterElementSwitch = [this](int) {
    minicv::synchronise(sheet_, minicv::TrackingCause::ElementSwitch, services_.prompter);
  };
  connectMenus();
  syncFromModel();
}

void TForm7::connectMenus() {
  const std::pair<const char*, void (TForm7::*)()> handlers[] = {
      {"chargerphoto1", &TForm7::chargerphoto1Click},
      {"titresdescadres1", &TForm7::titresdescadres1Click},
      {"couleur1", &TForm7::couleur1Click},
      {"signature1", &TForm7::signature1Click},
      {"cadres1", &TForm7::cadres1Click},
      {"modeverbeux1", &TForm7::modeverbeux1Click},
      {"synchronicit1", &TForm7::synchronicit1Click},
      {"associationdesfichiers1", &TForm7::associationdesfichiers1Click},
  };
  for (const auto& [name, handler] : handlers)
    connect(menus_.action(name), &QAction::triggered, this, handler);
  const std::pair<const char*, Language> languages[] = {
      {"franais1", Language::French}, {"anglais1", Language::English}, {"allemand1", Language::German}};
  for (const auto& [name, language] : languages)
    connect(menus_.action(name), &QAction::triggered, this, [this, language] { changeLanguage(language); });
  connect(menus_.action("toutquitter1"), &QAction::triggered, this, &TForm7::quitRequested);
  const std::pair<const char*, minicv::AlignmentFrame> alignments[] = {
      {"cadre11", minicv::AlignmentFrame::PersonalDetails},
      {"cadre21", minicv::AlignmentFrame::ContactDetails},
      {"cadre1cadre21", minicv::AlignmentFrame::Both}};
  for (const auto& [name, frame] : alignments)
    connect(menus_.action(name), &QAction::triggered, this, [this, frame] { alignmentClick(frame); });
}

void TForm7::syncFromModel() {
  // Whatever rule ran, each label shows its whole caption, and saving follows what changed since the
  // CV's file.
  minicv::fitLabelsToCaptions(sheet_.tree, services_.metrics);
  minicv::fitSideColumn(sheet_, services_.metrics);
  minicv::trackEdits(sheet_);
  widgets_->syncFromModel();
  placeOnScreen();
  const minicv::CvMenuState& items = sheet_.state.menu;
  menus_.action("sauvegarder1")->setEnabled(items.saveCv);
  menus_.action("toutquitter1")->setEnabled(items.quitAll);
  menus_.action("chargertexte1")->setEnabled(items.loadCv);
  menus_.action("defaut1")->setEnabled(items.defaultFonts);
  menus_.action("marges1")->setEnabled(items.margins);
  menus_.action("synchronicit1")->setEnabled(sheet_.state.cvLoaded);
}

void TForm7::placeOnScreen() {
  // The window's frame, once it has one, stays on the screen too.
  const QSize frame = frameGeometry().size() - size();
  const QRect free = screen()->availableGeometry();
  const Rect area =
      Rect::fromSize(free.left(), free.top(), free.width() - frame.width(), free.height() - frame.height());
  const Rect shown = sheet_.windowOnScreen(area, style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  setFixedSize(shown.right - shown.left, shown.bottom - shown.top);
  move(shown.left, shown.top);
}

void TForm7::open(bool fromLoadedFile) {
  sheet_.open(fromLoadedFile);
  syncFromModel();
}

void TForm7::mousePressEvent(QMouseEvent* event) {
  // A click that a control let through is not a click on the background.
  if (childAt(event->position().toPoint()) == widgets_->widget(ControlId{0})) onformclick();
}

void TForm7::onformclick() {
  // The menu opens at the window's right edge, half-way down.
  menus_.menu(EditorMenu::Main)->popup(mapToGlobal(QPoint(width(), height() / 2)));
}

void TForm7::controlClicked(ControlId id) {
  const std::string& name = sheet_.tree.at(id).name;
  const auto elements = minicv::elementTable();
  for (std::size_t element = 0; element < elements.size(); ++element)
    if (name == elements[element].checkBox) return elementClicked(static_cast<int>(element));
  if (name == "Button2") return Button2Click();
  if (name == "Button1") return Button1Click();
  // The two small menus open where their panel is on the screen.
  if (name == "Panel2" || name == "Panel3") {
    QWidget* panel = widgets_->widget(id);
    menus_.menu(name == "Panel2" ? EditorMenu::Html : EditorMenu::Tests)
        ->popup(panel->mapToGlobal(QPoint(0, 0)));
    return;
  }
  // A civility, vehicle or licence choice: saving follows.
  const minicv::ControlKind kind = sheet_.tree.at(id).kind;
  if (kind == minicv::ControlKind::RadioButton || kind == minicv::ControlKind::CheckBox) syncFromModel();
}

void TForm7::elementClicked(int element) {
  const minicv::Control& box =
      sheet_.tree[minicv::elementTable()[static_cast<std::size_t>(element)].checkBox];
  minicv::switchElement(sheet_, element, box.greyed ? 2 : box.checked ? 1 : 0);
  syncFromModel();
}

void TForm7::zoneEdited(int zone) {
  minicv::zoneTextChanged(sheet_, zone);
  syncFromModel();
}

void TForm7::showPicture(const minicv::Control& image, QLabel& label) {
  const std::optional<Image> photo =
      minicv::composePhoto(services_.pictures, image.picturePath, sheet_.window().colour);
  if (photo)
    label.setPixmap(QPixmap::fromImage(wrapImage(*photo).copy()));
  else
    label.clear();
}

void TForm7::chargerphoto1Click() {
  const minicv::PhotoServices photoServices{services_.fileDialogs, services_.prompter, services_.pictures,
                                            services_.directories};
  const std::optional<Image> photo = minicv::chargerphoto1Click(
      sheet_.tree, sheet_.state.photoFile, sheet_.window().colour, photoServices, sheet_.state.language);
  // The same file may hold another picture now: it is drawn again.
  if (photo) widgets_->widget("zImage1")->setProperty("picturePath", QString());
  syncFromModel();
}

void TForm7::titresdescadres1Click() {
  if (minicv::titresdescadres1Click(sheet_.tree, services_.query, sheet_.state.language)) syncFromModel();
}

void TForm7::couleur1Click() {
  const std::optional<Colour> chosen = services_.colourDialogs.chooseColour(sheet_.window().colour);
  if (!chosen) return;
  minicv::setBackgroundColour(sheet_, *chosen);
  widgets_->widget("zImage1")->setProperty("picturePath", QString());
  syncFromModel();
  emit backgroundChosen(*chosen);
}

void TForm7::signature1Click() {
  sheet_.state.hideSignature = minicv::askHideWhenPrinting(services_.prompter, 115, sheet_.state.language);
}

void TForm7::cadres1Click() {
  sheet_.state.hideFrames = minicv::askHideWhenPrinting(services_.prompter, 185, sheet_.state.language);
}

void TForm7::modeverbeux1Click() {
  menus_.action("modeverbeux1")->setText(toQString(minicv::toggleVerboseMode(sheet_)));
}

void TForm7::changeLanguage(Language language) {
  sheet_.caption(language);
  menus_.recaption(language);
  syncFromModel();
  emit languageChanged(language);
}

void TForm7::followSheetLanguage() {
  menus_.recaption(sheet_.state.language);
  emit languageChanged(sheet_.state.language);
}

void TForm7::synchronicit1Click() {
  minicv::synchronise(sheet_, minicv::TrackingCause::SynchronisationItem, services_.prompter);
  syncFromModel();
}

void TForm7::Button2Click() {
  if (!minicv::mayLeaveEditor(services_.prompter, minicv::hasUnsavedChanges(sheet_), sheet_.state.language))
    return;
  hide();
  emit editorLeft();
}

void TForm7::associationdesfichiers1Click() {
  associateFiles(AssociatedFile::MiniCv, programFilePath(), services_.association, services_.prompter,
                 sheet_.state.language);
}

void TForm7::Button1Click() {
  minicv::checkZones(sheet_, services_.prompter,
                     [this](const RichText& schema) { showTabSchema(this, schema); });
}

void TForm7::alignmentClick(minicv::AlignmentFrame frame) {
  const Language language = sheet_.state.language;
  const std::optional<std::string> shift =
      services_.query.ask(catalogue::text(language, minicv::shiftCaptionId(frame)),
                          catalogue::text(language, minicv::shiftQuestionId), "0");
  if (shift && minicv::shiftAlignment(sheet_, frame, *shift)) syncFromModel();
}

void TForm7::percentageChosen(ControlId list) {
  const minicv::Control& chosen = sheet_.tree.at(list);
  const std::optional<int> percent = tryParseInteger(chosen.text);
  if (!percent) return;
  if (chosen.name == "ComboBox3")
    minicv::chooseWidthPercentage(sheet_, *percent, services_.prompter);
  else if (chosen.name == "ComboBox4")
    minicv::chooseHeightPercentage(sheet_, *percent, services_.prompter);
  syncFromModel();
}

void TForm7::closeEvent(QCloseEvent* event) {
  event->accept();
  emit editorLeft();
}

}  // namespace orvane
