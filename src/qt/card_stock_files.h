#pragma once
// The card-stock templates the print menu offers: the sheet of twelve, the templates shipped inside the
// program, those in the user's configuration folder and the business cards of the system's label
// template database, read from files in the label template XML dialect.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "catalogue/language.h"
#include "stock/card_stock.h"

namespace orvane {

struct StockCatalogue {
  std::vector<CardStock> stocks;
  /// One message per template or file skipped, naming the file.
  std::vector<std::string> messages;
};

/// Every template, the sheet of twelve first, each id unique; the messages in `language`.
StockCatalogue loadCardStocks(Language language);
/// The sheet of twelve and the templates shipped with the program, which come first in every
/// catalogue and so keep the ids they have here.
StockCatalogue loadShippedCardStocks(Language language);

/// Adds the templates of the XML file `path` to `catalogue`; a file that cannot be read or is not
/// well-formed adds none of them.
void readTemplateFile(const QString& path, StockSource source, Language language, StockCatalogue& catalogue);

/// The user's template folder: "templates" beside the program's settings.
QString userTemplateFolder();

/// The system's label template folders: the one ORVANE_SYSTEM_TEMPLATES names when it is set (none
/// when it is empty), otherwise the shared data folders' "templates" folders that hold a paper size
/// table, the mark of a label template database.
QStringList systemTemplateFolders();

}  // namespace orvane
