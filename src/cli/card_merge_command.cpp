// card-merge: the cards of a team, one card file filled in by each row of a CSV file, into one PDF.
#include <iostream>

#include "cli/command_table.h"
#include "cli/gui_session.h"
#include "cli/json_writer.h"
#include "cli/loaded_card.h"
#include "cli/script_drawing.h"
#include "cli/stock_options.h"
#include "qt/card_merge_pdf.h"
#include "stock/stock_layout.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane::cli {

namespace {

struct MergeOptions {
  std::string cardFile;
  std::string dataFile;
  std::string output;
  bool mixed = false;
  std::string templateId{orvaneSheetId};
};

std::optional<std::string> parseMergeOptions(const Arguments& args, MergeOptions& options) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--mixed") {
      options.mixed = true;
    } else if (args[i] == "--template") {
      if (i + 1 == args.size()) return "--template takes a template id";
      options.templateId = args[++i];
    } else if (args[i].starts_with("--")) {
      return "unknown option: " + args[i];
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 3) return usageLine("card-merge");
  options.cardFile = files[0];
  options.dataFile = files[1];
  options.output = files[2];
  return std::nullopt;
}

void printReport(std::size_t rows, const CardMergeReport& report) {
  JsonWriter json;
  json.beginObject();
  json.field("rows", rows);
  json.field("pages", report.pages);
  json.key("missing");
  json.beginArray();
  for (const MissingField& field : report.missing) {
    json.beginObject();
    json.field("row", field.row);
    json.field("field", field.field);
    json.endObject();
  }
  json.endArray();
  json.endObject();
  std::cout << json.text() << '\n';
}

int drawMerge(LoadedCard& loaded, const CsvTable& table, const MergeOptions& options) {
  ScriptDrawing drawing(loaded);
  CardSheetPdf sheet;
  sheet.output = options.output;
  sheet.screenResolution = screenResolution;
  if (const auto problem = findCardStock(options.templateId, sheet.stock)) return usageError(*problem);
  if (const auto refusal = stockRefusal(loaded.card, sheet.stock, screenResolution, loaded.language))
    return usageError(*refusal);
  const CardMergeReport report = writeCardMergePdf(drawing.context, loaded.card, sheet,
                                                   {table, options.mixed}, [&] { return drawing.failure(); });
  if (report.failure) return usageError(*report.failure);
  printReport(table.rows.size(), report);
  return 0;
}

}  // namespace

int cardMergeCommand(const Arguments& args) {
  MergeOptions options;
  if (const auto problem = parseMergeOptions(args, options)) return usageError(*problem);
  for (const std::string* input : {&options.cardFile, &options.dataFile})
    if (const auto problem = outputOverInput(*input, options.output)) return usageError(*problem);
  const auto bytes = readFileBytes(nativePath(options.dataFile));
  if (!bytes) return usageError("cannot read " + options.dataFile);
  const CsvTable table = readCsv(*bytes);
  if (table.rows.empty()) return usageError(options.dataFile + " holds no data rows");
  LoadedCard loaded;
  if (const auto failure = loaded.load(options.cardFile)) return usageError(*failure);
  return withGuiApplication([&] { return drawMerge(loaded, table, options); });
}

}  // namespace orvane::cli
