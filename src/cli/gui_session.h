#pragma once
// The drawing commands need Qt's fonts and image readers, hence a GUI application; the other commands
// run without one.

#include <functional>

namespace orvane::cli {

/// Runs `command` inside a QGuiApplication on the "offscreen" platform (unless QT_QPA_PLATFORM names
/// another) and returns what it returns.
int withGuiApplication(const std::function<int()>& command);

}  // namespace orvane::cli
