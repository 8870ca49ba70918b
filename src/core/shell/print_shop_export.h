#pragma once
// "Exporter pour l'imprimeur" of the "fichier" menu: the PDF file and the bleed the user asks for.

#include <optional>
#include <string>

#include "catalogue/language.h"
#include "services/file_dialogs.h"
#include "services/input_query.h"
#include "services/prompter.h"
#include "shell/card_file_commands.h"

namespace orvane {

/// The catalogue id of the command's caption, which also titles its questions.
inline constexpr int messagePrintShopExport = 1181;

struct PrintShopExport {
  std::string output;  // the PDF file to write
  double bleedMm = 0;
};

/// Asks for the PDF file (as "Exporter en PDF" does) and then for the bleed, 3 mm proposed; a bleed
/// outside 0 to 5 mm is refused with a message and asked again. Nothing when the user cancels.
std::optional<PrintShopExport> askPrintShopExport(FileDialogs& dialogs, InputQuery& query, Prompter& prompter,
                                                  const FileDialogRequest& pdfRequest, Language language);

/// The message that tells which file the print-shop PDF went to.
std::string printShopWrittenMessage(Language language, const std::string& path);

}  // namespace orvane
