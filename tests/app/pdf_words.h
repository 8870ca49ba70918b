#pragma once
// The words of a printed PDF as poppler reads them back, each with its box, so that a window test can
// find on paper what the window shows.

#include <QList>
#include <QProcess>
#include <QString>
#include <QXmlStreamReader>

struct PdfWord {
  QString text;
  int page = 0;     // from 1
  double xMin = 0;  // points from the page's top-left corner
  double yMin = 0;
  double xMax = 0;
  double yMax = 0;
};

/// Every word of `pdf`, page by page in reading order; empty when poppler cannot read it.
inline QList<PdfWord> pdfWords(const QString& pdf) {
  QProcess poppler;
  poppler.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  if (!poppler.waitForFinished(60000) || poppler.exitCode() != 0) return {};
  QList<PdfWord> words;
  QXmlStreamReader xml(poppler.readAllStandardOutput());
  int page = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("page")) ++page;
    if (xml.name() != QLatin1String("word")) continue;
    const QXmlStreamAttributes box = xml.attributes();
    PdfWord word;
    word.page = page;
    word.xMin = box.value(QLatin1String("xMin")).toDouble();
    word.yMin = box.value(QLatin1String("yMin")).toDouble();
    word.xMax = box.value(QLatin1String("xMax")).toDouble();
    word.yMax = box.value(QLatin1String("yMax")).toDouble();
    word.text = xml.readElementText();
    words << word;
  }
  return words;
}
