#include "cli/card_json.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::cli {
namespace {

// The card's typed values reach scripts under the words the card's parameters have always used.
std::string member(const CardModel& card, const std::string& key) {
  JsonWriter json;
  writeCard(json, card);
  const std::string& text = json.text();
  const std::string lead = "\"" + key + "\": \"";
  const auto start = text.find(lead);
  if (start == std::string::npos) return "<missing>";
  const auto valueStart = start + lead.size();
  return text.substr(valueStart, text.find('"', valueStart) - valueStart);
}

TEST(CardJson, TypedValuesAreSpelledAsTheCardParameters) {
  CardModel card;
  EXPECT_EQ(member(card, "orientation"), "");
  EXPECT_EQ(member(card, "patternMode"), "dim");
  EXPECT_EQ(member(card, "fillStyle"), "fill");
  EXPECT_EQ(member(card, "iconKind"), "");

  card.orientation = Orientation::Vertical;
  card.patternMode = PatternMode::Tile;
  card.fillStyle = FillStyle::Flood;
  card.iconKind = IconKind::Icon;
  EXPECT_EQ(member(card, "orientation"), "vertical");
  EXPECT_EQ(member(card, "patternMode"), "mot");
  EXPECT_EQ(member(card, "fillStyle"), "flood");
  EXPECT_EQ(member(card, "iconKind"), "ico");

  card.orientation = Orientation::Horizontal;
  card.patternMode = PatternMode::Stretch;
  card.iconKind = IconKind::Bitmap;
  EXPECT_EQ(member(card, "orientation"), "horizontal");
  EXPECT_EQ(member(card, "patternMode"), "str");
  EXPECT_EQ(member(card, "iconKind"), "bmp");
}

}  // namespace
}  // namespace orvane::cli
