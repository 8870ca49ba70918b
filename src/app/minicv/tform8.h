#pragma once
// The text view window: shows the tab schema of a zone and waits for "ok".

#include <QDialog>

#include "richtext/rich_text.h"

class QTextEdit;
class QPushButton;

namespace orvane {

class TForm8 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm8(QWidget* parent = nullptr);

  /// The text shown, from its start.
  void setText(const RichText& text);
  QTextEdit* richEdit1() const { return richEdit1_; }
  QPushButton* bitBtn1() const { return bitBtn1_; }

 private:
  QTextEdit* richEdit1_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
};

/// Shows `schema` in a TForm8 over `parent` and returns when it is closed: 1 after "ok".
int showTabSchema(QWidget* parent, const RichText& schema);

}  // namespace orvane
