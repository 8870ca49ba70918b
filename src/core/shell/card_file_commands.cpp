#include "shell/card_file_commands.h"

#include <filesystem>
#include <system_error>

#include "cardfile/card_file_writer.h"
#include "cardfile/save_name.h"
#include "catalogue/catalogue.h"
#include "contact/contact_file.h"
#include "shell/open_card_file.h"
#include "text/file_path.h"

namespace orvane {

namespace {

constexpr std::string_view defaultExtension = "ov1";
constexpr std::string_view standardExtension = ".ov1";
constexpr std::string_view fileKind = "carte";
constexpr std::string_view saveFilter =
    "fichiers Orvane 1|*.ov1|fichiers texte|*.txt|fichiers non définis|*.*";
constexpr std::string_view saveTitle = "définir le fichier paramêtre de la carte : ";
constexpr std::string_view openFilter =
    "fichiers Orvane 1|*.ov1|fichiers Orvane 2|*.ov?|fichiers Orvane 3|*.ov??";

constexpr int messageCloseCardAccess = 172;
constexpr int messageContactNotSaved = 1315;

// The export has no catalogue entry: its texts are the same in every interface language.
constexpr std::string_view pdfFilter = "fichiers PDF|*.pdf";
constexpr std::string_view pdfTitle = "Exporter en PDF";
constexpr std::string_view pdfWritten = "Orvane : la planche de cartes a été écrite dans le fichier ";

bool fileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(nativePath(path), error);
}

}  // namespace

FileDialogRequest pdfExportRequest(const CardFileSession& session, const WorkingDirectories& directories) {
  FileDialogRequest request;
  request.filter = pdfFilter;
  request.title = pdfTitle;
  request.initialFolder = directories.directory(SettingKind::ParametersDirectory);
  if (!session.cardFilePath.empty())
    request.initialName = pathWithoutExtension(session.cardFilePath) + ".pdf";
  request.defaultExtension = "pdf";
  return request;
}

std::string pdfWrittenMessage(const std::string& path) { return std::string(pdfWritten) + path; }

SavedCardFile saveCardFileAs(const CardModel& card, const ChosenFile& chosen, int screenResolution,
                             CompanionFiles& companions, Language language, Prompter& prompter) {
  SavedCardFile outcome;
  const SaveNameRequest request{chosen.path, std::string(standardExtension), std::string(fileKind),
                                chosen.extensionDiffers};
  const std::optional<SaveName> name = resolveSaveName(request, language, prompter);
  if (!name) return outcome;
  outcome.parametersDirectory = name->folder;
  if (!frameTextNamesRecordable(name->companionBase)) {
    prompter.show(MessageKind::Error, unrecordableNameMessage(language, chosen.path));
    return outcome;
  }
  if (const FileStatus written = writeCardFile(card, name->target, name->companionBase, screenResolution);
      !written.ok()) {
    // The chosen file, if there was one, is still whole: nothing else is touched.
    outcome.error = written.error;
    return outcome;
  }
  outcome.saved = true;
  outcome.path = name->target;
  saveFrameTexts(card, name->target, name->companionBase, companions, language, prompter);
  if (!saveContactBeside(card.contact, name->target, name->companionBase).ok())
    prompter.show(MessageKind::Plain,
                  catalogue::text(language, messageContactNotSaved) + contactFileName(name->companionBase));
  if (name->mode == SaveMode::Replace && replaceWithNewFile(chosen.path, name->target, language, prompter))
    outcome.path = chosen.path;
  return outcome;
}

SavedCardFile saveCardFileCommand(const CardModel& card, const CardFileSession& session, int screenResolution,
                                  Language language, const CardFileServices& services) {
  if (card.cardAccess) {
    services.prompter.show(MessageKind::Confirmation, catalogue::text(language, messageCloseCardAccess),
                           Buttons::OkCancel);
    return {};
  }
  FileDialogRequest request;
  request.filter = saveFilter;
  request.title = saveTitle;
  request.initialFolder = services.directories.directory(SettingKind::ParametersDirectory);
  request.initialName = session.cardFilePath;
  request.defaultExtension = defaultExtension;
  const std::optional<ChosenFile> chosen = services.dialogs.saveFile(request);
  if (!chosen) return {};

  SavedCardFile outcome =
      saveCardFileAs(card, *chosen, screenResolution, services.companions, language, services.prompter);
  if (outcome.parametersDirectory)
    services.directories.remember(SettingKind::ParametersDirectory, *outcome.parametersDirectory);
  return outcome;
}

LoadedCardFileView loadCardFileCommand(CardModel& card, CardFileSession& session,
                                       const LoadCommandInput& input, const CardFileServices& services,
                                       CardEditorShell& shell, RendererState* pictures) {
  FileDialogRequest request;
  request.filter = openFilter;
  request.initialFolder = services.directories.directory(SettingKind::ParametersDirectory);
  request.defaultExtension = defaultExtension;
  const std::optional<ChosenFile> chosen = services.dialogs.openFile(request);
  LoadedCardFileView view;
  if (!chosen || !fileExists(chosen->path)) return view;
  view.chosen = true;
  view.clearIconPreviews = session.cardFileLoaded;

  CardFileOpening opening;
  opening.screenResolution = input.screenResolution;
  opening.trackBarTop = input.trackBarTop;
  opening.request = CardFileRequest::LoadCommand;
  opening.language = shell.state().interfaceLanguage;
  opening.cardFileLoadedBefore = session.cardFileLoaded;
  const OpenedCardFile opened =
      openCardFile(card, chosen->path, opening, services.companions, services.prompter, pictures);

  // T1 and T2 follow the pattern shown, whether or not this file could be read.
  view.transparencyEnabled = !card.patternFile.empty();
  if (!opened.loaded) return view;
  view.loaded = true;
  view.showTransparency = true;
  view.caption = pathWithoutExtension(chosen->path);
  session.cardFilePath = chosen->path;
  session.cardFileLoaded = true;
  shell.state().anythingLoaded = true;
  if (opened.decorationsNamed) shell.cardWindow().decorationsPresent = true;
  return view;
}

}  // namespace orvane
