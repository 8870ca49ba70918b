#include "catalogue/caption_table.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(CaptionTable, AnIdWithoutATextRepeatsTheOneFetchedBeforeIt) {
  // 1085 and 1086 have no text in any language; 1026 has one in French only.
  const CaptionEntry table[] = {
      {"first", CaptionPart::Caption, 1085}, {"save", CaptionPart::Caption, 1084},
      {"again", CaptionPart::Caption, 1085}, {"emptied", CaptionPart::Caption, {}},
      {"still", CaptionPart::Hint, 1086},    {"prefix", CaptionPart::Caption, 1026},
  };
  const std::vector<ResolvedCaption> english = resolveCaptions(table, Language::English);
  const std::vector<ResolvedCaption> expected{
      {"first", CaptionPart::Caption, ""},     {"save", CaptionPart::Caption, "Save"},
      {"again", CaptionPart::Caption, "Save"}, {"emptied", CaptionPart::Caption, ""},
      {"still", CaptionPart::Hint, "Save"},    {"prefix", CaptionPart::Caption, "Save"},
  };
  EXPECT_EQ(english, expected);
  EXPECT_EQ(resolveCaptions(table, Language::French).back().text, "bord gauche + ");
  EXPECT_EQ(resolveCaptions(table, Language::German)[2].text, "Speichern");
}

}  // namespace
}  // namespace orvane
