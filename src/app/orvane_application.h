#pragma once
// The application object: it catches what escapes an event handler and hands it to the error report,
// so that the program goes on.

#include <QApplication>
#include <functional>
#include <string>

namespace orvane {

class OrvaneApplication : public QApplication {
 public:
  using ErrorHandler = std::function<void(const std::string&)>;

  OrvaneApplication(int& argc, char** argv);

  /// Installs the handler for errors no other code handles (`appexception`).
  void setUnhandledErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  ErrorHandler errorHandler_;
};

}  // namespace orvane
