#pragma once
// The form-to-HTML converter: it mirrors the controls of one container with an element tree, keeps
// their HTML attributes, and writes them as one page holding one form laid out in a table.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "form/control_tree.h"
#include "html/html_elements.h"
#include "html/links.h"
#include "html/size_table.h"

namespace orvane {
class TextMetrics;
class Prompter;
class FileDialogs;
class Shell;
}  // namespace orvane

namespace orvane::html {

enum class TWHChunkOutputScope { cosAll, cosForm, cosReset };

/// Called around the whole page (with the container and the root) and around every placed control.
using TBARenderingEvent = std::function<void(minicv::ControlId ctl, THControl& hctl)>;
/// May change the markup written for the control.
using TRenderingEvent = std::function<void(minicv::ControlId ctl, THControl& hctl, std::string& output)>;

class TWHForm2HTML {
 public:
  /// A converter owned by the window `owner` of `tree`; its container is that window until told
  /// otherwise. Text is measured with `metrics`; messages go to `prompter`.
  TWHForm2HTML(const minicv::ControlTree& tree, minicv::ControlId owner, TextMetrics& metrics,
               Prompter& prompter);
  ~TWHForm2HTML();
  TWHForm2HTML(const TWHForm2HTML&) = delete;
  TWHForm2HTML& operator=(const TWHForm2HTML&) = delete;

  std::string AlternateFonts;
  THFormElement& Attributes() { return form_; }
  std::string BGColor = "[None]";  // "[None]", "[Same]" (the owner's colour) or a colour as written
  THBrowserFamily BrowserFamily = THBrowserFamily::bfDefault;
  bool ChunkOnly = false;
  std::string ExportFName;
  std::string ExportWHChunkFName;
  bool SetFonts = true;
  bool QualifiedNames = false;
  bool WHChunkDeclaration = true;
  TWHChunkOutputScope WHChunkOutputScope = TWHChunkOutputScope::cosAll;
  TBARenderingEvent OnAfterRendering;
  TBARenderingEvent OnBeforeRendering;
  TRenderingEvent OnRendering;
  /// The picture an image written as a button shows: the mini-CV's photo file.
  std::string PhotoSrc;
  /// The moment written into the page's comment, as the system writes a date and a time.
  std::function<std::string()> clock;

  std::string Version() const { return "1.10"; }
  void SetVersion(const std::string&) {}

  minicv::ControlId MainContainer() const { return mainContainer_; }
  /// Rebuilds the element tree for `container` (the owner window for noControl), keeping the
  /// attribute values of the elements whose names are found in the new tree.
  void SetMainContainer(minicv::ControlId container);
  /// Brings the element tree in step with the controls: new controls get elements with default
  /// attributes, removed ones lose theirs, the others keep their values.
  void Prepare();
  THControl* root() { return root_.get(); }
  THControl* FindByName(std::string_view name);

  /// The attribute values of the form element and of every element, in the written "Links" form.
  std::string WriteLinks();
  /// Applies a "Links" block read back; names not found are passed over. False when malformed.
  bool LoadLinks(std::string_view text);

  /// The whole page, as UTF-8 text.
  std::string Render();
  /// Writes the page to ExportFName in Windows-1252; false (with a message) when it cannot.
  bool ExportToFile();
  /// Asks for the file name first; false when cancelled.
  bool ExportWithDialog(FileDialogs& dialogs);
  /// Exports, then opens the page in the user's browser.
  bool Browse(FileDialogs& dialogs, Shell& shell);

  const minicv::ControlTree& tree() const { return tree_; }
  minicv::ControlId ownerWindow() const { return owner_; }
  const minicv::Control& ownerControl() const { return tree_.at(owner_); }
  const BrowserSizes& sizes() const { return browserSizes(BrowserFamily); }
  TextMetrics& metrics() const { return metrics_; }
  Prompter& prompter() const { return prompter_; }

 private:
  void synchronise(THControl& container, const std::vector<std::vector<minicv::ControlId>>& children);

  const minicv::ControlTree& tree_;
  minicv::ControlId owner_;
  TextMetrics& metrics_;
  Prompter& prompter_;
  THFormElement form_;
  minicv::ControlId mainContainer_ = minicv::noControl;
  std::unique_ptr<THControl> root_;
};

}  // namespace orvane::html
