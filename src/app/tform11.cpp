#include "app/tform11.h"

#include <QCheckBox>
#include <QPushButton>

#include "catalogue/catalogue.h"
#include "qt/qt_text.h"

namespace orvane {

TForm11::TForm11(FontOptions& options, Language language, QWidget* parent)
    : QDialog(parent), options_(options) {
  setObjectName(QStringLiteral("TForm11"));
  setWindowTitle(toQString(catalogue::text(language, fontOptionsCaption)));
  setFixedSize(220, 230);
  for (std::size_t index = 0; index < boxes_.size(); ++index) {
    const FontOptionBox& place = fontOptionBoxes[index];
    auto* box = new QCheckBox(toQString(std::string(place.caption)), this);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(index + 1));
    box->setToolTip(toQString(std::string(place.hint)));
    box->move(16, 12 + 24 * static_cast<int>(index));
    connect(box, &QCheckBox::clicked, this, [this, index] { checkBoxClick(static_cast<int>(index)); });
    boxes_[index] = box;
  }
  okButton = new QPushButton(QStringLiteral("ok"), this);
  okButton->setObjectName(QStringLiteral("Button1"));
  okButton->setGeometry(72, 192, 75, 25);
  connect(okButton, &QPushButton::clicked, this, &TForm11::Button1Click);
  form11load();
}

void TForm11::form11load() {
  for (std::size_t index = 0; index < boxes_.size(); ++index)
    boxes_[index]->setChecked(options_.has(fontOptionBoxes[index].option));
}

void TForm11::checkBoxClick(int index) {
  const auto at = static_cast<std::size_t>(index);
  options_.set(fontOptionBoxes[at].option, boxes_[at]->isChecked());
}

void TForm11::Button1Click() { close(); }

}  // namespace orvane
