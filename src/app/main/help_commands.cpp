#include "app/main/help_commands.h"

#include <QAction>
#include <QPointer>

#include "app/tform2.h"
#include "app/tform3.h"
#include "app/tform4.h"
#include "qt/help_viewer.h"

namespace orvane {

namespace {

// The main window names no help context of its own: F1 opens the help document at its start.
constexpr int mainWindowHelpContext = 0;

}  // namespace

void attachHelpCommands(TForm2& window, Prompter& prompter) {
  const HelpMenu& help = window.menus().help;
  QPointer<TForm2> mainWindow(&window);
  QObject::connect(help.assistance, &QAction::triggered, &window, [&prompter, mainWindow] {
    // "fin programme" ends the program the way "Quitter" does, if the main window is still there.
    TForm3::formload(prompter, [mainWindow] {
      if (mainWindow) mainWindow->mquitter_click();
    });
  });
  QObject::connect(help.about, &QAction::triggered, &window, [] { TForm4::formload(); });
  installHelpKey(window, mainWindowHelpContext);
}

}  // namespace orvane
