#pragma once
// The card editor started the way the entry starts it, over scripted services, for the window suites.

#include <QCoreApplication>
#include <QStringList>
#include <memory>
#include <string>

#include "app/card_editor.h"
#include "support/scripted_services.h"

struct EditorUnderTest {
  std::unique_ptr<orvane::ScriptedPrompter> prompter;
  std::unique_ptr<orvane::ScriptedPrinterService> printers;
  orvane::ScriptedSettingsStore settings;
  std::unique_ptr<orvane::CardEditor> editor;

  /// Starts the editor with `printerCount` printers and the card file `path` (none when empty), and
  /// shows the main window.
  void start(int printerCount, const std::string& path = {}) {
    stop();
    prompter = std::make_unique<orvane::ScriptedPrompter>();
    printers = std::make_unique<orvane::ScriptedPrinterService>(
        orvane::ScriptedPrinterService::withPrinters(printerCount));
    editor = std::make_unique<orvane::CardEditor>(*prompter, *printers, settings);
    editor->startCardEditor(path);
    editor->mainWindow()->show();
  }

  /// Ends the editor and lets the windows it freed go.
  void stop() {
    editor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  /// The message box texts shown so far, in order.
  QStringList shownTexts() const {
    QStringList texts;
    for (const auto& text : prompter->texts()) texts << QString::fromStdString(text);
    return texts;
  }
};
