#pragma once
// Window suites run inside the program's own application object, so that errors escaping a handler
// take the same road as in the editor.

#include <QTest>

#include "app/orvane_application.h"

#define ORVANE_APP_TEST_MAIN(TestClass)                \
  int main(int argc, char** argv) {                    \
    orvane::OrvaneApplication application(argc, argv); \
    application.setQuitOnLastWindowClosed(false);      \
    TestClass suite;                                   \
    return QTest::qExec(&suite, argc, argv);           \
  }
