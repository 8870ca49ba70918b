#pragma once
// The one-line question as Qt's standard text input box.

#include "services/input_query.h"

class QWidget;

namespace orvane {

class QtInputQuery : public InputQuery {
 public:
  explicit QtInputQuery(QWidget* parent) : parent_(parent) {}

  std::optional<std::string> ask(const std::string& title, const std::string& prompt,
                                 const std::string& proposed) override;

 private:
  QWidget* parent_;
};

}  // namespace orvane
