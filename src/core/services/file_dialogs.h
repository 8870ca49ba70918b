#pragma once
// The open and save dialogs. The Qt layer shows real dialogs; tests script the files chosen.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

/// What a file dialog shows when it opens.
struct FileDialogRequest {
  std::string filter;            // "text|*.ext|text|*.ext": pairs of a caption and its patterns
  std::string title;             // empty: the dialog's own title
  std::string initialFolder;     // where the dialog opens
  std::string initialName;       // the file name proposed, empty for none
  std::string defaultExtension;  // without its dot; added to a name typed without an extension
  int filterIndex = 0;           // the filter entry selected when the dialog opens, counted from 0
  bool picturePreview = false;   // the file under the cursor is shown as a picture beside the list
};

/// The file the user chose.
struct ChosenFile {
  std::string path;
  bool extensionDiffers = false;  // the name was typed with an extension other than the default one
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  /// Asks for an existing file to read; nothing when the dialog was cancelled.
  virtual std::optional<ChosenFile> openFile(const FileDialogRequest& request) = 0;
  /// Asks for a file to write; nothing when the dialog was cancelled.
  virtual std::optional<ChosenFile> saveFile(const FileDialogRequest& request) = 0;
};

/// One entry of a dialog's filter: its caption and its patterns ("*.ov1", "*.ov?;*.ov??").
struct FileFilter {
  std::string caption;
  std::string patterns;
  bool operator==(const FileFilter&) const = default;
};

/// The entries of a filter in "text|*.ext|" form; a caption without patterns is dropped.
std::vector<FileFilter> parseFileFilter(std::string_view filter);

/// Whether the file name of `path` carries an extension other than `defaultExtension` (compared
/// without regard to case); a name without an extension takes the default one, so it does not differ.
bool extensionDiffers(std::string_view path, std::string_view defaultExtension);

}  // namespace orvane
