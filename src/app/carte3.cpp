// The program entry: decides from the command line what to open.
#include <string>
#include <vector>

#include "app/card_editor.h"
#include "app/orvane_application.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_prompter.h"
#include "qt/qt_settings_store.h"
#include "shell/start_argument.h"

int main(int argc, char** argv) {
  using namespace orvane;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const StartKind kind = classifyStartArguments(arguments);
  if (kind == StartKind::Unknown || kind == StartKind::MiniCvFile) return 0;

  OrvaneApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  QtPrompter prompter;
  QtPrinterService printers;
  QtSettingsStore settings;
  CardEditor editor(prompter, printers, settings);
  application.setUnhandledErrorHandler([&editor](const std::string& what) { editor.appexception(what); });
  editor.startCardEditor(kind == StartKind::CardFile ? arguments.front() : std::string());
  editor.runMainWindow();
  return 0;
}
