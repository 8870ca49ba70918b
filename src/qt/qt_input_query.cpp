#include "qt/qt_input_query.h"

#include <QInputDialog>
#include <QLineEdit>

#include "qt/qt_text.h"

namespace orvane {

std::optional<std::string> QtInputQuery::ask(const std::string& title, const std::string& prompt,
                                             const std::string& proposed) {
  bool accepted = false;
  const QString answer = QInputDialog::getText(parent_, toQString(title), toQString(prompt),
                                               QLineEdit::Normal, toQString(proposed), &accepted);
  if (!accepted) return std::nullopt;
  return toStdString(answer);
}

}  // namespace orvane
