#include "card/merge_fields.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

const std::vector<std::string> header{"Nom", "Poste"};

FontSpec boldFormat() {
  FontSpec format = RichText::defaultFormat();
  format.style.bold = true;
  return format;
}

CardModel cardWithFields() {
  CardModel card;
  Paragraph& paragraph = card.frame(1).text.paragraphs().at(0);
  paragraph.runs = {{"\xC2\xABNom\xC2\xBB", boldFormat()},
                    {" \xE2\x80\x93 \xC2\xABPoste\xC2\xBB", RichText::defaultFormat()}};
  card.contact.contact.givenName = "\xC2\xABNom\xC2\xBB";
  card.contact.contact.address = "\xC2\xABVille\xC2\xBB";
  return card;
}

TEST(MergeFields, FillsFrameRunsKeepingTheirFormatsAndTheContact) {
  std::vector<MissingField> missing;
  const std::vector<std::string> cells{"Léa\nDupont", "Chef"};
  const CardModel merged = mergedCard(cardWithFields(), {header, cells, 1}, missing);
  const std::vector<TextRun>& runs = merged.frame(1).text.paragraphs().at(0).runs;
  ASSERT_EQ(runs.size(), 2U);
  EXPECT_EQ(runs[0], (TextRun{"Léa Dupont", boldFormat()}));  // a run never holds a line break
  EXPECT_EQ(runs[1].text, " – Chef");
  EXPECT_EQ(merged.contact.contact.givenName, "Léa\nDupont");
  EXPECT_EQ(merged.contact.contact.address, "");
  EXPECT_EQ(missing, (std::vector<MissingField>{{1, "Ville"}}));
}

TEST(MergeFields, ReportsAShortRowOnceAndDropsTheEmptiedRun) {
  CardModel card = cardWithFields();
  card.frame(2).text = RichText::fromPlainText("\xC2\xABNom\xC2\xBB \xC2\xABNom");  // an unclosed field stays
  std::vector<MissingField> missing;
  const std::vector<std::string> cells;
  const CardModel merged = mergedCard(card, {header, cells, 4}, missing);
  EXPECT_EQ(merged.frame(1).text.plainText(), " – ");
  EXPECT_EQ(merged.frame(1).text.paragraphs().at(0).runs.size(), 1U);
  EXPECT_EQ(merged.frame(2).text.plainText(), " \xC2\xABNom");
  EXPECT_EQ(missing, (std::vector<MissingField>{{4, "Nom"}, {4, "Poste"}, {4, "Ville"}}));
}

}  // namespace
}  // namespace orvane
