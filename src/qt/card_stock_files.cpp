#include "qt/card_stock_files.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include "catalogue/catalogue.h"
#include "stock/template_record.h"

// The shipped templates live in the library's resources, which a static library must name to keep.
static void initShippedTemplates() { Q_INIT_RESOURCE(card_stock); }

namespace orvane {

namespace {

const QString shippedFolder = QStringLiteral(":/templates");
constexpr const char* systemFolderVariable = "ORVANE_SYSTEM_TEMPLATES";
// A label template database keeps its paper sizes in this file beside its templates.
const QString databaseMark = QStringLiteral("paper-sizes.xml");

XmlAttributes attributesOf(const QXmlStreamReader& xml) {
  XmlAttributes attributes;
  for (const QXmlStreamAttribute& attribute : xml.attributes())
    attributes[attribute.name().toString().toStdString()] = attribute.value().toString().toStdString();
  return attributes;
}

// Collects the parts of the `Template` element the reader stands in, up to its end.
TemplateRecord readTemplate(QXmlStreamReader& xml) {
  TemplateRecord record;
  record.attributes = attributesOf(xml);
  int depth = 1;
  bool inRectangle = false;
  while (depth > 0 && !xml.atEnd()) {
    const QXmlStreamReader::TokenType token = xml.readNext();
    if (token == QXmlStreamReader::EndElement) {
      --depth;
      if (xml.name() == QLatin1String("Label-rectangle")) inRectangle = false;
      continue;
    }
    if (token != QXmlStreamReader::StartElement) continue;
    ++depth;
    const auto name = xml.name();
    if (name == QLatin1String("Meta")) {
      const QString category = xml.attributes().value(QLatin1String("category")).toString();
      if (!category.isEmpty()) record.categories.push_back(category.toStdString());
    } else if (name == QLatin1String("Label-rectangle") && !record.rectangle) {
      record.rectangle = attributesOf(xml);
      inRectangle = true;
    } else if (name == QLatin1String("Layout") && inRectangle) {
      record.layouts.push_back(attributesOf(xml));
    } else if (name.startsWith(QLatin1String("Label-"))) {
      record.otherShape = true;
    }
  }
  return record;
}

QStringList xmlFiles(const QString& folder) {
  QStringList files;
  const QDir dir(folder);
  for (const QString& name : dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
    files << dir.filePath(name);
  return files;
}

void readFolder(const QString& folder, StockSource source, Language language, StockCatalogue& catalogue) {
  for (const QString& file : xmlFiles(folder)) readTemplateFile(file, source, language, catalogue);
}

}  // namespace

void readTemplateFile(const QString& path, StockSource source, Language language, StockCatalogue& catalogue) {
  const std::string file = QDir::toNativeSeparators(path).toStdString();
  QFile input(path);
  if (!input.open(QIODevice::ReadOnly)) {
    catalogue.messages.push_back(catalogue::fileNotAccessible(language, file));
    return;
  }
  QXmlStreamReader xml(&input);
  StockCatalogue read;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("Template")) continue;
    const StockReading reading = readCardStock(readTemplate(xml), source, language);
    if (reading.stock) read.stocks.push_back(*reading.stock);
    if (!reading.problem.empty())
      read.messages.push_back(skippedTemplateMessage(language, file, reading.problem));
  }
  if (xml.hasError()) {
    catalogue.messages.push_back(
        skippedTemplateMessage(language, file, badXmlProblem(language, xml.lineNumber())));
    return;
  }
  catalogue.stocks.insert(catalogue.stocks.end(), read.stocks.begin(), read.stocks.end());
  catalogue.messages.insert(catalogue.messages.end(), read.messages.begin(), read.messages.end());
}

QString userTemplateFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Brevanel/Orvane/templates");
}

QStringList systemTemplateFolders() {
  if (qEnvironmentVariableIsSet(systemFolderVariable)) {
    const QString folder = qEnvironmentVariable(systemFolderVariable);
    return folder.isEmpty() ? QStringList() : QStringList{folder};
  }
  QStringList folders;
  for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
    const QDir dir(data);
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
      const QString templates = dir.filePath(name + QStringLiteral("/templates"));
      if (QFile::exists(templates + QLatin1Char('/') + databaseMark)) folders << templates;
    }
  }
  return folders;
}

StockCatalogue loadShippedCardStocks(Language language) {
  StockCatalogue catalogue;
  catalogue.stocks.push_back(orvaneSheet());
  initShippedTemplates();
  readFolder(shippedFolder, StockSource::Shipped, language, catalogue);
  makeIdsUnique(catalogue.stocks);
  return catalogue;
}

StockCatalogue loadCardStocks(Language language) {
  StockCatalogue catalogue = loadShippedCardStocks(language);
  readFolder(userTemplateFolder(), StockSource::User, language, catalogue);
  for (const QString& folder : systemTemplateFolders())
    readFolder(folder, StockSource::System, language, catalogue);
  makeIdsUnique(catalogue.stocks);
  return catalogue;
}

}  // namespace orvane
