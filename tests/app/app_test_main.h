#pragma once
// Window suites run inside the program's own application object, so that errors escaping a handler
// take the same road as in the editor.

#include <QTest>

#include "app/orvane_application.h"

namespace orvane {

/// Every window suite runs offscreen on one screen of a fixed size and resolution, so that positions
/// and sizes do not depend on the machine: a pop-up near the edge of a small screen, or one made
/// wider by another default font, would be pushed back inside it.
inline void useTheTestScreen() {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ORVANE_APP_TEST_SCREEN);
  for (const char* scaling : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI",
                              "QT_ENABLE_HIGHDPI_SCALING", "QT_USE_PHYSICAL_DPI"})
    qunsetenv(scaling);
}

}  // namespace orvane

#define ORVANE_APP_TEST_MAIN(TestClass)                \
  int main(int argc, char** argv) {                    \
    orvane::useTheTestScreen();                        \
    orvane::OrvaneApplication application(argc, argv); \
    application.setQuitOnLastWindowClosed(false);      \
    TestClass suite;                                   \
    return QTest::qExec(&suite, argc, argv);           \
  }
