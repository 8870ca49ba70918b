#include <gtest/gtest.h>

#include "form_fixture.h"
#include "html/placer.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_shell.h"
#include "temporary_folder.h"

namespace orvane::html {
namespace {

using minicv::ControlKind;

const std::string labelFont = "<FONT Face=\"Arial\" Size=\"1\" Color=\"#000000\">";
const std::string label = " Align=\"left\" VAlign=\"bottom\">" + labelFont;

class Layout : public FormFixture {
 protected:
  // Labels two characters wide measure 14 by 16 pixels: 4 by 4 cells.
  void addLabel(const std::string& name, int left, int top, const std::string& text = "Ab") {
    add(ControlKind::Label, name, owner, left, top, 10, 10, text);
  }
};

TEST_F(Layout, ControlsBecomeCellsOfMergedColumnsAndRows) {
  tree.at(owner).width = 60;
  tree.at(owner).height = 16;
  addLabel("L1", 0, 0, "a1");
  addLabel("L2", 20, 0, "a2");
  addLabel("L3", 40, 0, "a3");
  addLabel("L4", 40, 16, "b3");
  addLabel("L5", 0, 32, "c1");
  // The empty cell before L4 is written; the two after L5 are not.
  EXPECT_EQ(Render(*converter().root()),
            "<TABLE Cellspacing=\"0\" Cellpadding=\"0\">\n<TR>"
            "\n<TD Height=\"16\" Width=\"20\"" +
                label +
                "a1</TD>"
                "\n<TD Width=\"20\"" +
                label +
                "a2</TD>"
                "\n<TD Width=\"20\"" +
                label +
                "a3</TD></TR>"
                "\n<TR><TD Height=\"16\"></TD><TD></TD>"
                "\n<TD" +
                label +
                "b3</TD></TR>"
                "\n<TR><TD Height=\"16\"" +
                label +
                "c1</TD></TR>"
                "\n</TABLE>\n");
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(converter().root()->placer->columns(), 15);
  EXPECT_EQ(converter().root()->placer->rows(), 12);
}

TEST_F(Layout, SpansDisabledEditsAndRightAlignedLabels) {
  tree.at(owner).width = 40;
  tree.at(owner).height = 8;
  addLabel("Wide", 0, 0, "abcdefgh");  // 56 pixels over the two merged columns the next label makes
  addLabel("Low", 20, 16);
  const std::string page = Render(*converter().root());
  EXPECT_NE(page.find("<TD Height=\"16\" Width=\"20\" Colspan=\"2\"" + label + "abcdefgh</TD>"),
            std::string::npos)
      << page;

  // A disabled edit sits 4 pixels further right and down: at cell (1, 1) rather than (0, 0).
  const auto edit = add(ControlKind::Edit, "Edit1", owner, 0, 40, 100, 20, "x");
  tree.at(edit).enabled = false;
  converter().Render();
  EXPECT_EQ(element("Edit1").startRow, 2) << "the row of 4 pixels above it is merged on its own";

  // Without the form's fonts, a label whose field lies to its right is written against its right edge.
  add(ControlKind::Edit, "Edit2", owner, 200, 100, 50, 20);
  const auto caption = add(ControlKind::Label, "Label9", owner, 100, 100, 90, 16, "Nom");
  tree.at(caption).focusControl = "Edit2";
  converter().SetFonts = false;
  const std::string plain = converter().Render();
  EXPECT_TRUE(element("Label9").rightAligned);
  EXPECT_NE(plain.find("Align=\"right\" VAlign=\"top\">Nom</TD>"), std::string::npos) << plain;
}

TEST_F(Layout, OverlappedControlsAreNamedOrLeftOut) {
  tree.at(owner).width = 40;
  tree.at(owner).height = 8;
  addLabel("Label2", 0, 0, "abcdef");  // 11 cells wide
  addLabel("Label1", 8, 0, "ab");      // over three of them: its cell lies in Label2's span
  addLabel("Hidden", 0, 20, "ab");
  addLabel("Cover", 0, 20, "abcd");  // covers Hidden completely: it is left out without notice
  const std::string page = converter().Render();
  EXPECT_EQ(page.find(">ab</TD>"), std::string::npos);
  EXPECT_NE(page.find(">abcd</TD>"), std::string::npos);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].title, "Lost controls");
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Warning);
  EXPECT_EQ(prompter.shown[0].text,
            "The following controls couldn't be rendered\nbecause overlapped in the target form :\n- Label1\n"
            "Some controls are too close together in the source form.\nSpread them and try again...");
}

TEST_F(Layout, HugeSizesAreCutAndTheirControlsStayOnThePage) {
  add(ControlKind::Edit, "Edit1", owner, 0, 0, 100, 20);
  add(ControlKind::Memo, "Memo1", owner, 0, 40, 100, 40);
  add(ControlKind::ListBox, "List1", owner, 0, 100, 100, 40);
  const minicv::ControlId panel = add(ControlKind::Panel, "Panel1", owner, 200, 100, 30000, 30000);
  addLabel("Far", 0, 0);
  tree.at(tree.find("Far")).parent = panel;
  tree.at(tree.find("Far")).left = 29000;
  element("Edit1").attributes["Size"].SetValue("2147483647");
  element("Memo1").attributes["Cols"].SetValue("300000000");
  element("List1").attributes["Size"].SetValue("2147483647");
  EXPECT_EQ(GetSize(element("Edit1")).first, largestExtent);
  EXPECT_EQ(GetSize(element("Memo1")).first, largestExtent);
  EXPECT_EQ(GetSize(element("List1")).second, largestExtent);
  // The panel's grid spans its whole area, with the border around it.
  EXPECT_EQ(GetSize(element("Panel1")), std::make_pair(30002, 30002));
  const std::string page = converter().Render();
  for (const char* name : {"Name=\"Edit1\"", "Name=\"Memo1\"", "Name=\"List1\"", ">Ab</TD>"})
    EXPECT_NE(page.find(name), std::string::npos) << name;
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Layout, ThePageAroundTheFormAndItsEvents) {
  tree.at(owner).width = 20;
  tree.at(owner).height = 16;
  add(ControlKind::CheckBox, "CheckBox1", owner, 0, 0, 20, 16, "X");
  converter().Attributes().attributes["AfterElement"].SetValue("<P>fin</P>");
  std::vector<std::string> calls;
  converter().OnBeforeRendering = [&](minicv::ControlId, THControl& e) {
    calls.push_back("before " + e.GetName());
  };
  converter().OnAfterRendering = [&](minicv::ControlId, THControl& e) {
    calls.push_back("after " + e.GetName());
  };
  converter().OnRendering = [&](minicv::ControlId, THControl& e, std::string& output) {
    if (e.GetName() == "CheckBox1") output = "[box]";
  };
  EXPECT_EQ(converter().Render(),
            "<HTML>\n<HEAD>\n<META charset=\"windows-1252\">\n<TITLE>Mon CV</TITLE>\n<BODY>\n\n"
            "<!-- Generated on 07/12/2026 12:00:00 by TWHForm2HTML,\nthe FORM to HTML converter component.\n"
            "Part of Orvane, the editor of business cards and mini-CVs.\n"
            "Each control of the form is written in one cell of a table. -->\n\n"
            "<FORM Method=\"post\"><TABLE Cellspacing=\"0\" Cellpadding=\"0\">\n<TR>"
            "\n<TD Height=\"20\" Width=\"28\" Align=\"left\" VAlign=\"top\">[box]</TD></TR>\n</TABLE>\n"
            "</FORM>\n<P>fin</P></BODY>\n</HTML>\n");
  EXPECT_EQ(calls,
            (std::vector<std::string>{"before Form1", "before CheckBox1", "after CheckBox1", "after Form1"}));

  converter().ChunkOnly = true;
  EXPECT_TRUE(converter().Render().starts_with("<!-- Generated on"));
  EXPECT_TRUE(converter().Render().ends_with("</FORM>\n<P>fin</P>"));
}

class Export : public FormFixture {
 protected:
  testing::TemporaryFolder folder;
  ScriptedFileDialogs dialogs;
  ScriptedShell shell;
};

TEST_F(Export, ThePageIsWrittenInWindows1252) {
  EXPECT_FALSE(converter().ExportToFile()) << "no file name";
  EXPECT_TRUE(prompter.shown.empty());
  add(ControlKind::Edit, "Edit1", owner, 0, 0, 100, 20, "été 5 € ✓");
  converter().ExportFName = folder.file("cv.html");
  ASSERT_TRUE(converter().ExportToFile());
  const std::string bytes = testing::readBytes(folder.path() / "cv.html");
  EXPECT_NE(bytes.find("Value=\"\xE9t\xE9 5 \x80 &#10003;\""), std::string::npos);

  converter().ExportFName = folder.file("missing/cv.html");
  EXPECT_FALSE(converter().ExportToFile());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Cannot create file '" + folder.file("missing/cv.html") + "' !");
  EXPECT_EQ(prompter.shown[0].title, "Export HTML");
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Error);
}

TEST_F(Export, TheDialogNamesTheFileAndTheBrowserOpensIt) {
  EXPECT_FALSE(converter().ExportWithDialog(dialogs)) << "cancelled";
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].title, " Export HTML");
  EXPECT_EQ(dialogs.saveRequests[0].filter, "HTML files (*.HTML)|*.HTML|All files (*.*)|*.*");
  EXPECT_EQ(dialogs.saveRequests[0].defaultExtension, "HTML");

  dialogs.choose(folder.file("page.htm"), "HTML");
  ASSERT_TRUE(converter().Browse(dialogs, shell));
  EXPECT_EQ(converter().ExportFName, folder.file("page.html"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "page.html"));
  EXPECT_EQ(shell.opened, std::vector<std::string>{folder.file("page.html")});

  dialogs.choose(folder.file("PAGE.HTM"), "HTML");
  ASSERT_TRUE(converter().ExportWithDialog(dialogs));
  EXPECT_EQ(converter().ExportFName, folder.file("PAGE.HTML"));

  shell.fail = true;
  EXPECT_FALSE(converter().Browse(dialogs, shell)) << "the name is known: no dialog";
  EXPECT_EQ(dialogs.saveRequests.size(), 3u);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Cannot open file '" + folder.file("PAGE.HTML") + "' !");
  EXPECT_EQ(prompter.shown[0].title, "Browse");
}

}  // namespace
}  // namespace orvane::html
