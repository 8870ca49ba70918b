#pragma once
// File dialogs for tests: they record every request and answer with the files queued by the test.

#include <deque>
#include <optional>
#include <vector>

#include "services/file_dialogs.h"

namespace orvane {

class ScriptedFileDialogs : public FileDialogs {
 public:
  /// The files chosen, used in order by open and save dialogs alike; an empty queue, or nothing
  /// queued, answers as a cancelled dialog.
  std::deque<std::optional<ChosenFile>> choices;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;

  /// Queues `path` as the next file chosen, with the dialog's extension check done on it.
  void choose(const std::string& path, std::string_view defaultExtension = "ov1");

  std::optional<ChosenFile> openFile(const FileDialogRequest& request) override;
  std::optional<ChosenFile> saveFile(const FileDialogRequest& request) override;

 private:
  std::optional<ChosenFile> next();
};

}  // namespace orvane
