#include "app/main/qr_code_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSignalBlocker>

#include "app/tform1.h"
#include "qt/qt_text.h"
#include "shell/qr_controls.h"

namespace orvane {

namespace {

QCheckBox* checkBox(const char* name, const QString& caption, int top, QGroupBox* group) {
  auto* box = new QCheckBox(caption, group);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(7, top, 110, 17);
  return box;
}

}  // namespace

QrCodeControls::QrCodeControls(CardEditorShell& shell, TForm1& cardWindow, QGroupBox* iconGroup,
                               QObject* parent)
    : QObject(parent), shell_(shell), card_(shell.card()), cardWindow_(cardWindow) {
  // Right of the icon's lists and above its previews, in the same style.
  group_ = new QGroupBox(QStringLiteral("QR CODE"), iconGroup);
  group_->setObjectName(QStringLiteral("GroupBox7"));
  group_->setGeometry(142, 8, 124, 126);
  leftBox_ = new OffsetComboBox(qrLeftList, {7, 16, 110, 22}, group_);
  topBox_ = new OffsetComboBox(qrTopList, {7, 40, 110, 22}, group_);
  sizeBox_ = new OffsetComboBox(qrSizeList, {7, 64, 110, 22}, group_);
  shownBox_ = checkBox("CheckBox9", QStringLiteral("afficher"), 88, group_);
  frameColourBox_ = checkBox("CheckBox10", QStringLiteral("couleur cadre 1"), 106, group_);
  connect(leftBox_, &OffsetComboBox::confirmed, this, &QrCodeControls::combobox21keyup);
  connect(topBox_, &OffsetComboBox::confirmed, this, &QrCodeControls::combobox22keyup);
  connect(sizeBox_, &OffsetComboBox::confirmed, this, &QrCodeControls::combobox23keyup);
  connect(shownBox_, &QCheckBox::clicked, this, &QrCodeControls::CheckBox9Click);
  connect(frameColourBox_, &QCheckBox::clicked, this, &QrCodeControls::CheckBox10Click);
  // An accepted contact dialog may hide the code: the boxes follow every showing.
  connect(&cardWindow_, &TForm1::qrCodeShown, this, &QrCodeControls::showState);
  fill(shell_.state().interfaceLanguage);
  showState();
}

void QrCodeControls::fill(Language language) {
  for (OffsetComboBox* list : {leftBox_, topBox_, sizeBox_}) list->fill(language);
}

void QrCodeControls::showState() {
  const QSignalBlocker shownBlocker(shownBox_);
  const QSignalBlocker colourBlocker(frameColourBox_);
  shownBox_->setChecked(card_.contact.qr.shown);
  frameColourBox_->setChecked(card_.contact.qr.colour == QrColour::Frame1);
}

void QrCodeControls::measureKeyUp(ControlList list, const QString& text) {
  if (const SizeWarning warning =
          changeQrMeasure(card_.contact.qr, list, toStdString(text), shell_.state().interfaceLanguage))
    showFrameWarning(1, toQString(*warning));
  cardWindow_.showQrCode();
}

void QrCodeControls::combobox21keyup(const QString& text) { measureKeyUp(qrLeftList, text); }
void QrCodeControls::combobox22keyup(const QString& text) { measureKeyUp(qrTopList, text); }
void QrCodeControls::combobox23keyup(const QString& text) { measureKeyUp(qrSizeList, text); }

void QrCodeControls::CheckBox9Click() {
  card_.contact.qr.shown = shownBox_->isChecked();
  cardWindow_.showQrCode();
}

void QrCodeControls::CheckBox10Click() {
  card_.contact.qr.colour = frameColourBox_->isChecked() ? QrColour::Frame1 : QrColour::Black;
  cardWindow_.showQrCode();
}

}  // namespace orvane
