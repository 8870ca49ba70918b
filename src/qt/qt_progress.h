#pragma once
// A long run's progress in a modal progress dialog whose cancel button asks the run to stop.

#include <QPointer>
#include <QString>
#include <memory>

#include "services/progress.h"

class QProgressDialog;
class QWidget;

namespace orvane {

class QtProgress : public Progress {
 public:
  /// The dialog opens over `parent` with `label` at the first step, and closes with this object.
  QtProgress(QWidget* parent, QString label);
  ~QtProgress() override;

  bool advance(std::size_t done, std::size_t total) override;
  /// The dialog, once the run has started.
  QProgressDialog* dialog() const { return dialog_.get(); }

 private:
  QPointer<QWidget> parent_;
  QString label_;
  std::unique_ptr<QProgressDialog> dialog_;
};

}  // namespace orvane
