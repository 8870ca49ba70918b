#pragma once
// The mini-CV editor's "HTML" menu and its "browser" option: the core's commands over the editor's
// converter, with the directory chooser and the user's decimal notation of this system.

#include <functional>
#include <optional>
#include <string>

#include "minicv/cv_html_export.h"

namespace orvane {

class TForm7;

struct CvHtmlMenuServices {
  Prompter& prompter;
  FileDialogs& dialogs;
  InputQuery& query;
  Shell& shell;
  WorkingDirectories& directories;
  TextMetrics& metrics;
};

class CvHtmlMenu {
 public:
  /// Sets the converter up over `editor`'s sheet, which must still hold its design values, and
  /// connects the menu items.
  CvHtmlMenu(TForm7& editor, const CvHtmlMenuServices& services);

  minicv::CvHtmlExport& exporter() { return export_; }
  /// Replaces the directory chooser of "chemin d'exportation" (tests script it).
  void setChooser(std::function<std::optional<std::string>(const std::string&)> chooser) {
    chooser_ = std::move(chooser);
  }

  void browse1Click();
  void export1Click();
  void exportpathname1Click();
  void facteuragrandissement1Click();
  void browser1Click();

 private:
  // Runs `command` with the editor hidden, as the sheet is enlarged meanwhile.
  template <typename Command>
  void hidden(Command command);

  TForm7& editor_;
  CvHtmlMenuServices services_;
  minicv::CvHtmlExport export_;
  std::function<std::optional<std::string>(const std::string&)> chooser_;
};

}  // namespace orvane
