#include "minicv/resume_mapping.h"

#include <gtest/gtest.h>

#include "minicv/element_table.h"
#include "minicv/resume_dates.h"
#include "minicv/zone_layout.h"

namespace orvane::minicv {
namespace {

TEST(DatePeriods, ReadIsoDatesAndRangesAndRefuseOtherText) {
  EXPECT_TRUE(isIsoDate("2019-05-20"));
  EXPECT_FALSE(isIsoDate("2019-13"));
  EXPECT_FALSE(isIsoDate("0999"));
  const auto same = [](std::string_view text, std::string start, std::string end) {
    const auto period = parseDatePeriod(text);
    ASSERT_TRUE(period) << text;
    EXPECT_EQ(period->start, start);
    EXPECT_EQ(period->end, end);
    EXPECT_EQ(parseDatePeriod(datePeriodText(*period))->start, start);
  };
  same("2019", "2019", "2019");
  same("2019-2021", "2019", "2021");
  same(" 2019-05 - 2021-03 ", "2019-05", "2021-03");
  same("2019-05-20-2021", "2019-05-20", "2021");
  same("2020-", "2020", "");
  EXPECT_FALSE(parseDatePeriod("depuis 2020"));
  EXPECT_FALSE(parseDatePeriod("2019-2021-xx"));
}

struct SheetResumes : ::testing::Test {
  SheetResumes() { sheet.open(false); }
  void zone(int zone, const std::string& text) { setZoneText(sheet, zone, RichText::fromPlainText(text)); }
  CvSheet sheet;
};

TEST_F(SheetResumes, ExportReadsColumnsBelowTheHeadingsAndNamesWhatHasNoPlace) {
  sheet["Edit1"].text = "Élise";
  sheet["Edit2"].text = "MARTIN";
  sheet["Edit3"].text = "34";
  sheet["Edit5"].text = "01 23";
  sheet["Edit6"].text = "06 12";
  sheet["Edit7"].text = "pas une adresse";
  sheet["Edit10"].text = "www.exemple.fr";
  zone(1, "Langue :\tniveau :\nanglais\tcourant\n\nitalien");
  zone(2, "INTITULE\tDATES\tQUALIFICATION\nGestion\t2019-2021\tdiplôme");
  zone(3, "SOCIETE\tDATES\tPOSTE\nLumen\tdepuis 2020\tcomptable\tParis");
  zone(4, "randonnée, piano\nvoile");

  const SheetResume out = resumeOfSheet(sheet);
  const Resume& r = out.resume;
  EXPECT_EQ(r.name, "Élise MARTIN");
  EXPECT_EQ(r.phone, "06 12");
  EXPECT_EQ(r.email, "");
  EXPECT_EQ(r.url, "http://www.exemple.fr");
  ASSERT_EQ(r.languages.size(), 2u);
  EXPECT_EQ(r.languages[1].language, "italien");
  EXPECT_EQ(r.languages[1].fluency, "");
  ASSERT_EQ(r.education.size(), 1u);
  EXPECT_EQ(r.education[0].startDate, "2019");
  EXPECT_EQ(r.education[0].endDate, "2021");
  EXPECT_EQ(r.education[0].studyType, "diplôme");
  ASSERT_EQ(r.work.size(), 1u);
  EXPECT_EQ(r.work[0].position, "comptable");
  EXPECT_EQ(r.work[0].startDate, "");
  EXPECT_EQ(r.interests, (std::vector<std::string>{"randonnée", "piano", "voile"}));
  EXPECT_EQ(out.dropped, (std::vector<std::string>{"e-mail", "fixed telephone", "age", "work[0] column 4",
                                                   "work[0].dates"}));
}

TEST_F(SheetResumes, ImportFillsTheSheetKeepsTheHeadingsAndReportsWhatDoesNotFit) {
  Resume r;
  r.name = "Jean DE LA FONTAINE";
  r.url = "http://fables.fr";
  r.address = "1 rue\nbâtiment B";
  r.city = "Paris";
  for (int i = 0; i < 12; ++i) r.work.push_back({"Société\t" + std::to_string(i), "poste", "2019-05", ""});
  const std::string heading = sheet["REdit3"].richText.firstLine();

  const std::vector<std::string> dropped = putResumeOnSheet(sheet, r);
  EXPECT_EQ(dropped, (std::vector<std::string>{"basics.location.city", "work[10]", "work[11]"}));
  EXPECT_EQ(sheet["Edit1"].text, "Jean");
  EXPECT_EQ(sheet["Edit2"].text, "DE LA FONTAINE");
  EXPECT_EQ(sheet["Edit9"].text, "bâtiment B");
  EXPECT_EQ(sheet.state.elemstat[webSiteElement], 1);
  const auto& lines = sheet["REdit3"].richText.paragraphs();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(sheet["REdit3"].richText.firstLine(), heading);
  EXPECT_EQ(resumeOfSheet(sheet).resume.work[0].name, "Société 0");
  EXPECT_EQ(resumeOfSheet(sheet).resume.work[9].startDate, "2019-05");
}

}  // namespace
}  // namespace orvane::minicv
