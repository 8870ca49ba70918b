#include "cli/gui_session.h"

#include <QGuiApplication>

namespace orvane::cli {

namespace {

// A command's stderr carries its own error line only; Qt's notes about the platform stay out of it.
void dropQtNotes(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int withGuiApplication(const std::function<int()>& command) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(dropQtNotes);
  static char name[] = "orvane-cli";
  static char* arguments[] = {name, nullptr};
  int count = 1;
  const QGuiApplication application(count, arguments);
  return command();
}

}  // namespace orvane::cli
