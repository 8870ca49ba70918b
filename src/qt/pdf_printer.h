#pragma once
// The printer that is always there: a PDF file on A4 paper (or a card stock's) at a chosen resolution,
// printable to the paper's edges, whose text stays text.

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <memory>
#include <optional>
#include <string>

#include "graphics/geometry.h"
#include "text/staged_file.h"

class QPrinter;

namespace orvane {

/// A printer writing `path` as a PDF document of `paper` pages (A4 unless said) in `orientation` at
/// `dpi` dots per inch.
std::unique_ptr<QPrinter> makePdfPrinter(const QString& path, int dpi, QPageLayout::Orientation orientation,
                                         const QPageSize& paper = QPageSize(QPageSize::A4));

/// The page size of `paper`, given in either orientation: a standard size where it is one.
QPageSize pageSizeOf(const SizeMm& paper);

/// Puts `staged`, the PDF document a printer has written under the staging name, in the place of
/// `output` once it is written whole: the printer itself does not tell a full disk. Why it could not be,
/// or nothing.
std::optional<std::string> commitPdf(StagedFile& staged, const std::string& output);

}  // namespace orvane
