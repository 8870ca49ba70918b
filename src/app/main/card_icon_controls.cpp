#include "app/main/card_icon_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>

#include "app/tform1.h"
#include "catalogue/catalogue.h"
#include "qt/qt_text.h"

namespace orvane {

namespace {
constexpr int hintReset = 1036;
constexpr int titleOrientation = 1031;
}  // namespace

CardIconControls::CardIconControls(CardModel& card, CardEditorShell& shell, TForm1& cardWindow, Places places,
                                   QObject* parent)
    : QObject(parent), card_(card), shell_(shell), cardWindow_(cardWindow), places_(std::move(places)) {
  QGroupBox* cardGroup = places_.cardGroup;
  QGroupBox* iconGroup = places_.iconGroup;
  cardWidthBox = new OffsetComboBox(cardWidthList, {6, 18, 110, 22}, cardGroup);
  cardLengthBox = new OffsetComboBox(cardLengthList, {6, 42, 110, 22}, cardGroup);
  spacingBox = new OffsetComboBox(spacingList, {6, 66, 110, 22}, cardGroup);
  spacingBox->setToolTip(QStringLiteral("Ecartement entre les cartes à l'impression "));
  cardWidthReset = resetBox(ResetBox::cardWidth, cardGroup, {120, 20});
  cardLengthReset = resetBox(ResetBox::cardLength, cardGroup, {120, 44});
  iconWidthBox = new OffsetComboBox(iconWidthList, {6, 18, 110, 22}, iconGroup);
  iconLengthBox = new OffsetComboBox(iconLengthList, {6, 42, 110, 22}, iconGroup);
  iconMarginBox = new OffsetComboBox(iconMarginList, {6, 66, 110, 22}, iconGroup);
  iconTopBox = new OffsetComboBox(iconTopList, {6, 90, 110, 22}, iconGroup);
  iconMarginReset = resetBox(ResetBox::iconMargin, iconGroup, {120, 68});
  iconTopReset = resetBox(ResetBox::iconTop, iconGroup, {120, 92});

  connect(cardWidthBox, &OffsetComboBox::confirmed, this, &CardIconControls::combobox18keyup);
  connect(cardLengthBox, &OffsetComboBox::confirmed, this, &CardIconControls::combobox19keyup);
  connect(spacingBox, &OffsetComboBox::confirmed, this, &CardIconControls::combobox12keyup);
  connect(iconWidthBox, &OffsetComboBox::confirmed, this, &CardIconControls::combobox9keyup);
  connect(iconLengthBox, &OffsetComboBox::confirmed, this, &CardIconControls::combobox10keyup);
  connect(iconMarginBox, &OffsetComboBox::confirmed, this, &CardIconControls::combobox17keyup);
  connect(iconTopBox, &OffsetComboBox::confirmed, this, &CardIconControls::combobox11keyup);
  connect(cardWidthReset, &QCheckBox::clicked, this, &CardIconControls::CheckBox5Click);
  connect(cardLengthReset, &QCheckBox::clicked, this, &CardIconControls::CheckBox6Click);
  connect(iconMarginReset, &QCheckBox::clicked, this, &CardIconControls::CheckBox7Click);
  connect(iconTopReset, &QCheckBox::clicked, this, &CardIconControls::CheckBox8Click);
  // The bar takes its range before it is connected: the position that change gives it is no user's,
  // and must not move the card from where it starts.
  places_.verticalShiftSlider->setRange(1, 100);
  connect(places_.verticalShiftSlider, &QSlider::valueChanged, this, &CardIconControls::tb1_change);
  fill(shell_.state().interfaceLanguage);
}

QCheckBox* CardIconControls::resetBox(ResetBox which, QGroupBox* group, QPoint at) {
  auto* box = new QCheckBox(group);
  box->setObjectName(QStringLiteral("CheckBox%1").arg(static_cast<int>(which)));
  box->move(at);
  return box;
}

void CardIconControls::fill(Language language) {
  for (OffsetComboBox* list :
       {cardWidthBox, cardLengthBox, spacingBox, iconWidthBox, iconLengthBox, iconMarginBox, iconTopBox})
    list->fill(language);
  const QString resetHint = toQString(catalogue::text(language, hintReset));
  for (QCheckBox* box : {cardWidthReset, cardLengthReset, iconMarginReset, iconTopReset})
    box->setToolTip(resetHint);
}

void CardIconControls::cardSizeKeyUp(ControlList list, const QString& text) {
  const QString orientation =
      places_.orientationShown
          ? places_.orientationShown()
          : toQString(catalogue::text(shell_.state().interfaceLanguage, titleOrientation));
  const CardSizeChange change =
      changeCardSize(card_, shell_, list, toStdString(text), toStdString(orientation));
  showSizeWarning(change.warning);
  showCardSize();
}

void CardIconControls::showSizeWarning(const SizeWarning& warning) {
  // The card and icon groups have no warning line of their own: the first frame's line tells.
  if (warning) showFrameWarning(1, toQString(*warning));
}

void CardIconControls::showCardSize() { cardWindow_.showCardSize(); }

void CardIconControls::combobox18keyup(const QString& text) { cardSizeKeyUp(cardWidthList, text); }
void CardIconControls::combobox19keyup(const QString& text) { cardSizeKeyUp(cardLengthList, text); }

void CardIconControls::combobox12keyup(const QString& text) {
  changeSpacing(card_, shell_, toStdString(text));
}

void CardIconControls::iconKeyUp(ControlList list, const QString& text) {
  const IconChange change = changeIcon(card_, shell_, list, toStdString(text));
  showSizeWarning(change.warning);
  cardWindow_.showIconChange(change.iconMoved);
}

void CardIconControls::combobox9keyup(const QString& text) { iconKeyUp(iconWidthList, text); }
void CardIconControls::combobox10keyup(const QString& text) { iconKeyUp(iconLengthList, text); }
void CardIconControls::combobox17keyup(const QString& text) { iconKeyUp(iconMarginList, text); }
void CardIconControls::combobox11keyup(const QString& text) { iconKeyUp(iconTopList, text); }

void CardIconControls::resetClick(QCheckBox* box, ResetBox which) {
  const ResetOutcome outcome = resetToDesign(card_, which, box->isChecked());
  if (outcome.uncheck) {
    box->setChecked(false);
    showCardSize();
  }
  if (outcome.iconMoved) cardWindow_.showIconChange(true);
}

void CardIconControls::CheckBox5Click() { resetClick(cardWidthReset, ResetBox::cardWidth); }
void CardIconControls::CheckBox6Click() { resetClick(cardLengthReset, ResetBox::cardLength); }
void CardIconControls::CheckBox7Click() { resetClick(iconMarginReset, ResetBox::iconMargin); }
void CardIconControls::CheckBox8Click() { resetClick(iconTopReset, ResetBox::iconTop); }

void CardIconControls::tb1_change() {
  QSlider* bar = places_.verticalShiftSlider;
  const QScreen* screen = cardWindow_.screen() ? cardWindow_.screen() : QGuiApplication::primaryScreen();
  const TrackBarOutcome outcome =
      orvane::tb1_change(card_, shell_.cardWindow(), cardWindow_.isVisible(),
                         {bar->value(), bar->minimum(), bar->maximum()}, screen->geometry().height());
  if (outcome.snapBack) {
    const QSignalBlocker blocker(bar);
    bar->setValue(1);
  }
  if (outcome.cardMoved) cardWindow_.move(cardWindow_.x(), card_.cardTop);
}

}  // namespace orvane
