#include "shell/card_merge_export.h"

#include "catalogue/catalogue.h"

namespace orvane {

namespace {
constexpr int messageCsvFilter = 1318;
constexpr int messageMixedQuestion = 1319;
constexpr int messageCardMergeWritten = 1320;
constexpr int messageMissingField = 1321;
constexpr int messageNoRows = 1322;
}  // namespace

std::optional<CardMergeExport> askCardMergeExport(FileDialogs& dialogs, Prompter& prompter,
                                                  const FileDialogRequest& pdfRequest, Language language) {
  const std::string title = catalogue::text(language, messageCardMerge);
  FileDialogRequest dataRequest;
  dataRequest.filter = catalogue::text(language, messageCsvFilter);
  dataRequest.title = title;
  dataRequest.initialFolder = pdfRequest.initialFolder;
  dataRequest.defaultExtension = "csv";
  const std::optional<ChosenFile> data = dialogs.openFile(dataRequest);
  if (!data) return std::nullopt;
  const Answer mixed =
      prompter.show(MessageKind::Confirmation, catalogue::text(language, messageMixedQuestion),
                    Buttons::YesNoCancel, 0, title);
  if (mixed == Answer::Cancel) return std::nullopt;
  FileDialogRequest outputRequest = pdfRequest;
  outputRequest.title = title;
  const std::optional<ChosenFile> output = dialogs.saveFile(outputRequest);
  if (!output) return std::nullopt;
  return CardMergeExport{data->path, output->path, mixed == Answer::Yes};
}

std::string cardMergeWrittenMessage(Language language, const std::string& path,
                                    const std::vector<MissingField>& missing) {
  std::string message = catalogue::text(language, messageCardMergeWritten) + path;
  for (const MissingField& field : missing)
    message += "\n" + catalogue::text(language, messageMissingField) + std::to_string(field.row) + " : " +
               field.field;
  return message;
}

std::string cardMergeNoRowsMessage(Language language, const std::string& path) {
  return catalogue::text(language, messageNoRows) + path;
}

}  // namespace orvane
