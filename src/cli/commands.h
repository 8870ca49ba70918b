#pragma once
// The subcommands of orvane-cli. Each returns the process exit code: 0 on success, 1 when a lookup
// finds nothing, 2 with one line on stderr on bad input.

#include <optional>
#include <string>
#include <vector>

namespace orvane::cli {

using Arguments = std::vector<std::string>;

int catalogueCommand(const Arguments& args);
int startCardCommand(const Arguments& args);
int cardDumpCommand(const Arguments& args);
int cardSaveCommand(const Arguments& args);
int rtfDumpCommand(const Arguments& args);
int rtfWriteCommand(const Arguments& args);
int cardSheetCommand(const Arguments& args);
int cardMergeCommand(const Arguments& args);
int cardPngCommand(const Arguments& args);
int cardPdfCommand(const Arguments& args);
int cardEditCommand(const Arguments& args);
int cardVcardCommand(const Arguments& args);
int cvLayoutCommand(const Arguments& args);
int cvCheckCommand(const Arguments& args);
int printersCommand(const Arguments& args);
int cardAuditCommand(const Arguments& args);
int cardPrintCommand(const Arguments& args);
int bmpCheckCommand(const Arguments& args);
int formHtmlCommand(const Arguments& args);
int cvDumpCommand(const Arguments& args);
int cvSaveCommand(const Arguments& args);
int cvSheetCommand(const Arguments& args);
int cvTestPrintCommand(const Arguments& args);
int cvHtmlCommand(const Arguments& args);
int templatesCommand(const Arguments& args);
int cardCalibrationCommand(const Arguments& args);
int cvToJsonCommand(const Arguments& args);
int cvFromJsonCommand(const Arguments& args);

/// Writes `message` as one line on stderr, its control bytes escaped.
void printNote(const std::string& message);
/// The error line when `output` names the file `input` (through a link or another spelling too): a
/// command never writes over its own input.
std::optional<std::string> outputOverInput(const std::string& input, const std::string& output);
/// Writes `message` as one line on stderr and returns 2.
int usageError(const std::string& message);

}  // namespace orvane::cli
