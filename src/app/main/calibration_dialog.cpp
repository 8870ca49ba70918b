#include "app/main/calibration_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>

#include "catalogue/catalogue.h"
#include "qt/qt_text.h"

namespace orvane {

namespace {

constexpr int messageTitle = 1250;
constexpr int messageCrossLeft = 1251;
constexpr int messageCrossTop = 1252;
constexpr int messageHorizontalRuler = 1253;
constexpr int messageVerticalRuler = 1254;
constexpr double longestMeasureMm = 300;

QDoubleSpinBox* addMeasure(QDialog& dialog, QFormLayout& form, const std::string& label, double expected,
                           const char* name) {
  auto* box = new QDoubleSpinBox(&dialog);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(0, longestMeasureMm);
  box->setDecimals(2);
  box->setSingleStep(0.1);
  box->setValue(expected);
  form.addRow(toQString(label), box);
  return box;
}

}  // namespace

std::optional<CalibrationMeasures> askCalibrationMeasures(QWidget* parent, Language language) {
  auto text = [language](int id) { return catalogue::text(language, id); };
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("calibrationDialog"));
  dialog.setWindowTitle(toQString(text(messageTitle)));
  auto* form = new QFormLayout(&dialog);
  QDoubleSpinBox* left =
      addMeasure(dialog, *form, text(messageCrossLeft), calibrationCrossInsetMm, "crossLeft");
  QDoubleSpinBox* top = addMeasure(dialog, *form, text(messageCrossTop), calibrationCrossInsetMm, "crossTop");
  QDoubleSpinBox* across =
      addMeasure(dialog, *form, text(messageHorizontalRuler), calibrationRulerMm, "horizontalRuler");
  QDoubleSpinBox* down =
      addMeasure(dialog, *form, text(messageVerticalRuler), calibrationRulerMm, "verticalRuler");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  form->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return CalibrationMeasures{left->value(), top->value(), across->value(), down->value()};
}

}  // namespace orvane
