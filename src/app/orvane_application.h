#pragma once
// The application object: one interface font for every window, Qt's own dialogs and buttons in the
// interface language, and a catch for what escapes an event handler, handed to the error report so
// that the program goes on.

#include <QApplication>
#include <QFont>
#include <QTranslator>
#include <functional>
#include <string>

#include "catalogue/language.h"

namespace orvane {

struct ShellState;

class OrvaneApplication : public QApplication {
 public:
  using ErrorHandler = std::function<void(const std::string&)>;

  OrvaneApplication(int& argc, char** argv);

  /// Installs the handler for errors no other code handles (`appexception`).
  void setUnhandledErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }

  /// Qt's common dialogs and standard buttons speak `language` from now on.
  void speak(Language language);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  ErrorHandler errorHandler_;
  QTranslator qtTexts_;
  bool qtTextsInstalled_ = false;
};

/// The font of every window's captions: the windows were drawn for it.
QFont interfaceFont();

/// Sets the run's interface language: the catalogue's texts and Qt's own dialogs follow it.
void setInterfaceLanguage(ShellState& state, Language language);

}  // namespace orvane
