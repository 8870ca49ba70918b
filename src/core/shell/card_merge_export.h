#pragma once
// "Publipostage": the questions the editor asks before printing the cards of a team into a PDF file,
// and the message that ends it.

#include <optional>
#include <string>
#include <vector>

#include "card/merge_fields.h"
#include "catalogue/language.h"
#include "services/file_dialogs.h"
#include "services/prompter.h"

namespace orvane {

inline constexpr int messageCardMerge = 1317;

struct CardMergeExport {
  std::string dataFile;
  std::string output;
  bool mixed = false;
};

/// Asks for the CSV file, whether consecutive rows go on consecutive cards, and the PDF file (from
/// `pdfRequest`); nothing when a dialog was cancelled.
std::optional<CardMergeExport> askCardMergeExport(FileDialogs& dialogs, Prompter& prompter,
                                                  const FileDialogRequest& pdfRequest, Language language);

/// The line that tells the PDF file was written, then one line for each field a row left empty.
std::string cardMergeWrittenMessage(Language language, const std::string& path,
                                    const std::vector<MissingField>& missing);

/// The line that says the CSV file at `path` cannot be read or holds no data rows.
std::string cardMergeNoRowsMessage(Language language, const std::string& path);

}  // namespace orvane
