#include "text/csv_table.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using Cells = std::vector<std::string>;

TEST(CsvTable, ReadsQuotedCellsWithSeparatorsQuotesAndLineBreaks) {
  const CsvTable table = readCsv(
      "Nom,Note\r\n\"Dupont, L\xC3\xA9"
      "a\",\"dit \"\"oui\"\"\r\npuis non\"\r\nMarc,\n\n");
  EXPECT_EQ(table.header, (Cells{"Nom", "Note"}));
  ASSERT_EQ(table.rows.size(), 2U);  // the blank line ending the file carries no row
  EXPECT_EQ(table.rows[0], (Cells{"Dupont, Léa", "dit \"oui\"\r\npuis non"}));
  EXPECT_EQ(table.rows[1], (Cells{"Marc", ""}));
}

TEST(CsvTable, ChoosesTheSeparatorFromTheHeaderOutsideQuotes) {
  EXPECT_EQ(readCsv("\"a,b,c\";d\n1;2").header, (Cells{"a,b,c", "d"}));
  EXPECT_EQ(readCsv("a;b,c,d\n").header, (Cells{"a;b", "c", "d"}));
  // A row may stop short of the header.
  EXPECT_EQ(readCsv("a;b\n1").rows.at(0), (Cells{"1"}));
}

TEST(CsvTable, ReadsUtf8WithOrWithoutItsMarkElseWindows1252) {
  EXPECT_EQ(readCsv("\xEF\xBB\xBFNom\nZo\xC3\xA9").header, (Cells{"Nom"}));
  EXPECT_EQ(readCsv("\xEF\xBB\xBFNom\nZo\xC3\xA9").rows.at(0), (Cells{"Zoé"}));
  EXPECT_EQ(readCsv("Nom\nZo\xE9 \x80").rows.at(0), (Cells{"Zoé €"}));
}

}  // namespace
}  // namespace orvane
