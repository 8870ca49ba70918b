#pragma once
// "Publipostage": the questions the editor asks before printing the cards of a team on a printer or
// into a PDF file, and the message that ends it.

#include <optional>
#include <string>
#include <vector>

#include "card/merge_fields.h"
#include "catalogue/language.h"
#include "render/card_sheet.h"
#include "services/file_dialogs.h"
#include "services/prompter.h"

namespace orvane {

inline constexpr int messageCardMerge = 1317;

struct CardMergeExport {
  std::string dataFile;
  std::string output;  // the PDF file; empty when the cards go to the printer
  bool mixed = false;
  std::optional<PrintMode> printer;  // the cards go to the printer, in this mode
};

/// Asks for the CSV file, whether consecutive rows go on consecutive cards, then, with a printer
/// (`printerAvailable`), whether the cards go to it and in colour or in black and white; otherwise the
/// PDF file (from `pdfRequest`). Nothing when a dialog was cancelled.
std::optional<CardMergeExport> askCardMergeExport(FileDialogs& dialogs, Prompter& prompter,
                                                  const FileDialogRequest& pdfRequest, bool printerAvailable,
                                                  Language language);

/// The line that tells the PDF file was written, then one line for each field a row left empty.
std::string cardMergeWrittenMessage(Language language, const std::string& path,
                                    const std::vector<MissingField>& missing);

/// The same for cards sent to the printer `printer` (empty for a printer that writes a file).
std::string cardMergePrintedMessage(Language language, const std::string& printer,
                                    const std::vector<MissingField>& missing);

/// The line that says the CSV file at `path` cannot be read or holds no data rows.
std::string cardMergeNoRowsMessage(Language language, const std::string& path);

}  // namespace orvane
