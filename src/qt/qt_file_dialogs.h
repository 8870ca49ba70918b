#pragma once
// The open and save dialogs as Qt file dialogs over a window.

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <string_view>

#include "services/file_dialogs.h"

namespace orvane {

class QtFileDialogs : public FileDialogs {
 public:
  /// The dialogs open over `parent` (none: a window of their own).
  void setParent(QWidget* parent) { parent_ = parent; }

  std::optional<ChosenFile> openFile(const FileDialogRequest& request) override;
  std::optional<ChosenFile> saveFile(const FileDialogRequest& request) override;

 private:
  QPointer<QWidget> parent_;
};

/// `filter` in "text|*.ext|" form as a Qt name filter list: "text (*.ext)".
QStringList qtNameFilters(std::string_view filter);

}  // namespace orvane
