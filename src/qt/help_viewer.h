#pragma once
// The built-in help document: the user guide in a window of its own, opened at the entry of a help
// context by the Help button of a message box and by F1 in a window.

#include <QDialog>
#include <string>

class QTextBrowser;

namespace orvane {

class HelpViewer : public QDialog {
 public:
  HelpViewer(int entryRow, QWidget* parent);

  /// The row of the guide the viewer was opened at.
  int entryRow() const { return entryRow_; }
  /// The row shown at the top of the text.
  int firstShownRow() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTextBrowser* text_ = nullptr;
  int entryRow_ = 0;
};

/// Opens the help document over `parent` at the entry of `context` (the number that ends
/// `messageText` picks the entry of a numbered message); the viewer closes on its own.
HelpViewer* openHelp(int context, const std::string& messageText, QWidget* parent);

/// Makes F1 in `window` open the help document at `context`.
void installHelpKey(QWidget& window, int context);

}  // namespace orvane
