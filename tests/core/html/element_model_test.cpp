#include <gtest/gtest.h>

#include "form_fixture.h"

namespace orvane::html {
namespace {

using minicv::ControlKind;

TEST(HtmlAttributes, KeptSortedFoundWithoutCaseAndFollowTheirLiveDefault) {
  THAttributes list;
  list.Add("Value", "", AttributeKind::akText);
  list.Add("Checked", "", AttributeKind::akBoolean);
  list.Add("Name", "", AttributeKind::akText).SetFlag(afHTML, false);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Items(0).name(), "Checked");
  EXPECT_EQ(list.Items(2).name(), "Value");
  EXPECT_EQ(list.Find("nAmE"), &list.Items(1));
  EXPECT_EQ(list.Find("Absent"), nullptr);

  std::string live = "first";
  THAttribute& value = list["Value"];
  value.onGetDefault = [&](std::string& v) { v = live; };
  value.SetValue("first");
  live = "second";
  EXPECT_EQ(value.GetValue(), "second") << "a value equal to its default follows it";
  value.SetValue("fixed");
  live = "third";
  EXPECT_EQ(value.GetValue(), "fixed");
  EXPECT_EQ(list["Checked"].GetValue(), "False");
}

class ElementModel : public FormFixture {};

TEST_F(ElementModel, NamesPlainQualifiedAndRadioGroups) {
  const auto panel = add(ControlKind::Panel, "Panel1", owner, 0, 0, 300, 150);
  const auto group = add(ControlKind::GroupBox, "GroupBox2", panel, 10, 10, 200, 100);
  add(ControlKind::Edit, "Edit6", group, 10, 20, 100, 20);
  add(ControlKind::RadioButton, "RadioButton1", group, 10, 50, 100, 20);
  add(ControlKind::RadioButton, "RadioButton2", group, 10, 70, 100, 20);
  add(ControlKind::RadioButton, "RadioButton3", panel, 220, 10, 60, 20);

  EXPECT_EQ(value("Edit6", "Name"), "Edit6");
  EXPECT_EQ(value("RadioButton1", "Name"), "Radio");
  converter().QualifiedNames = true;
  EXPECT_EQ(value("Edit6", "Name"), "Form1_Panel1_GroupBox2_Edit6");
  EXPECT_EQ(value("RadioButton1", "Name"), "Form1_Panel1_GroupBox2_Radio");
  EXPECT_EQ(value("RadioButton2", "Name"), value("RadioButton1", "Name"));
  EXPECT_EQ(value("RadioButton3", "Name"), "Form1_Panel1_Radio");
  EXPECT_EQ(value("RadioButton1", "Value"), "RadioButton1");
  EXPECT_EQ(value("RadioButton2", "Value"), "RadioButton2");

  converter().SetMainContainer(panel);
  EXPECT_EQ(value("Edit6", "Name"), "Panel1_GroupBox2_Edit6");
  EXPECT_EQ(converter().FindByName("panel1"), converter().root());
  EXPECT_EQ(converter().FindByName("Nowhere"), nullptr);
}

TEST_F(ElementModel, LiveDefaultsAndElementsFollowTheControls) {
  const auto edit = add(ControlKind::Edit, "Edit1", owner, 0, 0, 100, 20, "design");
  THAttribute& text = element("Edit1").attributes["Value"];
  text.SetValue("design");
  tree.at(edit).text = "typed later";
  EXPECT_EQ(text.GetValue(), "typed later");
  text.SetValue("fixed");
  tree.at(edit).text = "again";
  EXPECT_EQ(text.GetValue(), "fixed");

  tree.at(edit).password = true;
  tree.at(edit).maxLength = 12;
  EXPECT_EQ(value("Edit1", "Type"), "password");
  EXPECT_EQ(value("Edit1", "Maxlength"), "12");

  // A control added after the tree was built gets its element; one taken away loses it, and the
  // others keep their values.
  const auto memo = add(ControlKind::Memo, "Memo1", owner, 0, 40, 100, 60);
  tree.at(memo).lines = {"un", "deux"};
  EXPECT_EQ(value("Memo1", "Text"), "un\r\ndeux\r\n");
  EXPECT_EQ(value("Memo1", "Wrap"), "Physical");
  tree.at(memo).parent = minicv::noControl;
  converter().Prepare();
  EXPECT_EQ(converter().FindByName("Memo1"), nullptr);
  EXPECT_EQ(value("Edit1", "Value"), "fixed");
  EXPECT_EQ(converter().root()->children.size(), 1u);
}

TEST_F(ElementModel, DependentAttributesFollowTheirOptions) {
  add(ControlKind::Button, "Button1", owner, 0, 0, 80, 24, "&OK");
  add(ControlKind::Image, "Image1", owner, 0, 40, 80, 60);
  add(ControlKind::Panel, "Panel1", owner, 100, 0, 80, 60);
  THControl& button = element("Button1");
  EXPECT_EQ(button.attributes["Type"].GetValue(), "submit");
  EXPECT_EQ(button.attributes["Value"].GetValue(), "OK");
  EXPECT_TRUE(button.attributes["Src"].hasFlag(afSuppressed));
  button.attributes["AsImage"].SetValue("True");
  EXPECT_EQ(button.attributes["Type"].GetValue(), "image");
  EXPECT_FALSE(button.attributes["Src"].hasFlag(afSuppressed));
  EXPECT_TRUE(button.attributes["Value"].hasFlag(afSuppressed));

  THControl& image = element("Image1");
  EXPECT_FALSE(image.attributes["Type"].hasFlag(afSuppressed));
  image.attributes["AsButton"].SetValue("False");
  EXPECT_TRUE(image.attributes["Type"].hasFlag(afSuppressed));
  EXPECT_TRUE(image.attributes["Name"].hasFlag(afSuppressed));
  EXPECT_EQ(image.attributes["Width"].GetValue(), "80");

  EXPECT_EQ(value("Panel1", "Border"), "1") << "the outer bevel of one pixel";
  converter().SetVersion("2.0");
  EXPECT_EQ(converter().Version(), "1.10");
}

TEST_F(ElementModel, LinksWrittenAndReadBack) {
  const auto panel = add(ControlKind::Panel, "Panel1", owner, 0, 0, 300, 150);
  add(ControlKind::Edit, "Edit1", panel, 0, 0, 100, 20, "a 'quoted'\ttext");
  add(ControlKind::CheckBox, "CheckBox1", panel, 0, 30, 100, 20, "Permis");
  converter().Attributes().attributes["Action"].SetValue("mailto:cv@example.org");
  element("Edit1").attributes["ExtraAttributes"].SetValue("onChange=\"go('x')\"");
  element("Panel1").attributes["Border"].SetValue("0");
  const std::string links = converter().WriteLinks();
  EXPECT_TRUE(links.starts_with("('<FORM>..</FORM>' ('Action' 'mailto:cv@example.org' 'AfterElement' ''"));
  EXPECT_NE(links.find("'Edit1' ("), std::string::npos);
  EXPECT_NE(links.find("'a ''quoted'''#9'text'"), std::string::npos);

  // Another converter over the same window takes the values back.
  TWHForm2HTML other(tree, owner, metrics, prompter);
  ASSERT_TRUE(other.LoadLinks(links));
  EXPECT_EQ(other.Attributes().attributes["Action"].GetValue(), "mailto:cv@example.org");
  EXPECT_EQ(other.FindByName("Edit1")->attributes["ExtraAttributes"].GetValue(), "onChange=\"go('x')\"");
  EXPECT_EQ(other.FindByName("Panel1")->attributes["Border"].GetValue(), "0");
  EXPECT_EQ(other.WriteLinks(), links);

  // Unknown names are passed over; a name given twice gets both sets of pairs, in order.
  ASSERT_TRUE(
      other.LoadLinks("('<FORM>..</FORM>' () 'Gone' ('Value' 'x') 'Edit1' ('Value' 'one' 'Nope' '1')"
                      " 'Edit1' ('Size' '9'))"));
  EXPECT_EQ(other.FindByName("Edit1")->attributes["Value"].GetValue(), "one");
  EXPECT_EQ(other.FindByName("Edit1")->attributes["Size"].GetValue(), "9");
  EXPECT_FALSE(other.LoadLinks("('<FORM>..</FORM>' ('Action'"));
  EXPECT_FALSE(readLinksText("not a list"));
}

TEST_F(ElementModel, ANewContainerTakesTheValuesOfElementsOfTheSameName) {
  const auto panel = add(ControlKind::Panel, "Panel1", owner, 0, 0, 300, 150);
  add(ControlKind::Edit, "Edit1", panel, 0, 0, 100, 20);
  element("Edit1").attributes["Maxlength"].SetValue("30");
  element("Panel1").attributes["Border"].SetValue("3");
  converter().SetMainContainer(panel);
  EXPECT_EQ(converter().root()->GetName(), "Panel1");
  EXPECT_EQ(value("Edit1", "Maxlength"), "30");
  EXPECT_EQ(value("Panel1", "Border"), "3");
  converter().SetMainContainer(minicv::noControl);
  EXPECT_EQ(converter().MainContainer(), owner);
  EXPECT_EQ(value("Edit1", "Maxlength"), "30");
}

}  // namespace
}  // namespace orvane::html
