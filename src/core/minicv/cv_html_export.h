#pragma once
// The mini-CV's HTML page: the editor's converter over the sheet, set up with the editor's settings and
// attributes, and the commands of the "HTML" menu and of the "browser" question.

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/language.h"
#include "colour.h"
#include "form/control_tree.h"
#include "html/form2html.h"
#include "services/file_dialogs.h"
#include "services/input_query.h"
#include "services/prompter.h"
#include "services/shell.h"
#include "settings/working_directories.h"

namespace orvane::minicv {

class CvSheet;

/// The attributes the editor gives the sheet's elements, in the converter's "Links" form.
std::string_view cvLinksText();

inline constexpr double defaultEnlargement = 1.5;

/// The enlargement factor an answer gives: 1.1 when it is not a decimal number written with
/// `decimalSeparator`, 1.5 when it lies outside 1.1 to 2.0.
double enlargementFactor(std::string_view answer, char decimalSeparator);

/// The browser family number recorded for an answer to the "browser" question.
int browserFamilyNumber(std::string_view answer);

/// Multiplies the geometry of every control inside `container` (at any depth) by `factor`, rounded.
void scaleControls(ControlTree& tree, ControlId container, double factor);

/// Whether `path` may serve as an export folder: at least three characters naming an existing folder.
bool validFolder(std::string_view path);

/// Where "exporter" writes `fileName`, and where its save dialog opens.
struct ExportTarget {
  std::string path;
  std::string folder;
};

/// The export folder when valid, else the parameters directory when valid, else `rootDirectory`.
ExportTarget exportTarget(std::string_view fileName, std::string_view parametersDirectory,
                          std::string_view exportFolder, std::string_view rootDirectory);

/// The photo as the page written to `pageFile` refers to it: ".\" and its path inside the page's
/// folder, or its whole path when it lies elsewhere.
std::string photoSource(std::string_view photoFile, std::string_view pageFile);

struct CvHtmlServices {
  Prompter& prompter;
  FileDialogs& dialogs;
  Shell& shell;
  WorkingDirectories& directories;
};

class CvHtmlExport {
 public:
  /// The converter over `sheet`, set up as the editor starts: the sheet must still hold its design
  /// values, so that the attributes equal to them go on following the controls.
  CvHtmlExport(CvSheet& sheet, TextMetrics& metrics, Prompter& prompter);

  html::TWHForm2HTML& converter() { return converter_; }
  double factor() const { return factor_; }
  void setFactor(double factor) { factor_ = factor; }
  int browserNumber() const { return browserNumber_; }

  /// "exporter": the page written in the export folder after the user's consent to replace a file;
  /// the target, or nothing when the dialog was cancelled or the page could not be written.
  std::optional<std::string> exporter(const CvHtmlServices& services);
  /// "explorer": the page exported and opened in the browser.
  bool explorer(const CvHtmlServices& services);
  /// The page written to `path` at the current enlargement, without asking anything.
  bool exportTo(const std::string& path);
  /// "chemin d'exportation" after the directory chooser closed: OK stores the chosen folder.
  static void exportpathname(const std::optional<std::string>& chosen, WorkingDirectories& directories);
  /// "facteur agrandissement": asks for the factor, proposing 1.5 written with `decimalSeparator`.
  void facteuragrandissement(InputQuery& query, Language language, char decimalSeparator);
  /// "browser": asks for the browser type and records its family number.
  void browser(InputQuery& query);
  /// The background colour was chosen: the page takes it too.
  void backgroundChosen(Colour colour);
  /// The editor is left: the converter lets go of the sheet.
  void release();

 private:
  // Runs `action` with the sheet enlarged by the factor and spread for the page, and gives the sheet
  // back as it was afterwards.
  template <typename Action>
  auto enlarged(Action action);

  CvSheet& sheet_;
  html::TWHForm2HTML converter_;
  ControlId panel_;
  double factor_ = defaultEnlargement;
  int browserNumber_ = 0;
};

}  // namespace orvane::minicv
