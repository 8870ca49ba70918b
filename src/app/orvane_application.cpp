#include "app/orvane_application.h"

#include <QLibraryInfo>
#include <exception>

#include "shell/card_editor_shell.h"

namespace orvane {

QFont interfaceFont() {
  // The windows' places and sizes were drawn in pixels for the 8-point system dialog font (13 pixels
  // high, 6 wide on average): Liberation Sans at 8 points has those metrics and comes with the
  // program's packages, so every machine shows the same captions in the same room. A size in points,
  // not pixels, keeps a text printed in the windows' font readable on paper.
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  return font;
}

OrvaneApplication::OrvaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(QStringLiteral("édition de cartes de visite"));
  setFont(interfaceFont());
  speak(Language::French);
}

void OrvaneApplication::speak(Language language) {
  if (qtTextsInstalled_) removeTranslator(&qtTexts_);
  qtTextsInstalled_ = false;
  // Qt's own texts are English: only the other languages need its translations.
  if (language == Language::English) return;
  const std::string_view code = languageCode(language);
  const QString name = QStringLiteral("qt_") + QString::fromLatin1(code.data(), qsizetype(code.size()));
  if (qtTexts_.load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    qtTextsInstalled_ = installTranslator(&qtTexts_);
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

void setInterfaceLanguage(ShellState& state, Language language) {
  state.interfaceLanguage = language;
  if (auto* application = dynamic_cast<OrvaneApplication*>(QCoreApplication::instance()))
    application->speak(language);
}

}  // namespace orvane
