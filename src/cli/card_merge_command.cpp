// card-merge: the cards of a team, one card file filled in by each row of a CSV file, into one PDF.
#include <iostream>

#include "card/merge_fields.h"
#include "cli/command_table.h"
#include "cli/gui_session.h"
#include "cli/json_writer.h"
#include "cli/loaded_card.h"
#include "cli/script_drawing.h"
#include "cli/stock_options.h"
#include "qt/card_sheet_pdf.h"
#include "stock/stock_layout.h"
#include "text/csv_table.h"
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

// Fills the loaded card with row after row of the table, keeping the card as written to fill from.
class RowMerge {
 public:
  RowMerge(LoadedCard& loaded, const CsvTable& table)
      : loaded_(loaded), written_(loaded.card), table_(table) {}

  bool done() const { return next_ == table_.rows.size(); }
  // Makes the loaded card the next row's; false when no row is left.
  bool takeNextRow() {
    if (done()) return false;
    const MergeRow row{table_.header, table_.rows[next_], static_cast<int>(next_) + 1};
    loaded_.card = mergedCard(written_, row, missing);
    ++next_;
    return true;
  }

  std::vector<MissingField> missing;

 private:
  LoadedCard& loaded_;
  const CardModel written_;
  const CsvTable& table_;
  std::size_t next_ = 0;
};

void printReport(std::size_t rows, int pages, const std::vector<MissingField>& missing) {
  JsonWriter json;
  json.beginObject();
  json.field("rows", rows);
  json.field("pages", pages);
  json.key("missing");
  json.beginArray();
  for (const MissingField& field : missing) {
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
  RowMerge merge(loaded, table);
  int pages = 0;
  const SheetPage drawPage = [&](Canvas& canvas, const SheetSettings& settings) {
    ++pages;
    if (options.mixed) {
      drawCardSheet(drawing.context, canvas, settings, [&](std::size_t) { return merge.takeNextRow(); });
    } else {
      merge.takeNextRow();
      drawCardSheet(drawing.context, canvas, settings);
    }
    return !merge.done();
  };
  if (const auto failure =
          writeCardSheetsPdf(drawing.context, sheet, drawPage, [&] { return drawing.failure(); }))
    return usageError(*failure);
  printReport(table.rows.size(), pages, merge.missing);
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
