// card-sheet and card-png: the loaded card drawn as the printed sheet and as the card window shows it.
#include <QSaveFile>
#include <iostream>

#include "cli/command_table.h"
#include "cli/gui_session.h"
#include "cli/loaded_card.h"
#include "qt/card_sheet_pdf.h"
#include "qt/qt_image.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_text.h"
#include "qt/qt_text_metrics.h"
#include "render/card_picture.h"
#include "render/icon_drawing.h"
#include "render/transparency_composite.h"
#include "text/field_text.h"
#include "text/file_path.h"

namespace orvane::cli {

namespace {

constexpr int defaultDpi = 600;
constexpr int lowestDpi = 72;
constexpr int highestDpi = 2400;

struct SheetOptions {
  std::string cardFile;
  std::string output;
  bool blackAndWhite = false;
  bool testPrint = false;
  int dpi = defaultDpi;
};

// The options, or the line that tells what is wrong with them.
std::optional<std::string> parseSheetOptions(const Arguments& args, SheetOptions& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--bw") {
      options.blackAndWhite = true;
    } else if (args[i] == "--test-print") {
      options.testPrint = true;
    } else if (args[i] == "--dpi") {
      const auto dpi = i + 1 < args.size() ? tryParseInteger(args[++i]) : std::nullopt;
      if (!dpi || *dpi < lowestDpi || *dpi > highestDpi)
        return "--dpi takes a resolution from " + std::to_string(lowestDpi) + " to " +
               std::to_string(highestDpi);
      options.dpi = *dpi;
    } else if (args[i].starts_with("--")) {
      return "unknown option: " + args[i];
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return usageLine("card-sheet");
  options.cardFile = files[0];
  options.output = files[1];
  return std::nullopt;
}

// The card window's drawing with a script's services: a message shown while drawing means the
// drawing is not what the card asks for, and ends the command as an error.
class ScriptDrawing {
 public:
  explicit ScriptDrawing(LoadedCard& loaded) : loaded_(loaded) {
    // The loader's own messages are warnings: the card was loaded all the same.
    for (const std::string& message : loaded.prompter.texts()) std::cerr << "orvane-cli: " << message << '\n';
    for (int number : {1, 2})
      if (loaded.card.frame(number).frameTransparent) makeFrameTransparent(context, number);
    // The icon file is taken as the card window takes it before drawing.
    takeIconFile(loaded.card, state_, pictures_);
  }

  /// The first message shown while drawing, if any.
  std::optional<std::string> failure() const {
    if (prompter_.shown.empty()) return std::nullopt;
    return prompter_.shown.front().text;
  }

 private:
  LoadedCard& loaded_;
  RendererState state_;
  NonInteractivePrompter prompter_;
  QtPictureService pictures_;
  QtTextMetrics metrics_;

 public:
  RenderContext context{loaded_.card, state_, prompter_, pictures_, metrics_, loaded_.language};
};

int drawSheet(LoadedCard& loaded, const SheetOptions& options) {
  ScriptDrawing drawing(loaded);
  CardSheetPdf sheet;
  sheet.output = options.output;
  sheet.dpi = options.dpi;
  sheet.screenResolution = screenResolution;
  sheet.printMode = options.blackAndWhite ? PrintMode::BlackAndWhite : PrintMode::InColour;
  sheet.testPrint = options.testPrint;
  // A card file gives the card and both frames their colours (the sheet's defaults).
  if (const auto failure = writeCardSheetPdf(drawing.context, sheet, [&] { return drawing.failure(); }))
    return usageError(*failure);
  return 0;
}

int drawPicture(LoadedCard& loaded, const std::string& output) {
  ScriptDrawing drawing(loaded);
  Image picture = drawCardPicture(drawing.context);
  if (const auto failure = drawing.failure()) return usageError(*failure);
  QSaveFile file(toQString(utf8Path(nativePath(output))));
  if (!file.open(QIODevice::WriteOnly) || !wrapImage(picture).save(&file, "PNG") || !file.commit())
    return usageError("cannot write " + output);
  return 0;
}

}  // namespace

int cardSheetCommand(const Arguments& args) {
  SheetOptions options;
  if (const auto problem = parseSheetOptions(args, options)) return usageError(*problem);
  LoadedCard loaded;
  if (const auto failure = loaded.load(options.cardFile)) return usageError(*failure);
  return withGuiApplication([&] { return drawSheet(loaded, options); });
}

int cardPngCommand(const Arguments& args) {
  if (args.size() != 2) return usageError(usageLine("card-png"));
  LoadedCard loaded;
  if (const auto failure = loaded.load(args[0])) return usageError(*failure);
  return withGuiApplication([&] { return drawPicture(loaded, args[1]); });
}

}  // namespace orvane::cli
