#pragma once
// The text view window: shows the tab schema of a zone and waits for "ok".

#include <QDialog>
#include <string>
#include <vector>

class QTextEdit;
class QPushButton;

namespace orvane {

class TForm8 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm8(QWidget* parent = nullptr);

  /// The lines shown, one paragraph each.
  void setLines(const std::vector<std::string>& lines);
  QTextEdit* richEdit1() const { return richEdit1_; }
  QPushButton* bitBtn1() const { return bitBtn1_; }

 private:
  QTextEdit* richEdit1_ = nullptr;
  QPushButton* bitBtn1_ = nullptr;
};

/// Shows `lines` in a TForm8 over `parent` and returns when it is closed: 1 after "ok".
int showTabSchema(QWidget* parent, const std::vector<std::string>& lines);

}  // namespace orvane
