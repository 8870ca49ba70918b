#include "shell/print_shop_export.h"

#include "catalogue/catalogue.h"
#include "render/print_shop_page.h"

namespace orvane {

namespace {
constexpr int messageBleedQuestion = 1182;
constexpr int messageBleedRefused = 1183;
constexpr int messagePrintShopWritten = 1184;
}  // namespace

std::optional<PrintShopExport> askPrintShopExport(FileDialogs& dialogs, InputQuery& query, Prompter& prompter,
                                                  const FileDialogRequest& pdfRequest, Language language) {
  FileDialogRequest request = pdfRequest;
  const std::string title = catalogue::text(language, messagePrintShopExport);
  request.title = title;
  const std::optional<ChosenFile> chosen = dialogs.saveFile(request);
  if (!chosen) return std::nullopt;
  std::string typed = std::to_string(static_cast<int>(defaultBleedMm));
  while (const auto answer = query.ask(title, catalogue::text(language, messageBleedQuestion), typed)) {
    if (const auto bleed = parseBleed(*answer)) return PrintShopExport{chosen->path, *bleed};
    prompter.show(MessageKind::Error, catalogue::text(language, messageBleedRefused));
    typed = *answer;
  }
  return std::nullopt;
}

std::string printShopWrittenMessage(Language language, const std::string& path) {
  return catalogue::text(language, messagePrintShopWritten) + path;
}

}  // namespace orvane
