#pragma once
// The printer that is always there: a PDF file on A4 paper (or a card stock's) at a chosen resolution,
// printable to the paper's edges, whose text stays text.

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <memory>

#include "render/geometry.h"

class QPrinter;

namespace orvane {

/// A printer writing `path` as a PDF document of `paper` pages (A4 unless said) in `orientation` at
/// `dpi` dots per inch.
std::unique_ptr<QPrinter> makePdfPrinter(const QString& path, int dpi, QPageLayout::Orientation orientation,
                                         const QPageSize& paper = QPageSize(QPageSize::A4));

/// The page size of `paper`, given in either orientation: a standard size where it is one.
QPageSize pageSizeOf(const SizeMm& paper);

}  // namespace orvane
