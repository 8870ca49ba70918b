#include "app/orvane_application.h"

#include <exception>

namespace orvane {

OrvaneApplication::OrvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("édition de cartes de visite"));
}

bool OrvaneApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    if (!errorHandler_) throw;
    errorHandler_(error.what());
  } catch (...) {
    if (!errorHandler_) throw;
    errorHandler_("unknown error");
  }
  return true;
}

}  // namespace orvane
