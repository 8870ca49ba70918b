// card-pdf: the loaded card as the print-shop PDF, one card on its page with a bleed and crop marks.
#include "cli/command_table.h"
#include "cli/gui_session.h"
#include "cli/loaded_card.h"
#include "cli/script_drawing.h"
#include "qt/print_shop_pdf.h"

namespace orvane::cli {

namespace {

struct PrintShopOptions {
  std::string cardFile;
  std::string output;
  PrintShopSettings settings;
};

// The options, or the line that tells what is wrong with them.
std::optional<std::string> parsePrintShopOptions(const Arguments& args, PrintShopOptions& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--crop-marks") {
      options.settings.cropMarks = true;
    } else if (args[i] == "--bleed") {
      const auto bleed = i + 1 < args.size() ? parseBleed(args[++i]) : std::nullopt;
      if (!bleed) return "--bleed takes a number of millimetres from 0 to 5";
      options.settings.bleedMm = *bleed;
    } else if (args[i].starts_with("--")) {
      return "unknown option: " + args[i];
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return usageLine("card-pdf");
  options.cardFile = files[0];
  options.output = files[1];
  return std::nullopt;
}

}  // namespace

int cardPdfCommand(const Arguments& args) {
  PrintShopOptions options;
  if (const auto problem = parsePrintShopOptions(args, options)) return usageError(*problem);
  if (const auto problem = outputOverInput(options.cardFile, options.output)) return usageError(*problem);
  LoadedCard loaded;
  if (const auto failure = loaded.load(options.cardFile)) return usageError(*failure);
  options.settings.screenResolution = screenResolution;
  // A card file saved on another screen gives its size more exactly than the card's rescaled pixels.
  options.settings.recordedSize = recordedCardSize(options.cardFile, loaded.card, screenResolution);
  return withGuiApplication([&] {
    ScriptDrawing drawing(loaded);
    // A card file gives the card and both frames their colours.
    if (const auto failure = writePrintShopPdf(drawing.context, options.output, options.settings,
                                               [&] { return drawing.failure(); }))
      return usageError(*failure);
    return 0;
  });
}

}  // namespace orvane::cli
