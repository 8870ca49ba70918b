#include "shell/picture_commands.h"

#include <filesystem>
#include <system_error>

#include "cardfile/save_name.h"
#include "catalogue/catalogue.h"
#include "render/icon_drawing.h"
#include "render/transparency_composite.h"
#include "text/file_path.h"

namespace orvane {

namespace {

constexpr std::string_view iconFilter = "fichiers bmp|*.bmp|fichiers icone|*.ico";
constexpr int iconFilterIcons = 1;
constexpr std::string_view patternFilter = "fichiers bmp|*.bmp";

constexpr int messageImageUnreadable = 131;
constexpr int messageClipboardEmpty = 134;

bool fileExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::exists(nativePath(path), error);
}

// The picture dialog until it gives an existing file; nothing when it is cancelled.
std::optional<std::string> choosePicture(const ElementServices& services, std::string_view filter,
                                         int filterIndex) {
  FileDialogRequest request;
  request.filter = filter;
  request.filterIndex = filterIndex;
  request.picturePreview = true;
  request.initialFolder = services.directories.directory(SettingKind::ImagesDirectory);
  for (;;) {
    const std::optional<ChosenFile> chosen = services.dialogs.openFile(request);
    if (!chosen) return std::nullopt;
    if (fileExists(chosen->path)) return chosen->path;
  }
}

void reportNotAPicture(const ElementServices& services, const std::string& path) {
  services.prompter.show(MessageKind::Plain,
                         catalogue::text(services.language, messageImageUnreadable) + path);
}

}  // namespace

IconChoice chooseIcon(CardModel& card, RendererState& renderer, PictureService& pictures, ShellState& state,
                      const ElementServices& services) {
  // Kept whole, so that a file that is not a picture changes nothing at all.
  const CardModel before = card;
  const RendererState rendererBefore = renderer;
  card.iconFile.clear();
  const std::optional<std::string> path = choosePicture(services, iconFilter, iconFilterIcons);
  if (!path) return IconChoice::Cancelled;

  card.iconFile = *path;
  if (const IconKind kind = iconKindOf(*path); kind != IconKind::Unknown) card.iconKind = kind;
  renderer.iconImage.reset();
  takeIconFile(card, renderer, pictures);
  if (!renderer.iconImage) {
    card = before;
    renderer = rendererBefore;
    reportNotAPicture(services, *path);
    return IconChoice::Refused;
  }
  state.anythingLoaded = true;
  return IconChoice::Chosen;
}

bool choosePattern(CardModel& card, RenderContext& context, ShellState& state,
                   const ElementServices& services) {
  const std::string before = card.patternFile;
  card.patternFile.clear();
  const std::optional<std::string> path = choosePicture(services, patternFilter, 0);
  if (!path) return false;

  std::optional<Image> bitmap = context.pictures.readBitmap(*path);
  if (!bitmap) {
    card.patternFile = before;
    reportNotAPicture(services, *path);
    return false;
  }
  card.patternFile = *path;
  services.directories.remember(SettingKind::ImagesDirectory, folderOf(*path));
  context.state.forgetPattern();
  context.state.patternBitmap = std::move(bitmap);
  redrawTransparentFrames(context);
  state.anythingLoaded = true;
  return true;
}

std::optional<Image> clipboardPicture(Clipboard& clipboard, Prompter& prompter, Language language) {
  std::optional<Image> picture = clipboard.picture();
  if (picture && !picture->isNull()) return picture;
  prompter.show(MessageKind::Plain, catalogue::text(language, messageClipboardEmpty));
  return std::nullopt;
}

void copyCardToClipboard(const CardModel& card, const Image& shown, Clipboard& clipboard) {
  clipboard.setPicture(
      shown.cropped(Rect::fromSize(0, 0, card.cardWidth, card.cardHeight), opaquePixel(card.cardColor)));
}

}  // namespace orvane
