// card-sheet and card-png: the loaded card drawn as the printed sheet and as the card window shows it.
#include "cli/command_table.h"
#include "cli/gui_session.h"
#include "cli/loaded_card.h"
#include "cli/script_drawing.h"
#include "cli/stock_options.h"
#include "qt/card_sheet_pdf.h"
#include "qt/qt_image.h"
#include "render/card_picture.h"
#include "stock/stock_layout.h"
#include "text/field_text.h"
#include "text/file_path.h"
#include "text/staged_file.h"

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
  StockOptions stock;
};

// The options, or the line that tells what is wrong with them.
std::optional<std::string> parseSheetOptions(const Arguments& args, SheetOptions& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::optional<std::string> problem;
    if (options.stock.take(args, i, problem)) {
      if (problem) return problem;
    } else if (args[i] == "--bw") {
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

int drawSheet(LoadedCard& loaded, const SheetOptions& options) {
  ScriptDrawing drawing(loaded);
  CardSheetPdf sheet;
  sheet.output = options.output;
  sheet.dpi = options.dpi;
  sheet.screenResolution = screenResolution;
  sheet.printMode = options.blackAndWhite ? PrintMode::BlackAndWhite : PrintMode::InColour;
  sheet.testPrint = options.testPrint;
  if (const auto problem = findCardStock(options.stock.templateId, sheet.stock)) return usageError(*problem);
  if (const auto refusal = stockRefusal(loaded.card, sheet.stock, screenResolution, loaded.language))
    return usageError(*refusal);
  // A PDF file is printed by no printer: only the calibration the options give applies.
  sheet.calibration = options.stock.calibration();
  // A card file gives the card and both frames their colours (the sheet's defaults).
  if (const auto failure = writeCardSheetPdf(drawing.context, sheet, [&] { return drawing.failure(); }))
    return usageError(*failure);
  return 0;
}

int drawPicture(LoadedCard& loaded, const std::string& output) {
  ScriptDrawing drawing(loaded);
  Image picture = drawCardPicture(drawing.context);
  if (const auto failure = drawing.failure()) return usageError(*failure);
  const QByteArray png = pngOf(wrapImage(picture));
  if (png.isEmpty()) return usageError("cannot write " + output);
  if (const FileStatus written = writeFileReplacing(nativePath(output), bytesOf(png)); !written.ok())
    return usageError("cannot write " + written.error);
  return 0;
}

}  // namespace

int cardSheetCommand(const Arguments& args) {
  SheetOptions options;
  if (const auto problem = parseSheetOptions(args, options)) return usageError(*problem);
  if (const auto problem = outputOverInput(options.cardFile, options.output)) return usageError(*problem);
  LoadedCard loaded;
  if (const auto failure = loaded.load(options.cardFile)) return usageError(*failure);
  return withGuiApplication([&] { return drawSheet(loaded, options); });
}

int cardPngCommand(const Arguments& args) {
  if (args.size() != 2) return usageError(usageLine("card-png"));
  if (const auto problem = outputOverInput(args[0], args[1])) return usageError(*problem);
  LoadedCard loaded;
  if (const auto failure = loaded.load(args[0])) return usageError(*failure);
  return withGuiApplication([&] { return drawPicture(loaded, args[1]); });
}

}  // namespace orvane::cli
