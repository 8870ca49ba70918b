#include <gtest/gtest.h>

#include "form_fixture.h"
#include "html/size_table.h"

namespace orvane::html {
namespace {

using minicv::ControlKind;

TEST(HtmlUnits, ColoursFontSizesAndTheSizeTable) {
  EXPECT_EQ(HTMLColor(rgb(0x12, 0xAB, 0x0F)), "#12AB0F");
  const std::pair<int, int> sizes[] = {{9, 1},  {10, 2}, {11, 2}, {12, 3}, {17, 4},
                                       {18, 5}, {23, 5}, {24, 6}, {36, 7}};
  for (const auto& [points, html] : sizes) EXPECT_EQ(HTMLSize(points), html) << points;
  EXPECT_EQ(PointSize(1), 8);
  EXPECT_EQ(PointSize(6), 24);
  EXPECT_EQ(PointSize(0), 36);
  EXPECT_EQ(browserSizes(THBrowserFamily::bfDefault).memoBaseHeight, 8);
  EXPECT_EQ(browserSizes(THBrowserFamily::bfSafari).memoBaseWidth, 151);
  EXPECT_EQ(browserSizes(THBrowserFamily::bfIE3).buttonMinTextWidth, 61);
  EXPECT_EQ(browserSizes(THBrowserFamily::bfOtherUnknownBrowser).editBaseWidth, 15);
  // IE4: d = 100 - 20 = 80 -> 1 + 80 div 7 + 1; a negative d still rounds up by one.
  EXPECT_EQ(editSizeFor(100, browserSizes(THBrowserFamily::bfIE4)), 13);
  EXPECT_EQ(editSizeFor(10, browserSizes(THBrowserFamily::bfIE4)), 2);
  EXPECT_EQ(memoColsFor(100, browserSizes(THBrowserFamily::bfIE4)), 10);
  EXPECT_EQ(memoRowsFor(60, browserSizes(THBrowserFamily::bfIE4)), 4);
  EXPECT_EQ(listBoxRowsFor(70, browserSizes(THBrowserFamily::bfIE4)), 4);
  EXPECT_EQ(escapeHtml("a&b<c>\"d'"), "a&amp;b&lt;c&gt;&quot;d'");
  EXPECT_EQ(withoutAmpersands("&Nom && pr&énom"), "Nom & prénom");
}

class Markup : public FormFixture {};

TEST_F(Markup, FieldsOfEveryKind) {
  const auto check = add(ControlKind::CheckBox, "CheckBox1", owner, 0, 0, 100, 20, "&Permis");
  tree.at(check).checked = true;
  tree.at(check).font = FontSpec{"Arial", 12, {true, false, true, false}, rgb(255, 0, 0)};
  EXPECT_EQ(Render(element("CheckBox1")),
            "<INPUT Checked Name=\"CheckBox1\" Type=\"checkbox\" Value=\"YES\">"
            "<FONT Face=\"Arial\" Size=\"3\" Color=\"#FF0000\"><B><U>Permis");

  const auto combo = add(ControlKind::ComboBox, "ComboBox1", owner, 0, 30, 40, 20);
  tree.at(combo).items = {"Paris=75", "Lyon = 69"};
  tree.at(combo).itemIndex = 1;
  EXPECT_EQ(Render(element("ComboBox1")),
            "<SELECT Name=\"ComboBox1\" Size=\"1\">\n<OPTION Value=\"75\">Paris\n"
            "<OPTION Selected Value=\"69\">Lyon\n</SELECT>");
  // A wider control pads its longest item: w = 34 + round(4 * 6.7) = 61, d = 19, p = round(19 / 6.7) + 1 = 4,
  // and round(4 * 1.2) blanks.
  tree.at(combo).width = 80;
  EXPECT_NE(Render(element("ComboBox1")).find(">Paris&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\n"), std::string::npos);

  add(ControlKind::Edit, "Edit1", owner, 0, 60, 100, 20, "texte");
  EXPECT_EQ(Render(element("Edit1")), "<INPUT Name=\"Edit1\" Size=\"13\" Type=\"text\" Value=\"texte\">");
  element("Edit1").attributes["BeforeElement"].SetValue("<P>");
  element("Edit1").attributes["AfterElement"].SetValue("</P>");
  element("Edit1").attributes["ExtraAttributes"].SetValue("onFocus=\"x()\"");
  EXPECT_EQ(Render(element("Edit1")),
            "<P>\n<INPUT onFocus=\"x()\" Name=\"Edit1\" Size=\"13\" Type=\"text\" Value=\"texte\">\n</P>");

  const auto memo = add(ControlKind::Memo, "Memo1", owner, 0, 90, 100, 60);
  tree.at(memo).lines = {"a", "b"};
  EXPECT_EQ(Render(element("Memo1")),
            "<TEXTAREA Cols=\"10\" Name=\"Memo1\" Rows=\"4\" Wrap=\"Physical\">a\r\nb\r\n</TEXTAREA>");

  const auto group = add(ControlKind::RadioGroup, "RadioGroup1", owner, 200, 0, 104, 66, "&Sexe");
  tree.at(group).items = {"M", "F", "X"};
  tree.at(group).columns = 2;
  tree.at(group).itemIndex = 1;
  // Caption height 16 + 2; rows of (66 - 18) div 2, columns of (104 - 4) div 2; items run down.
  const std::string font = "<FONT Face=\"Arial\" Size=\"2\" Color=\"#000080\">";
  EXPECT_EQ(
      Render(element("RadioGroup1")),
      "<TABLE Border=\"1\" Cellspacing=\"0\" Cellpadding=\"0\">\n<TR><TD Height=\"18\" Valign=\"middle\">" +
          font +
          "&nbsp;Sexe</TD>\n<TR><TD><TABLE Cellspacing=\"0\" Cellpadding=\"0\">\n"
          "<TR><TD Height=\"24\" Width=\"50\"><INPUT Type=\"radio\" Name=\"RadioGroup1\" Value=\"M\">" +
          font + "M</TD>\n<TD Width=\"50\"><INPUT Type=\"radio\" Name=\"RadioGroup1\" Value=\"X\">" + font +
          "X</TD></TR>\n<TR><TD Height=\"24\" Width=\"50\"><INPUT Type=\"radio\" Checked Name=\"RadioGroup1\""
          " Value=\"F\">" +
          font + "F</TD></TR>\n</TABLE>\n</TD></TR></TABLE>");

  // A group smaller than its caption gives its cells no room, not a negative size.
  const auto small = add(ControlKind::RadioGroup, "RadioGroup2", owner, 400, 0, 3, 10, "Sexe");
  tree.at(small).items = {"M", "F", "X", "Y"};
  tree.at(small).columns = 2;
  const std::string smallGroup = Render(element("RadioGroup2"));
  EXPECT_NE(smallGroup.find("<TD Height=\"0\" Width=\"0\">"), std::string::npos) << smallGroup;
  EXPECT_EQ(smallGroup.find("\"-"), std::string::npos) << smallGroup;

  const auto image = add(ControlKind::Image, "Image1", owner, 0, 160, 30, 40);
  tree.at(image).hint = "photo";
  converter().PhotoSrc = "photo.jpg";
  EXPECT_EQ(
      Render(element("Image1")),
      "<IMG SRC=\"photo.jpg\" Alt=\"photo\" Height=\"40\" Name=\"Image1\" Type=\"image\" Width=\"30\">");
}

TEST_F(Markup, DisabledFieldsAreTextAndButtonsArePadded) {
  const auto edit = add(ControlKind::Edit, "Edit1", owner, 0, 0, 100, 20, "figé");
  tree.at(edit).enabled = false;
  EXPECT_EQ(Render(element("Edit1")), "<FONT Face=\"Arial\" Size=\"2\" Color=\"#000080\">figé");
  EXPECT_EQ(GetSize(element("Edit1")), std::make_pair(28, 16));

  // "OK" measures 14: 14 + 7 + 4 = 25 < 40; " OK" gives 35, " OK " 46: a blank in front, then behind.
  add(ControlKind::Button, "Button1", owner, 0, 30, 40, 24, "&OK");
  EXPECT_EQ(Render(element("Button1")), "<INPUT Name=\"Button1\" Type=\"submit\" Value=\" OK \">");
  EXPECT_EQ(element("Button1").attributes["Value"].GetValue(), "OK");
  EXPECT_TRUE(element("Button1").attributes["Value"].isDefault());
}

TEST_F(Markup, TextFromTheSheetNeverBecomesMarkup) {
  add(ControlKind::Edit, "Edit1", owner, 0, 0, 100, 20, "\"><script>alert(1)</script>");
  add(ControlKind::Label, "Label1", owner, 0, 30, 100, 20, "R&&D <b>");
  const auto memo = add(ControlKind::Memo, "Memo1", owner, 0, 60, 100, 60);
  tree.at(memo).lines = {"</TEXTAREA><script>x</script>"};
  tree.at(owner).text = "CV </TITLE><script>";
  EXPECT_EQ(Render(element("Edit1")),
            "<INPUT Name=\"Edit1\" Size=\"13\" Type=\"text\" "
            "Value=\"&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;\">");
  EXPECT_EQ(Render(element("Label1")), "<FONT Face=\"Arial\" Size=\"1\" Color=\"#000000\">R&amp;D &lt;b&gt;");
  const std::string page = converter().Render();
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  EXPECT_NE(page.find("<TITLE>CV &lt;/TITLE&gt;&lt;script&gt;</TITLE>"), std::string::npos);
}

TEST_F(Markup, PanelBordersFontsAndBackground) {
  const auto panel = add(ControlKind::Panel, "Panel1", owner, 0, 0, 40, 20);
  converter().SetMainContainer(panel);
  EXPECT_TRUE(Render(*converter().root())
                  .starts_with("<TABLE Border=\"1\" Cellspacing=\"0\" Cellpadding=\"0\">\n<TR><TD>\n<TABLE"));
  converter().BrowserFamily = THBrowserFamily::bfNS4;
  EXPECT_TRUE(Render(*converter().root()).starts_with("<TABLE Border=\"2\""));
  converter().BGColor = "[same]";
  EXPECT_EQ(BGColorAttr(converter()), " BGColor=\"#F0F0F0\"");
  converter().BGColor = "Ivory";
  EXPECT_EQ(BGColorAttr(converter()), " BGColor=\"Ivory\"");
  converter().root()->attributes["Border"].SetValue("x");
  EXPECT_THROW(converter().Render(), std::runtime_error);

  add(ControlKind::Label, "Label1", panel, 0, 0, 30, 16, "Nom");
  converter().AlternateFonts = " Helvetica,sans-serif ";
  EXPECT_EQ(FontOpen(element("Label1"), std::nullopt),
            "<FONT Face=\"Arial,Helvetica,sans-serif\" Size=\"1\" Color=\"#000000\">");
  converter().SetFonts = false;
  EXPECT_EQ(FontOpen(element("Label1"), std::nullopt), "");
  EXPECT_EQ(FontOpen(element("Label1"), std::string("White")), "<FONT Color=\"White\">");
}

}  // namespace
}  // namespace orvane::html
