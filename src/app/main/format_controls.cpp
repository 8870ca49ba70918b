#include "app/main/format_controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/main/main_window_view.h"
#include "app/main/offset_combo_box.h"
#include "app/tform1.h"
#include "catalogue/catalogue.h"
#include "qt/qt_text.h"

namespace orvane {

namespace {

constexpr int fitA4Caption = 1003;

}  // namespace

FormatControls::FormatControls(CardEditorShell& shell, TForm1& cardWindow, MainWindowView& mainWindow,
                               QGroupBox* cardGroup)
    : QObject(cardGroup), shell_(shell), cardWindow_(cardWindow), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("formatControls"));
  formatList = new QComboBox(cardGroup);
  formatList->setObjectName(QStringLiteral("ComboBox16"));
  formatList->setGeometry(6, 90, 130, 22);
  // A typed text is read as it is, never kept as an item.
  formatList->setEditable(true);
  formatList->setInsertPolicy(QComboBox::NoInsert);
  connect(formatList, &QComboBox::currentTextChanged, this, &FormatControls::ComboBox16Change);

  orientationList = new OffsetComboBox(ControlList::orientationList, {6, 114, 130, 22}, cardGroup);
  connect(orientationList, &OffsetComboBox::confirmed, this, &FormatControls::combobox20keyup);

  fitA4Button = new QPushButton(cardGroup);
  fitA4Button->setObjectName(QStringLiteral("Button3"));
  fitA4Button->setGeometry(6, 140, 130, 24);
  connect(fitA4Button, &QPushButton::clicked, this, &FormatControls::Button3Click);

  fill(shell_.state().interfaceLanguage);
}

void FormatControls::fill(Language language) {
  {
    // Refilling the formats list is no choice of the user's: the card must not follow it.
    const QSignalBlocker quiet(formatList);
    const ItemList formats = controlList(ControlList::formatList, language);
    formatList->clear();
    for (const std::string& item : formats.items) formatList->addItem(toQString(item));
    formatList->setCurrentIndex(formats.shown);
  }
  orientationList->fill(language);
  fitA4Button->setText(toQString(catalogue::text(language, fitA4Caption)));
}

QString FormatControls::orientationListText() const { return orientationList->currentText(); }

void FormatControls::ComboBox16Change(const QString& text) {
  const ControlFollowUp followUp =
      chooseStandardFormat(shell_, cardWindow_.card(), state_, toStdString(text));
  fitA4Button->setEnabled(state_.fitA4Enabled);
  showCard(followUp);
}

void FormatControls::combobox20keyup(const QString& text) {
  const OrientationConfirmed confirmed =
      confirmOrientation(shell_, cardWindow_.card(), state_, toStdString(text));
  // The card group has no warning line of its own: the first frame's line tells.
  if (confirmed.warning) showFrameWarning(1, toQString(*confirmed.warning));
  showCard(confirmed.followUp);
}

void FormatControls::Button3Click() {
  if (fitCardToA4(cardWindow_.card(), state_)) showCard({});
}

void FormatControls::showCard(const ControlFollowUp& followUp) {
  cardWindow_.showModel();
  // The transparent frames show the card under them: drawn again once the card has its new shape.
  if (followUp.redrawTransparentFrames) mainWindow_.redrawTransparentFrames();
  if (followUp.placeBesideCard) mainWindow_.placeMainWindowBesideCard();
}

}  // namespace orvane
