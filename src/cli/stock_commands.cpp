// templates and card-calibration: the card stock the sheets can be printed on, and the page that
// measures how a printer shifts and stretches its pages.
#include <QDateTime>
#include <QPrinter>
#include <algorithm>
#include <iostream>

#include "cli/command_table.h"
#include "cli/gui_session.h"
#include "cli/json_writer.h"
#include "cli/stock_options.h"
#include "qt/card_stock_files.h"
#include "qt/pdf_printer.h"
#include "qt/qt_painter_canvas.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_text.h"
#include "qt/sheet_date_time.h"
#include "stock/calibration_page.h"
#include "text/file_path.h"
#include "text/staged_file.h"

namespace orvane::cli {

namespace {

constexpr int calibrationDpi = 600;

void writePair(JsonWriter& json, std::string_view name, double first, double second) {
  json.key(name);
  json.beginArray();
  json.value(first);
  json.value(second);
  json.endArray();
}

void writeStock(JsonWriter& json, const CardStock& stock) {
  json.beginObject();
  json.field("id", stock.id);
  json.field("name", stock.name);
  writePair(json, "paper", stock.paper.width, stock.paper.height);
  // The sheet of twelve takes the card's own size and spacing.
  if (stock.followsCard) {
    json.key("card");
    json.null();
  } else {
    writePair(json, "card", stock.cell.width, stock.cell.height);
  }
  json.field("columns", stock.columns);
  json.field("rows", stock.rows);
  writePair(json, "origin", stock.origin.x, stock.origin.y);
  if (stock.followsCard) {
    json.key("pitch");
    json.null();
  } else {
    writePair(json, "pitch", stock.pitch.x, stock.pitch.y);
  }
  json.field("source", stockSourceName(stock.source));
  json.endObject();
}

int listTemplates() {
  const StockCatalogue catalogue = loadCardStocks(Language::French);
  for (const std::string& message : catalogue.messages) printNote(message);
  JsonWriter json;
  json.beginArray();
  for (const CardStock& stock : catalogue.stocks) writeStock(json, stock);
  json.endArray();
  json.flushTo(std::cout);
  std::cout << '\n';
  return 0;
}

int writeCalibrationPage(const std::string& output, const CardStock& stock) {
  StagedFile staged(nativePath(output));
  if (staged.path().empty()) return usageError("cannot write " + staged.commit().error);
  {
    const auto printer = makePdfPrinter(toQString(utf8Path(staged.path())), calibrationDpi,
                                        QPageLayout::Portrait, pageSizeOf(stock.paper));
    QPainterCanvas canvas(*printer);
    if (!canvas.painter().isActive()) return usageError("cannot write " + output);
    const SizeMm portrait{std::min(stock.paper.width, stock.paper.height),
                          std::max(stock.paper.width, stock.paper.height)};
    drawCalibrationPage(canvas, measurePrinter(*printer), portrait, "PDF",
                        sheetDateTime(QDateTime::currentDateTime()), Language::French);
    if (!canvas.painter().end() || printer->printerState() == QPrinter::Error)
      return usageError("cannot write " + output);
  }
  if (const auto failure = commitPdf(staged, output)) return usageError(*failure);
  return 0;
}

}  // namespace

int templatesCommand(const Arguments& args) {
  if (!args.empty()) return usageError(usageLine("templates"));
  return withGuiApplication(listTemplates);
}

int cardCalibrationCommand(const Arguments& args) {
  StockOptions options;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::optional<std::string> problem;
    if (args[i] == "--template") {
      options.take(args, i, problem);
    } else if (args[i].starts_with("--")) {
      problem = "unknown option: " + args[i];
    } else {
      files.push_back(args[i]);
    }
    if (problem) return usageError(*problem);
  }
  if (files.size() != 1) return usageError(usageLine("card-calibration"));
  return withGuiApplication([&] {
    CardStock stock;
    if (const auto problem = findCardStock(options.templateId, stock)) return usageError(*problem);
    return writeCalibrationPage(files[0], stock);
  });
}

}  // namespace orvane::cli
