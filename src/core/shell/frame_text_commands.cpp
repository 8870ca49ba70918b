#include "shell/frame_text_commands.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "cardfile/save_name.h"
#include "catalogue/catalogue.h"
#include "richtext/rtf_writer.h"
#include "richtext/text_file_content.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane {

namespace {

constexpr std::string_view loadFilter = "fichiers doc|*.doc|fichiers RTF|*.rtf|fichiers texte|*.txt|";
constexpr int loadFilterTextFiles = 2;
constexpr std::string_view saveFilter = "fichiers texte|*.txt|fichiers rich text|*.rtf";
constexpr std::string_view textExtension = "txt";
constexpr std::string_view derivedExtension = ".txt";
constexpr std::string_view textFileKind = "texte";

constexpr int messageInvalidFile = 1137;
constexpr int messageFileExists = 1143;
constexpr int messageUnusualExtension = 1144;

bool fileExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::exists(nativePath(path), error);
}

// The frame's text as the file's bytes give it; nothing when the file cannot be read or is not text.
std::optional<RichText> readFrameTextFile(const std::string& path, const RichText& current) {
  const std::optional<std::string> bytes = readFileBytes(nativePath(path));
  if (!bytes) return std::nullopt;
  return richTextIn(current, *bytes);
}

}  // namespace

int frameOfTextEntry(std::string_view entryName) {
  return entryName == "charger2" || entryName == "sauvegarder2" ? 2 : 1;
}

bool loadFrameText(CardModel& card, int number, ShellState& state, const ElementServices& services) {
  FileDialogRequest request;
  request.filter = loadFilter;
  request.filterIndex = loadFilterTextFiles;
  request.initialFolder = services.directories.directory(SettingKind::TextsDirectory);
  FrameModel& frame = card.frame(number);
  for (;;) {
    const std::optional<ChosenFile> chosen = services.dialogs.openFile(request);
    if (!chosen) return false;
    // A file that went away after it was chosen is said so, rather than reopening the dialog silently.
    if (!fileExists(chosen->path)) {
      services.prompter.show(MessageKind::Plain,
                             catalogue::fileNotAccessible(services.language, chosen->path));
      continue;
    }
    if (std::optional<RichText> text = readFrameTextFile(chosen->path, frame.text)) {
      frame.text = std::move(*text);
      frame.frameTextFile = chosen->path;
      // The text is now the file's: a card file saved over that very file need not write it again.
      frame.modified = false;
      state.anythingLoaded = true;
      return true;
    }
    if (services.prompter.show(MessageKind::Confirmation,
                               catalogue::text(services.language, messageInvalidFile),
                               Buttons::YesNo) != Answer::Yes)
      return false;
  }
}

std::string derivedTextName(std::string_view chosenPath) {
  std::string stem = folderOf(chosenPath) + companionBaseOf(chosenPath);
  while (!stem.empty() && static_cast<unsigned char>(stem.back()) <= ' ') stem.pop_back();
  for (long long index = 1;; ++index) {
    std::string candidate = stem + std::to_string(index) + std::string(derivedExtension);
    if (!fileExists(candidate)) return candidate;
  }
}

SavedFrameText saveFrameText(const CardModel& card, int number, const ElementServices& services) {
  FileDialogRequest request;
  request.filter = saveFilter;
  request.defaultExtension = textExtension;
  request.initialFolder = services.directories.directory(SettingKind::TextsDirectory);
  const std::optional<ChosenFile> chosen = services.dialogs.saveFile(request);
  if (!chosen) return {};

  const Language language = services.language;
  std::string target = chosen->path;
  bool replace = false;
  if (fileExists(chosen->path)) {
    target = derivedTextName(chosen->path);
    replace = services.prompter.show(MessageKind::Warning, catalogue::text(language, messageFileExists),
                                     Buttons::YesNo, helpContextNumbered) == Answer::Yes;
  } else if (chosen->extensionDiffers) {
    const std::string quoted = "\"" + std::string(textExtension) + "\"";
    const std::string question = catalogue::format(language, messageUnusualExtension, quoted, textFileKind);
    if (services.prompter.show(MessageKind::Warning, question, Buttons::YesNo, helpContextNumbered) !=
        Answer::Yes)
      return {};
  }

  services.directories.remember(SettingKind::TextsDirectory, folderOf(target));
  if (const FileStatus written = writeFileReplacing(nativePath(target), writeRtf(card.frame(number).text));
      !written.ok())
    return {.saved = false, .path = {}, .error = written.error};
  SavedFrameText saved{.saved = true, .path = target, .error = {}};
  // The new file takes the old one's place in one step, so a failure keeps both.
  if (replace && replaceWithNewFile(chosen->path, target, language, services.prompter))
    saved.path = chosen->path;
  return saved;
}

}  // namespace orvane
