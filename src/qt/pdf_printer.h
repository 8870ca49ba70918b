#pragma once
// The printer that is always there: a PDF file on A4 paper at a chosen resolution, printable to the
// paper's edges, whose text stays text.

#include <QPageLayout>
#include <QString>
#include <memory>

class QPrinter;

namespace orvane {

/// A printer writing `path` as a PDF document of A4 pages in `orientation` at `dpi` dots per inch.
std::unique_ptr<QPrinter> makePdfPrinter(const QString& path, int dpi, QPageLayout::Orientation orientation);

}  // namespace orvane
