#include "render/finished_pdf.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

namespace orvane {

using orvane::testing::TemporaryFolder;
using orvane::testing::writeBytes;

namespace {

std::string pdfWithTableAt(std::size_t offset, const std::string& body) {
  return body + "xref\n0 1\n0000000000 65535 f \ntrailer\n<< /Size 1 >>\nstartxref\n" +
         std::to_string(offset) + " \n%%EOF\n";
}

}  // namespace

// A full disk cuts the file short, or drops a block inside it so that all after it moves.
TEST(FinishedPdf, TellsAWholeFileFromOneCutShortOrWithABlockMissing) {
  const TemporaryFolder folder;
  const auto path = folder.path() / "sheet.pdf";
  const std::string body = "%PDF-1.4\n1 0 obj\n<< >>\nendobj\n";
  const std::string whole = pdfWithTableAt(body.size(), body);
  writeBytes(path, whole);
  EXPECT_TRUE(isFinishedPdf(path));

  writeBytes(path, whole.substr(0, whole.size() - 4));
  EXPECT_FALSE(isFinishedPdf(path));
  writeBytes(path, pdfWithTableAt(body.size(), body.substr(0, 9)));
  EXPECT_FALSE(isFinishedPdf(path));
  writeBytes(path, pdfWithTableAt(whole.size() + 10, body));
  EXPECT_FALSE(isFinishedPdf(path));
  EXPECT_FALSE(isFinishedPdf(folder.path() / "missing.pdf"));
}

}  // namespace orvane
