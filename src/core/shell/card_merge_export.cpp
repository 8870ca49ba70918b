#include "shell/card_merge_export.h"

#include "catalogue/catalogue.h"

namespace orvane {

namespace {
constexpr int messageCsvFilter = 1318;
constexpr int messageMixedQuestion = 1319;
constexpr int messageCardMergeWritten = 1320;
constexpr int messageMissingField = 1321;
constexpr int messageNoRows = 1322;
constexpr int messagePrinterQuestion = 1323;
constexpr int messageColourQuestion = 1324;
constexpr int messageCardMergePrinted = 1325;

// `first`, then one line for each field a row left empty.
std::string withMissingFields(Language language, std::string first,
                              const std::vector<MissingField>& missing) {
  for (const MissingField& field : missing)
    first += "\n" + catalogue::text(language, messageMissingField) + std::to_string(field.row) + " : " +
             field.field;
  return first;
}

}  // namespace

std::optional<CardMergeExport> askCardMergeExport(FileDialogs& dialogs, Prompter& prompter,
                                                  const FileDialogRequest& pdfRequest, bool printerAvailable,
                                                  Language language) {
  const std::string title = catalogue::text(language, messageCardMerge);
  FileDialogRequest dataRequest;
  dataRequest.filter = catalogue::text(language, messageCsvFilter);
  dataRequest.title = title;
  dataRequest.initialFolder = pdfRequest.initialFolder;
  dataRequest.defaultExtension = "csv";
  const std::optional<ChosenFile> data = dialogs.openFile(dataRequest);
  if (!data) return std::nullopt;
  const auto ask = [&](int question) {
    return prompter.show(MessageKind::Confirmation, catalogue::text(language, question), Buttons::YesNoCancel,
                         0, title);
  };
  const Answer mixed = ask(messageMixedQuestion);
  if (mixed == Answer::Cancel) return std::nullopt;
  if (printerAvailable) {
    const Answer printer = ask(messagePrinterQuestion);
    if (printer == Answer::Cancel) return std::nullopt;
    if (printer == Answer::Yes) {
      const Answer colour = ask(messageColourQuestion);
      if (colour == Answer::Cancel) return std::nullopt;
      const PrintMode mode = colour == Answer::Yes ? PrintMode::InColour : PrintMode::BlackAndWhite;
      return CardMergeExport{data->path, {}, mixed == Answer::Yes, mode};
    }
  }
  FileDialogRequest outputRequest = pdfRequest;
  outputRequest.title = title;
  const std::optional<ChosenFile> output = dialogs.saveFile(outputRequest);
  if (!output) return std::nullopt;
  return CardMergeExport{data->path, output->path, mixed == Answer::Yes, std::nullopt};
}

std::string cardMergeWrittenMessage(Language language, const std::string& path,
                                    const std::vector<MissingField>& missing) {
  return withMissingFields(language, catalogue::text(language, messageCardMergeWritten) + path, missing);
}

std::string cardMergePrintedMessage(Language language, const std::string& printer,
                                    const std::vector<MissingField>& missing) {
  return withMissingFields(language, catalogue::text(language, messageCardMergePrinted) + printer, missing);
}

std::string cardMergeNoRowsMessage(Language language, const std::string& path) {
  return catalogue::text(language, messageNoRows) + path;
}

}  // namespace orvane
