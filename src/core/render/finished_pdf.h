#pragma once
// A PDF writer that meets a full disk may go on as if nothing happened and leave a file without its
// end. The end of a PDF tells whether all of it reached the disk: its last lines give the offset of
// the cross-reference table, which must stand there.

#include <filesystem>

namespace orvane {

/// Whether the PDF file at `path` ends with its trailer ("startxref", the offset of its "xref" table,
/// "%%EOF") and its table starts at that offset.
bool isFinishedPdf(const std::filesystem::path& path);

}  // namespace orvane
