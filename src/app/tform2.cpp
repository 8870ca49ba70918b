#include "app/tform2.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>
#include <algorithm>

#include "app/caption_room.h"
#include "app/main/colour_font_controls.h"
#include "app/main/language_switch.h"
#include "app/outer_size.h"
#include "app/tform1.h"
#include "qt/qt_image.h"
#include "qt/qt_text.h"
#include "qt/rich_text_document.h"

namespace orvane {

namespace {

constexpr Colour mainWindowColour = 0xFFCDC0;
constexpr Colour bannerBackground = 0x80C0FF;
constexpr Colour bannerTextColour = 0x800080;

void setBackground(QWidget* widget, Colour colour, QPalette::ColorRole role = QPalette::Window) {
  QPalette widgetPalette = widget->palette();
  widgetPalette.setColor(role, toQColor(colour));
  widget->setPalette(widgetPalette);
  widget->setAutoFillBackground(true);
}

QGroupBox* groupBox(const char* name, const QString& title, QRect geometry, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(geometry);
  return box;
}

QScreen* screenOf(const QWidget* widget) {
  return widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
}

}  // namespace

TForm2::TForm2(CardEditorShell& shell, TForm1& cardWindow) : shell_(shell), cardWindow_(cardWindow) {
  setObjectName(QStringLiteral("TForm2"));
  setWindowTitle(QStringLiteral("édition de cartes"));
  // 638 x 555 with the frame; the controls leave room for the title bar and borders of any desktop.
  new OuterSize(*this, {638, 555});
  setMouseTracking(true);
  setBackground(this, mainWindowColour);

  voirCarteButton = new QPushButton(QStringLiteral(" voir carte"), this);
  voirCarteButton->setObjectName(QStringLiteral("Button1"));
  voirCarteButton->setGeometry(8, 368, 110, 25);
  focusOnHover(voirCarteButton);
  connect(voirCarteButton, &QPushButton::clicked, this, &TForm2::form1see);
  appliquerButton = new QPushButton(QStringLiteral("appliquer"), this);
  appliquerButton->setObjectName(QStringLiteral("Button17"));
  appliquerButton->setGeometry(126, 368, 110, 25);
  connect(appliquerButton, &QPushButton::clicked, &cardWindow_, &TForm1::appliquer);
  clipboardButton = new QPushButton(QStringLiteral("Presse Papier"), this);
  clipboardButton->setObjectName(QStringLiteral("button2"));
  clipboardButton->setGeometry(244, 368, 110, 25);

  bannerText = new QTextEdit(this);
  bannerText->setObjectName(QStringLiteral("RichEdit1"));
  bannerText->setReadOnly(true);
  // Each line of the banner is one line on screen: a letter that wrapped would leave the column.
  bannerText->setLineWrapMode(QTextEdit::NoWrap);
  bannerText->setFrameStyle(QFrame::NoFrame);
  bannerText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  bannerText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  createParameterGroups();
  cardIconControls = new CardIconControls(
      shell_.card(), shell_, cardWindow_,
      {cardGroup, iconGroup, verticalShiftSlider, [this] { return formatControls->orientationListText(); }},
      this);
  qrCodeControls = new QrCodeControls(shell_, cardWindow_, iconGroup, this);
  createCommandPanels();
  colourFontControls = new ColourFontControls(
      shell_, cardWindow_,
      {frame1Group, frame2Group, cardGroup, frame1Transparency, frame2Transparency, menus_.control.fonts},
      this);
  // The font buttons' width check and the card, icon and orientation lists report on a frame's
  // warning line.
  const auto frameWarning = [this](int frame, const QString& text) {
    if (text.isEmpty())
      frameControls->clearFrameWarning(frame);
    else
      frameControls->showFrameWarning(frame, toStdString(text));
  };
  colourFontControls->showFrameWarning = frameWarning;
  cardIconControls->showFrameWarning = frameWarning;
  formatControls->showFrameWarning = frameWarning;
  qrCodeControls->showFrameWarning = frameWarning;
  languageSwitch_ = new LanguageSwitch(shell_, *this, menus_,
                                       {[this](Language language) { frameControls->fill(language); },
                                        [this](Language language) { cardIconControls->fill(language); },
                                        [this](Language language) { qrCodeControls->fill(language); },
                                        [this](Language language) { formatControls->fill(language); }});
  connect(menus_.elements.cardAccess, &QAction::triggered, this, &TForm2::accscarte1Click);
  connect(menus_.file.quit, &QAction::triggered, this, &TForm2::mquitter_click);
  connect(&cardWindow_, &TForm1::cardAccessEnded, this, &TForm2::showAccessCaption);
  connect(&cardWindow_, &TForm1::decorationsRepainted, this, &TForm2::showIconPreviews);
  makeRoomForCaptions(*this);
  formload();
}

void TForm2::formload() {
  // The automatic backup of repaired bitmaps starts switched on.
  menus_.control.automaticBackup->setChecked(true);
}

void TForm2::createParameterGroups() {
  frame1Group = groupBox("GroupBox5", QStringLiteral("CADRE 1"), {8, 6, 270, 176}, this);
  frame1Transparency = new QCheckBox(QStringLiteral("T1"), frame1Group);
  frame1Transparency->setObjectName(QStringLiteral("CheckBox2"));
  frame1Transparency->setToolTip(QStringLiteral("transparence"));
  frame1Transparency->move(230, 150);
  frame2Group = groupBox("GroupBox4", QStringLiteral("CADRE 2"), {286, 6, 270, 176}, this);
  frame2Transparency = new QCheckBox(QStringLiteral("T2"), frame2Group);
  frame2Transparency->setObjectName(QStringLiteral("CheckBox3"));
  frame2Transparency->setToolTip(QStringLiteral("transparence"));
  frame2Transparency->move(230, 150);
  frameControls = new FrameControls(shell_, cardWindow_, *frame1Group, *frame2Group, this);
  cardGroup = groupBox("GroupBox3", QStringLiteral("CARTE"), {8, 186, 270, 176}, this);
  verticalShiftSlider = new QSlider(Qt::Vertical, cardGroup);
  verticalShiftSlider->setObjectName(QStringLiteral("tb1"));
  verticalShiftSlider->setToolTip(QStringLiteral("deplacement vertical de a carte"));
  verticalShiftSlider->setGeometry(240, 18, 24, 150);
  iconGroup = groupBox("GroupBox2", QStringLiteral("ICONE"), {286, 186, 270, 176}, this);
  iconPreview1 = new QLabel(iconGroup);
  iconPreview1->setObjectName(QStringLiteral("iconPreview1"));
  iconPreview1->setGeometry(196, 136, 32, 32);
  iconPreview1->setScaledContents(true);
  iconPreview2 = new QLabel(iconGroup);
  iconPreview2->setObjectName(QStringLiteral("iconPreview2"));
  iconPreview2->setGeometry(232, 136, 32, 32);
  iconPreview2->setScaledContents(true);
  formatControls = new FormatControls(shell_, cardWindow_, *this, cardGroup);
}

void TForm2::createCommandPanels() {
  commandPanelGroup =
      groupBox("GroupBox1", QStringLiteral("panneaux des commandes"), {8, 398, 548, 108}, this);
  auto* cardPanelGroup = groupBox("GroupBox6", QStringLiteral("carte"), {8, 18, 352, 84}, commandPanelGroup);
  struct PanelPlace {
    CommandPanel* CommandPanels::*slot;
    const char* name;
    QString caption;
    QString hint;
    int tag;
    QWidget* parent;
    QRect geometry;
  };
  const PanelPlace places[] = {
      {&CommandPanels::file,
       "Panel1",
       QStringLiteral("fichier"),
       QStringLiteral("commandes de fichier et d'imprimante"),
       1,
       cardPanelGroup,
       {8, 22, 106, 52}},
      {&CommandPanels::elements,
       "Panel2",
       QStringLiteral("éléments"),
       QStringLiteral("commandes d'ajout d'éléments"),
       2,
       cardPanelGroup,
       {122, 22, 106, 52}},
      {&CommandPanels::control,
       "Panel4",
       QStringLiteral("contrôle"),
       QStringLiteral("commande de contrôle des paramêtres"),
       4,
       cardPanelGroup,
       {236, 22, 106, 52}},
      {&CommandPanels::miniCv,
       "Panel5",
       QStringLiteral("Mini-CV"),
       QString(),
       5,
       commandPanelGroup,
       {366, 40, 88, 52}},
      {&CommandPanels::help,
       "Panel3",
       QStringLiteral("aide"),
       QString(),
       3,
       commandPanelGroup,
       {460, 40, 82, 52}},
  };
  for (const PanelPlace& place : places) {
    auto* commandPanel =
        new CommandPanel(QString::fromLatin1(place.name), place.caption, place.hint, place.tag, place.parent);
    commandPanel->setGeometry(place.geometry);
    commandPanel->setHighlighted(false);
    connect(commandPanel, &CommandPanel::clicked, this, &TForm2::onpanelclick);
    connect(commandPanel, &CommandPanel::mouseMoved, this, &TForm2::onpanelmmove);
    panels_.*place.slot = commandPanel;
  }
  menus_ = buildPopupMenus(this);
}

void TForm2::fillBanner() {
  FontSpec bannerFont = RichText::defaultFormat();
  bannerFont.size = 20;
  bannerFont.colour = bannerTextColour;
  bannerFont.style.bold = true;
  bannerFont.style.italic = true;
  const RichText banner =
      RichText::fromPlainText("\n     O\n\n     R\n\n     V\n\n     A\n\n     N\n\n     E\n\n", bannerFont);
  fillDocument(*bannerText->document(), banner);
  bannerText->moveCursor(QTextCursor::Start);
  setBackground(bannerText, bannerBackground, QPalette::Base);
  placeBanner();
}

void TForm2::placeBanner() {
  // As wide as its widest line, slanted letters included, and standing at the right edge.
  const QTextDocument& text = *bannerText->document();
  int widest = 0;
  for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
    if (block.text().isEmpty()) continue;
    const QFontMetrics metrics(block.begin().fragment().charFormat().font());
    widest = std::max(
        {widest, metrics.horizontalAdvance(block.text()), metrics.boundingRect(block.text()).right() + 1});
  }
  const int bannerWidth = widest + 2 * qCeil(text.documentMargin());
  bannerText->setGeometry(width() - bannerWidth, 0, bannerWidth, height());
}

void TForm2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeBanner();
}

void TForm2::focusOnHover(QWidget* button) {
  button->setMouseTracking(true);
  button->installEventFilter(this);
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
  // `button_mousemove`: the button under the mouse takes the keyboard focus.
  if (event->type() == QEvent::MouseMove) static_cast<QWidget*>(watched)->setFocus();
  return QWidget::eventFilter(watched, event);
}

void TForm2::postload(bool startedWithArgument, int screenResolution) {
  if (startedWithArgument) cardWindow_.hide();
  shell_.detectPrinters(screenResolution);
  fillBanner();
  frame1Transparency->setEnabled(false);
  frame2Transparency->setEnabled(false);
  verticalShiftSlider->setRange(1, 100);
  const QRect screen = screenOf(this)->geometry();
  move(CardEditorShell::centred(screen.width(), frameGeometry().width()),
       CardEditorShell::centred(screen.height(), frameGeometry().height()));
  updateCommandStates();
}

void TForm2::updateCommandStates() {
  const CommandStates states = shell_.commandStates();
  menus_.file.printerSetup->setEnabled(states.printerChoice);
  menus_.file.printColour->setEnabled(states.printColour);
  menus_.file.printBlackWhite->setEnabled(states.printBlackWhite);
  menus_.control.audit->setEnabled(states.audit);
  menus_.miniCv.print->setEnabled(states.miniCvPrint);
  menus_.miniCv.save->setEnabled(states.miniCvSave);
}

PlacementInput TForm2::placement() const {
  return {cardWindow_.x(), cardWindow_.width(), screenOf(this)->geometry().width(), frameGeometry().width()};
}

void TForm2::form1see() {
  const CardVisibility outcome = shell_.toggleCardVisibility(placement());
  if (outcome.mainWindowLeft) move(*outcome.mainWindowLeft, y());
  cardWindow_.setVisible(outcome.showCard);
  voirCarteButton->setText(toQString(outcome.buttonCaption));
}

void TForm2::placeMainWindowBesideCard() {
  if (shell_.state().cardShown) move(CardEditorShell::mainWindowLeftBesideCard(placement()), y());
}

void TForm2::onpanelclick(CommandPanel* commandPanel) {
  // The panel's own left and top are relative to its immediate parent, which for the card panels is
  // the "carte" group inside GroupBox1: the menu opens where this sum says, as it always has.
  const int titleHeight = frameGeometry().height() - height();
  const QPoint at(frameGeometry().left() + commandPanelGroup->x() + commandPanel->x(),
                  frameGeometry().top() + titleHeight + commandPanelGroup->y() + commandPanel->y() +
                      commandPanel->height());
  menus_.byTag(commandPanel->tag())->popup(at);
}

void TForm2::onpanelmmove(CommandPanel* commandPanel) {
  for (CommandPanel* other : panels_.all()) {
    if (other->highlighted()) other->setHighlighted(false);
  }
  commandPanel->setHighlighted(true);
  shell_.state().panelHighlighted = true;
  shell_.state().mouseOverPanel = true;
}

void TForm2::onform2move() {
  shell_.state().mouseOverPanel = false;
  if (!shell_.state().panelHighlighted) return;
  for (CommandPanel* commandPanel : panels_.all()) {
    if (commandPanel->highlighted()) commandPanel->setHighlighted(false);
  }
  shell_.state().panelHighlighted = false;
}

void TForm2::mouseMoveEvent(QMouseEvent* /*event*/) { onform2move(); }

void TForm2::accscarte1Click() {
  const AccessChange change = shell_.toggleCardAccess();
  if (change == AccessChange::Refused) return;
  showAccessCaption();
  cardWindow_.showFrameStates();
}

void TForm2::redrawTransparentFrames() { colourFontControls->redrawTransparentFrames(); }

void TForm2::showFrameTransparency(bool frame1, bool frame2) {
  colourFontControls->showTransparency(frame1, frame2);
}

void TForm2::enableFrameTransparency(bool enabled) { colourFontControls->enableTransparency(enabled); }

void TForm2::clearIconPreviews() {
  iconPreview1->clear();
  iconPreview2->clear();
}

void TForm2::showIconPreviews() {
  const RendererState& renderer = cardWindow_.renderer();
  auto show = [](QLabel* preview, const std::optional<Image>& picture) {
    if (picture) preview->setPixmap(QPixmap::fromImage(wrapImage(*picture).copy()));
  };
  show(iconPreview1, renderer.iconPicture);
  show(iconPreview2, renderer.iconBackground);
}

void TForm2::showAccessCaption() { menus_.elements.cardAccess->setText(toQString(shell_.accessCaption())); }

void TForm2::mquitter_click() {
  shell_.cardWindow().closeGuard = false;
  shell_.state().quitting = true;
  emit modalRunEnded();
  cardWindow_.close();
}

void TForm2::closeEvent(QCloseEvent* event) {
  event->accept();
  formclose();
}

void TForm2::formclose() {
  hide();
  emit modalRunEnded();
  // While card access was switched on from here, the window is only hidden, never freed.
  if (!shell_.mainWindowCloseFrees()) return;
  if (!cardWindow_.closed()) cardWindow_.close();
  deleteLater();
}

}  // namespace orvane
