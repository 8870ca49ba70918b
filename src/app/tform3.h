#pragma once
// The help window: the user guide in a scrollable box, printed whole or in part, in portrait or
// landscape, with a button that ends the program. Built anew at each request, freed when it closes.

#include <QWidget>
#include <functional>
#include <memory>

#include "secondary/proportional_resize.h"
#include "services/prompter.h"

class QPrinter;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace orvane {

class TForm3 : public QWidget {
 public:
  /// Asks the user for the printer and its settings; false when the user cancels.
  using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

  /// `endProgram` is the main window's own ending, run by "fin programme".
  TForm3(Prompter& prompter, std::function<void()> endProgram, QWidget* parent = nullptr);
  ~TForm3() override;

  /// Creates the window with the guide and shows it, modal.
  static TForm3* formload(Prompter& prompter, std::function<void()> endProgram);

  void Button1Click();  // "ok"
  void Button2Click();  // "imprimer"
  void Button3Click();  // "fin programme"
  void rb1_click();
  void rb2_click();
  void form3_resize();

  QPrinter& printer() { return *printer_; }
  /// The print dialog; a test puts its own here.
  PrintDialog printDialog;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fillGuide();
  void setOrientation();
  void printSelection(const QString& selection);
  WindowSize outerSize() const;

  Prompter& prompter_;
  std::function<void()> endProgram_;
  std::unique_ptr<QPrinter> printer_;
  QTextEdit* RichEdit1 = nullptr;
  QRadioButton* rb1 = nullptr;  // "portrait"
  QRadioButton* rb2 = nullptr;  // "paysage"
  WindowSize sizeReference_;
};

}  // namespace orvane
