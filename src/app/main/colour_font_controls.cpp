#include "app/main/colour_font_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "app/tform1.h"
#include "app/tform11.h"
#include "qt/qt_colour_font_dialogs.h"
#include "qt/qt_text.h"
#include "render/transparency_composite.h"

namespace orvane {

namespace {

BoxState boxStateOf(Qt::CheckState state) {
  if (state == Qt::Checked) return BoxState::Checked;
  return state == Qt::PartiallyChecked ? BoxState::Grayed : BoxState::Unchecked;
}

Qt::CheckState checkStateOf(BoxState state) {
  if (state == BoxState::Checked) return Qt::Checked;
  return state == BoxState::Grayed ? Qt::PartiallyChecked : Qt::Unchecked;
}

// A click moves "MOTIF " from unchecked to checked to grayed, not in Qt's own order.
class PatternModeBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {
    setCheckState(checkStateOf(nextPatternBoxState(boxStateOf(checkState()))));
  }
};

QPushButton* button(const char* name, const QString& caption, QRect geometry, QWidget* parent) {
  auto* pushButton = new QPushButton(caption, parent);
  pushButton->setObjectName(QString::fromLatin1(name));
  pushButton->setGeometry(geometry);
  return pushButton;
}

QLabel* label(const char* name, QRect geometry, QWidget* parent) {
  auto* wordLabel = new QLabel(parent);
  wordLabel->setObjectName(QString::fromLatin1(name));
  wordLabel->setGeometry(geometry);
  return wordLabel;
}

}  // namespace

ColourFontControls::ColourFontControls(CardEditorShell& shell, TForm1& cardWindow,
                                       const ColourFontParts& parts, QWidget* window)
    : QObject(window),
      shell_(shell),
      cardWindow_(cardWindow),
      window_(window),
      parts_(parts),
      qtDialogs_(std::make_unique<QtColourFontDialogs>(window)),
      dialogs_(qtDialogs_.get()) {
  setObjectName(QStringLiteral("colourFontControls"));
  createButtons();
  createPatternBoxes();

  // A box the program sets (T1 and T2 from a card file) runs its handler too, as a click does.
  connect(patternModeBox, &QCheckBox::stateChanged, this, &ColourFontControls::CheckBox1Click);
  connect(fillStyleBox, &QCheckBox::toggled, this, &ColourFontControls::checkbox4_click);
  connect(parts.frame1Transparency, &QCheckBox::toggled, this, &ColourFontControls::CheckBox2Click);
  connect(parts.frame2Transparency, &QCheckBox::toggled, this, &ColourFontControls::CheckBox3Click);
  connect(parts.fontOptionsItem, &QAction::triggered, this, &ColourFontControls::polices1Click);
  // A pattern drawn on the card makes transparency possible.
  connect(&cardWindow_, &TForm1::decorationsRepainted, this, [this] { enableTransparency(true); });
}

ColourFontControls::~ColourFontControls() = default;

void ColourFontControls::createButtons() {
  using Handler = void (ColourFontControls::*)();
  struct ButtonPlace {
    const char* name;
    QString caption;
    QString hint;
    QGroupBox* group;
    QRect geometry;
    Handler handler;
  };
  const QString colour = QStringLiteral("couleur de fond");
  const ButtonPlace buttons[] = {
      {"Button9",
       QStringLiteral("fonte en-tête "),
       QStringLiteral("police de la 1° ligne"),
       parts_.frame1Group,
       {142, 18, 122, 22},
       &ColourFontControls::Button9Click},
      {"Button13",
       QStringLiteral("fonte"),
       QStringLiteral("police du texte à partir de la 2° ligne"),
       parts_.frame1Group,
       {142, 44, 122, 22},
       &ColourFontControls::Button13Click},
      {"Button11",
       colour,
       QString(),
       parts_.frame1Group,
       {142, 70, 122, 22},
       &ColourFontControls::Button11Click},
      {"Button10",
       QStringLiteral("fonte en-tête"),
       QString(),
       parts_.frame2Group,
       {142, 18, 122, 22},
       &ColourFontControls::Button10Click},
      {"Button14",
       QStringLiteral("fonte"),
       QString(),
       parts_.frame2Group,
       {142, 44, 122, 22},
       &ColourFontControls::Button14Click},
      {"Button12",
       colour,
       QString(),
       parts_.frame2Group,
       {142, 70, 122, 22},
       &ColourFontControls::Button12Click},
      {"Button15",
       colour,
       QString(),
       parts_.cardGroup,
       {142, 18, 92, 22},
       &ColourFontControls::Button15Click},
  };
  for (const ButtonPlace& place : buttons) {
    QPushButton* pushButton = button(place.name, place.caption, place.geometry, place.group);
    pushButton->setToolTip(place.hint);
    connect(pushButton, &QPushButton::clicked, this, place.handler);
  }
}

void ColourFontControls::createPatternBoxes() {
  patternModeBox = new PatternModeBox(QStringLiteral("MOTIF "), parts_.cardGroup);
  patternModeBox->setObjectName(QStringLiteral("CheckBox1"));
  patternModeBox->setToolTip(QStringLiteral("affichage étendu ou répétitif de l'image"));
  patternModeBox->setTristate(true);
  patternModeBox->move(142, 46);
  patternModeWord = label("Label5", {142, 64, 92, 16}, parts_.cardGroup);
  patternModeWord->setText(QStringLiteral("dim"));
  fillStyleBox = new QCheckBox(QStringLiteral("STYLE"), parts_.cardGroup);
  fillStyleBox->setObjectName(QStringLiteral("CheckBox4"));
  fillStyleBox->move(142, 88);
  fillStyleWord = label("Label6", {142, 106, 92, 16}, parts_.cardGroup);
  fillStyleWord->setText(QStringLiteral("fill"));
}

void ColourFontControls::Button15Click() { chooseColour(0); }
void ColourFontControls::Button11Click() { chooseColour(1); }
void ColourFontControls::Button12Click() { chooseColour(2); }
void ColourFontControls::Button9Click() { chooseFont(1, FontPart::Header); }
void ColourFontControls::Button10Click() { chooseFont(2, FontPart::Header); }
void ColourFontControls::Button13Click() { chooseFont(1, FontPart::Body); }
void ColourFontControls::Button14Click() { chooseFont(2, FontPart::Body); }

void ColourFontControls::chooseColour(int target) {
  if (!chooseBackgroundColour(cardWindow_.card(), target, *dialogs_)) return;
  if (target != 0) {
    cardWindow_.showFrameStates();
    return;
  }
  cardWindow_.showModel();
  cardWindow_.rpaint();
}

FontButtonServices ColourFontControls::fontServices() {
  return {*dialogs_, cardWindow_.renderContext().prompter, cardWindow_.renderContext().screenMetrics,
          shell_.state().interfaceLanguage, shell_.state().printerExists};
}

void ColourFontControls::chooseFont(int number, FontPart part) {
  const FontButtonOutcome outcome = chooseFrameFont(cardWindow_.card(), number, part, state_, fontServices());
  // Showing the text afresh also collapses both frames' selections, to their start: left at the end,
  // the cursor would scroll the header line out of sight.
  if (outcome.applied) cardWindow_.showModel();
  cardWindow_.showFrameTops();
  if (outcome.warning) showFrameWarning(number, toQString(*outcome.warning));
  redrawTransparentFrames();
}

void ColourFontControls::polices1Click() {
  TForm11 fontOptionsWindow(state_.fontOptions, shell_.state().interfaceLanguage, window_);
  fontOptionsWindow.exec();
}

void ColourFontControls::CheckBox1Click() {
  patternModeWord->setText(
      toQString(setPatternMode(cardWindow_.card(), boxStateOf(patternModeBox->checkState()))));
  cardWindow_.rpaint();
}

void ColourFontControls::checkbox4_click() {
  fillStyleWord->setText(toQString(setFillStyle(cardWindow_.card(), fillStyleBox->isChecked())));
}

void ColourFontControls::CheckBox2Click() { transparencyClick(1, parts_.frame1Transparency->isChecked()); }
void ColourFontControls::CheckBox3Click() { transparencyClick(2, parts_.frame2Transparency->isChecked()); }

void ColourFontControls::transparencyClick(int number, bool transparent) {
  RenderContext context = cardWindow_.renderContext();
  setFrameTransparency(cardWindow_.card(), number, transparent, context);
  // The other frame stays out of the way while the background is drawn again.
  QTextEdit* other = cardWindow_.frameEdit(3 - number);
  const bool otherShown = !transparent && other->isVisible();
  if (otherShown) other->hide();
  // Drawn at once even while the card's repaint is suspended: the box's change is the user's own.
  cardWindow_.drawDecorations();
  if (otherShown) other->show();
  if (!transparent) cardWindow_.frameEdit(number)->show();
}

void ColourFontControls::redrawTransparentFrames() {
  const CardModel& card = cardWindow_.card();
  if (!card.frame(1).frameTransparent && !card.frame(2).frameTransparent) return;
  RenderContext context = cardWindow_.renderContext();
  if (orvane::redrawTransparentFrames(context)) cardWindow_.rpaint();
}

void ColourFontControls::enableTransparency(bool enable) {
  const bool patternShown = cardWindow_.renderer().patternShown;
  for (QCheckBox* box : {parts_.frame1Transparency, parts_.frame2Transparency})
    box->setEnabled(transparencyBoxesEnabled(enable, patternShown, box->isChecked()));
}

void ColourFontControls::showTransparency(bool frame1, bool frame2) {
  parts_.frame1Transparency->setChecked(frame1);
  parts_.frame2Transparency->setChecked(frame2);
}

}  // namespace orvane
