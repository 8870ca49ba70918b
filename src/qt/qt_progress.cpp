#include "qt/qt_progress.h"

#include <QProgressDialog>
#include <limits>

namespace orvane {

QtProgress::QtProgress(QWidget* parent, QString label) : parent_(parent), label_(std::move(label)) {}

QtProgress::~QtProgress() = default;

bool QtProgress::advance(std::size_t done, std::size_t total) {
  if (!dialog_) {
    dialog_ = std::make_unique<QProgressDialog>(label_, QProgressDialog::tr("Cancel"), 0, 0, parent_);
    dialog_->setObjectName(QStringLiteral("bitmapProgress"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
  }
  // A bar counts in int: a count beyond it is shown in proportion.
  const std::size_t limit = std::numeric_limits<int>::max();
  const std::size_t scale = total > limit ? total / limit + 1 : 1;
  dialog_->setMaximum(static_cast<int>(total / scale));
  // With a modal dialog, setting the value lets the cancel button be pressed.
  dialog_->setValue(static_cast<int>(done / scale));
  return !dialog_->wasCanceled();
}

}  // namespace orvane
