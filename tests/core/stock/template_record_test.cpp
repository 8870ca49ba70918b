#include "stock/template_record.h"

#include <gtest/gtest.h>

#include "stock/length.h"

namespace orvane {

namespace {

TemplateRecord businessCards() {
  TemplateRecord record;
  record.attributes = {{"size", "A4"}, {"description", "A4 2 × 5, 85 × 54 mm"}};
  record.categories = {"business-card"};
  record.rectangle = XmlAttributes{{"width", "85mm"}, {"height", "54mm"}, {"round", "3mm"}};
  record.layouts = {
      {{"nx", "2"}, {"ny", "5"}, {"x0", "15mm"}, {"y0", "13.5mm"}, {"dx", "95mm"}, {"dy", "54mm"}}};
  return record;
}

std::string problemOf(const TemplateRecord& record) {
  const StockReading reading = readCardStock(record, StockSource::User, Language::French);
  EXPECT_FALSE(reading.stock);
  return reading.problem;
}

}  // namespace

TEST(TemplateLength, UnitsAreMillimetresCentimetresInchesAndPoints) {
  EXPECT_DOUBLE_EQ(*readLength("85mm").millimetres, 85);
  EXPECT_DOUBLE_EQ(*readLength("1.5cm").millimetres, 15);
  EXPECT_DOUBLE_EQ(*readLength("3.5in").millimetres, 88.9);
  EXPECT_DOUBLE_EQ(*readLength("72pt").millimetres, 25.4);
  EXPECT_DOUBLE_EQ(*readLength("144").millimetres, 50.8) << "a bare number is in points";
  EXPECT_EQ(readLength("85 mm").problem, LengthProblem::UnknownUnit);
  EXPECT_EQ(readLength("85px").problem, LengthProblem::UnknownUnit);
  for (const char* wrong : {"", "mm", "-3mm", "nanmm", "infmm", "1,5mm"})
    EXPECT_FALSE(readLength(wrong).millimetres) << wrong;
  EXPECT_EQ(decimalText(3.5), "3.5");
  EXPECT_EQ(decimalText(-0.001), "0");
  EXPECT_EQ(readDecimal("-1.5"), -1.5);
  EXPECT_FALSE(readDecimal("1.5mm"));
}

TEST(TemplateRecordReading, ATemplateGivesItsGeometryInMillimetresAndAnIdFromIt) {
  const StockReading reading = readCardStock(businessCards(), StockSource::Shipped, Language::French);
  ASSERT_TRUE(reading.stock) << reading.problem;
  const CardStock& stock = *reading.stock;
  EXPECT_EQ(stock.id, "a4-2x5-85x54");
  EXPECT_EQ(stock.name, "A4 2 × 5, 85 × 54 mm");
  EXPECT_EQ(stock.paper, (SizeMm{210, 297}));
  EXPECT_EQ(stock.cell, (SizeMm{85, 54}));
  EXPECT_EQ(stock.columns, 2);
  EXPECT_EQ(stock.rows, 5);
  EXPECT_EQ(stock.origin, (PointMm{15, 13.5}));
  EXPECT_EQ(stock.pitch, (PointMm{95, 54}));
  EXPECT_DOUBLE_EQ(stock.cornerRadius, 3);
  EXPECT_EQ(stock.cellCorner(1, 4), (PointMm{110, 229.5}));

  TemplateRecord letter = businessCards();
  letter.attributes = {{"size", "US-Letter"}, {"brand", "Maker"}, {"part", "123"}, {"_description", "Cards"}};
  letter.rectangle = XmlAttributes{{"width", "3.5in"}, {"height", "2in"}};
  letter.layouts = {
      {{"nx", "2"}, {"ny", "5"}, {"x0", "0.75in"}, {"y0", "0.5in"}, {"dx", "3.5in"}, {"dy", "2in"}}};
  const StockReading inches = readCardStock(letter, StockSource::System, Language::French);
  ASSERT_TRUE(inches.stock) << inches.problem;
  EXPECT_EQ(inches.stock->id, "letter-2x5-3.5x2in");
  EXPECT_EQ(inches.stock->name, "Maker 123 : Cards");
  EXPECT_NEAR(inches.stock->origin.x, 19.05, 1e-9);

  TemplateRecord other = businessCards();
  other.attributes = {{"size", "Other"}, {"width", "200mm"}, {"height", "300mm"}};
  const StockReading custom = readCardStock(other, StockSource::User, Language::French);
  ASSERT_TRUE(custom.stock) << custom.problem;
  EXPECT_EQ(custom.stock->id, "200x300mm-2x5-85x54");
}

TEST(TemplateRecordReading, ABadTemplateIsRefusedWithItsReason) {
  TemplateRecord unit = businessCards();
  unit.layouts[0]["dx"] = "95mmm";
  EXPECT_EQ(problemOf(unit), "unité de longueur inconnue : dx=\"95mmm\"");
  TemplateRecord missing = businessCards();
  missing.layouts[0].erase("y0");
  EXPECT_EQ(problemOf(missing), "attribut manquant : y0");
  TemplateRecord noRectangle = businessCards();
  noRectangle.rectangle.reset();
  EXPECT_EQ(problemOf(noRectangle), "attribut manquant : Label-rectangle");
  TemplateRecord tooWide = businessCards();
  tooWide.layouts[0]["nx"] = "3";
  EXPECT_EQ(problemOf(tooWide), "la grille de cartes dépasse la page");
  TemplateRecord tooMany = businessCards();
  tooMany.layouts[0]["ny"] = "100000";
  EXPECT_EQ(problemOf(tooMany), "valeur non valide : ny=\"100000\"");
  EXPECT_EQ(skippedTemplateMessage(Language::English, "/x/cards.xml", "invalid value : nx"),
            "Sheet template skipped in the file /x/cards.xml : invalid value : nx");
}

TEST(TemplateRecordReading, WhatIsNotCardStockIsPassedOverSilently) {
  TemplateRecord reference;
  reference.attributes = {{"brand", "Maker"}, {"part", "124"}, {"equiv", "123"}};
  TemplateRecord round;
  round.attributes = {{"size", "A4"}};
  round.otherShape = true;
  TemplateRecord labels = businessCards();
  labels.categories = {"label"};
  labels.attributes["description"] = "Address labels";
  for (const TemplateRecord& record : {reference, round}) {
    const StockReading reading = readCardStock(record, StockSource::User, Language::French);
    EXPECT_FALSE(reading.stock);
    EXPECT_EQ(reading.problem, "");
  }
  EXPECT_FALSE(readCardStock(labels, StockSource::System, Language::French).stock)
      << "only the system database's business cards are offered";
  EXPECT_TRUE(readCardStock(labels, StockSource::User, Language::French).stock);
  labels.categories.clear();
  labels.attributes["description"] = "Business Cards";
  EXPECT_TRUE(readCardStock(labels, StockSource::System, Language::French).stock);
}

TEST(CardStockIds, ATakenIdGetsANumber) {
  std::vector<CardStock> stocks(3);
  for (CardStock& stock : stocks) stock.id = "a4-2x5-85x54";
  makeIdsUnique(stocks);
  EXPECT_EQ(stocks[0].id, "a4-2x5-85x54");
  EXPECT_EQ(stocks[1].id, "a4-2x5-85x54-2");
  EXPECT_EQ(stocks[2].id, "a4-2x5-85x54-3");
  EXPECT_EQ(findStock(stocks, "a4-2x5-85x54-2"), &stocks[1]);
  EXPECT_EQ(findStock(stocks, "none"), nullptr);
}

}  // namespace orvane
