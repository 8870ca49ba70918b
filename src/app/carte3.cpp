// The program entry: decides from the command line what to open.
#include <string>
#include <vector>

#include "app/card_editor.h"
#include "app/ending_signals.h"
#include "app/mini_cv_alone.h"
#include "app/orvane_application.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_prompter.h"
#include "qt/qt_settings_store.h"
#include "shell/start_argument.h"

namespace {

/// Runs the card editor until its main window's modal run ends; returns the signal that ended it, or 0.
int runCardEditor(int& argc, char** argv, const std::string& path) {
  using namespace orvane;
  OrvaneApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  // Declared before the editor, so that the editor and its working-copy folder are gone first.
  EndingSignals endingSignals;
  QtPrompter prompter;
  QtPrinterService printers;
  QtSettingsStore settings;
  CardEditor editor(prompter, printers, settings);
  application.setUnhandledErrorHandler([&editor](const std::string& what) { editor.appexception(what); });
  editor.startCardEditor(path);
  editor.runMainWindow();
  return endingSignals.received();
}

/// Runs the mini-CV editor alone on `path` until it is left; returns the signal that ended it, or 0.
int runMiniCvEditor(int& argc, char** argv, const std::string& path) {
  using namespace orvane;
  OrvaneApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  EndingSignals endingSignals;
  QtPrompter prompter;
  QtPrinterService printers;
  QtSettingsStore settings;
  MiniCvAlone editor(prompter, printers, settings);
  editor.open(path);
  editor.run();
  return endingSignals.received();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orvane;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const StartKind kind = classifyStartArguments(arguments);
  if (kind == StartKind::Unknown) return 0;

  const int endingSignal =
      kind == StartKind::MiniCvFile
          ? runMiniCvEditor(argc, argv, arguments.front())
          : runCardEditor(argc, argv, kind == StartKind::CardFile ? arguments.front() : std::string());
  if (endingSignal != 0) endProcessBy(endingSignal);
  return 0;
}
