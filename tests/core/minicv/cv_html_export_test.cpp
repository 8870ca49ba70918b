#include "minicv/cv_html_export.h"

#include <gtest/gtest.h>

#include <map>

#include "html/links.h"
#include "minicv/cv_sheet.h"
#include "minicv/zone_layout.h"
#include "settings/settings.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"
#include "support/scripted_services.h"
#include "support/scripted_shell.h"
#include "temporary_folder.h"
#include "text/file_path.h"

namespace orvane::minicv {

namespace {

using Pairs = std::map<std::pair<std::string, std::string>, std::string>;

// Every (element, attribute) value of a written "Links" block.
Pairs linksPairs(std::string_view text) {
  const auto records = html::readLinksText(text);
  EXPECT_TRUE(records.has_value());
  Pairs pairs;
  std::string element;
  for (const html::THExtStored& record : records.value_or(html::THExtStoredList{})) {
    if (record.kind == 0)
      element = record.name;
    else
      pairs[{element, record.name}] = record.value;
  }
  return pairs;
}

struct CvHtml : ::testing::Test {
  orvane::testing::TemporaryFolder folder;
  ScriptedPrompter prompter;
  FixedTextMetrics metrics;
  ScriptedFileDialogs dialogs;
  ScriptedShell shell;
  ScriptedSettingsStore store;
  Settings settings{store, prompter, utf8Path(folder.path() / "root") + "/"};
  WorkingDirectories directories{settings};
  CvSheet sheet;
  CvHtmlExport cv{sheet, metrics, prompter};
  CvHtmlServices services{prompter, dialogs, shell, directories};

  CvHtml() {
    std::filesystem::create_directories(folder.path() / "root");
    cv.converter().clock = [] { return std::string("07/12/2026 12:00:00"); };
  }
  std::string subfolder(const std::string& name) {
    std::filesystem::create_directories(folder.path() / name);
    return utf8Path(folder.path() / name);
  }
  std::string attribute(const std::string& element, const std::string& name) {
    cv.converter().Prepare();
    return cv.converter().FindByName(element)->attributes[name].GetValue();
  }
};

}  // namespace

TEST_F(CvHtml, TheEditorsAttributesAreReadFromTheLinksBlockAndWrittenBackTheSame) {
  const Pairs wanted = linksPairs(cvLinksText());
  ASSERT_GT(wanted.size(), 200u);
  const Pairs written = linksPairs(cv.converter().WriteLinks());
  // Every element of the block exists on the sheet and every attribute took its value.
  for (const auto& [key, value] : wanted) {
    const auto found = written.find(key);
    ASSERT_NE(found, written.end()) << key.first << "." << key.second;
    EXPECT_EQ(found->second, value) << key.first << "." << key.second;
  }
  // And the written form, read into another editor's converter, gives the same values.
  CvSheet other;
  CvHtmlExport copy(other, metrics, prompter);
  cv.converter().FindByName("Edit3")->attributes["Size"].SetValue("5");
  ASSERT_TRUE(copy.converter().LoadLinks(cv.converter().WriteLinks()));
  EXPECT_EQ(linksPairs(copy.converter().WriteLinks()), linksPairs(cv.converter().WriteLinks()));
  EXPECT_FALSE(copy.converter().LoadLinks("('<FORM>..</FORM>' ("));
}

TEST_F(CvHtml, AttributesEqualToTheDesignValuesKeepFollowingTheSheet) {
  sheet["Edit1"].text = "Dupont";
  sheet["RadioButton2"].checked = true;
  sheet["CheckBox18"].checked = true;
  EXPECT_EQ(attribute("Edit1", "Value"), "Dupont");
  EXPECT_EQ(attribute("RadioButton2", "Checked"), "True");
  EXPECT_EQ(attribute("CheckBox18", "Checked"), "True");
  EXPECT_EQ(attribute("RadioButton4", "Name"), "Panel1_GroupBox4_radiogroup2_Radio");
  EXPECT_EQ(attribute("Edit17", "Size"), "7");
  EXPECT_EQ(cv.converter().BGColor, "navajowhite");
  EXPECT_EQ(cv.converter().ExportFName, "minicv-export.html");
}

TEST(CvHtmlQuestions, EnlargementAnswers) {
  EXPECT_EQ(enlargementFactor("3", ','), 1.5);
  EXPECT_EQ(enlargementFactor("abc", ','), 1.1);
  EXPECT_EQ(enlargementFactor("", '.'), 1.1);
  EXPECT_EQ(enlargementFactor(" 1,3 ", ','), 1.3);
  EXPECT_EQ(enlargementFactor("1.3", ','), 1.1);  // not the user's notation
  EXPECT_EQ(enlargementFactor("2", '.'), 2.0);
  EXPECT_EQ(enlargementFactor("1.05", '.'), 1.5);
  EXPECT_EQ(enlargementFactor("1.2e0", '.'), 1.2);
  EXPECT_EQ(enlargementFactor("inf", '.'), 1.1);
  EXPECT_EQ(enlargementFactor("1.2.3", '.'), 1.1);
}

TEST_F(CvHtml, TheQuestionsOfTheMenus) {
  ScriptedInputQuery query;
  query.answers = {"1,8", std::nullopt, "4", "7", std::nullopt};
  cv.facteuragrandissement(query, Language::French, ',');
  EXPECT_EQ(query.asked[0].title, "Facteur de grossissement");
  EXPECT_EQ(query.asked[0].prompt, "Veuillez entrer un nombre décimal (entre 1,1 et 2,0)");
  EXPECT_EQ(query.asked[0].proposed, "1,5");
  EXPECT_EQ(cv.factor(), 1.8);
  cv.facteuragrandissement(query, Language::French, ',');
  EXPECT_EQ(cv.factor(), 1.8);  // cancelled
  cv.browser(query);
  EXPECT_EQ(query.asked[2].title, "Propriétés de conversion html");
  EXPECT_EQ(query.asked[2].prompt,
            "Veuillez sélectionner le type de browser : nombre de 1 à 6\n\n1: default - 2: chrome - 3: IE5 "
            "plus\n4: Mozilla 5 - 5: Edge - 6: Opera");
  EXPECT_EQ(query.asked[2].proposed, "1");
  EXPECT_EQ(cv.browserNumber(), 6);
  cv.browser(query);
  EXPECT_EQ(cv.browserNumber(), 0);
  cv.browser(query);
  EXPECT_EQ(cv.browserNumber(), 0);
  EXPECT_EQ(browserFamilyNumber("2"), 8);
  EXPECT_EQ(browserFamilyNumber("3"), 3);
}

TEST_F(CvHtml, BackgroundColourByNameOrDigits) {
  cv.backgroundChosen(rgb(0, 0, 128));
  EXPECT_EQ(cv.converter().BGColor, "Navy");
  cv.backgroundChosen(rgb(0x12, 0xAB, 0xF0));
  EXPECT_EQ(cv.converter().BGColor, "12ABF0");
}

TEST_F(CvHtml, ExportFolders) {
  const std::string root = utf8Path(folder.path() / "root") + "/";
  EXPECT_EQ(exportTarget("a.html", "", "", root).path, root + "a.html");
  const std::string parameters = subfolder("param");
  const std::string exportFolder = subfolder("export");
  EXPECT_EQ(exportTarget("a.html", parameters, "", root).path, parameters + "\\a.html");
  EXPECT_EQ(exportTarget("a.html", parameters, exportFolder, root).path, exportFolder + "\\a.html");
  EXPECT_EQ(exportTarget("a.html", parameters, exportFolder, root).folder, exportFolder);
  EXPECT_EQ(exportTarget("a.html", parameters, parameters + "/absent", root).path, parameters + "\\a.html");
  EXPECT_FALSE(validFolder("/"));  // too short
}

TEST_F(CvHtml, ExportingTwiceAsksForANameTheSecondTime) {
  store.values["Répertoire paramêtres"] = "";
  const auto first = cv.exporter(services);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(*first, utf8Path(folder.path() / "root") + "/minicv-export.html");
  EXPECT_TRUE(dialogs.saveRequests.empty());
  EXPECT_EQ(prompter.texts().back(), "Le fichier HTML a été exporté à l'endroit suivant : " + *first);
  EXPECT_NE(orvane::testing::readBytes(nativePath(*first)).find("Panel1_GroupBox1_Edit1"), std::string::npos);

  // The target exists: cancelling the dialog writes nothing; a name chosen is used from then on.
  EXPECT_FALSE(cv.exporter(services).has_value());
  ASSERT_EQ(dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(dialogs.saveRequests[0].filter, "HTML files|*.html;HTM files|*.htm");
  EXPECT_EQ(dialogs.saveRequests[0].defaultExtension, "htm");
  const std::string chosen = utf8Path(folder.path() / "autre.htm");
  dialogs.choose(chosen, "htm");
  EXPECT_EQ(cv.exporter(services), chosen);
  EXPECT_EQ(cv.converter().ExportFName, chosen);
  EXPECT_TRUE(std::filesystem::exists(nativePath(chosen)));
  // The folders still decide where the next page goes, under the name chosen.
  store.values["Répertoire exportation"] = subfolder("export");
  EXPECT_EQ(cv.exporter(services), subfolder("export") + "\\autre.htm");
}

TEST_F(CvHtml, TheSheetIsEnlargedForTheConverterOnlyAndAFailureIsNotReportedAsDone) {
  const ControlTree before = sheet.tree;
  std::string page;
  cv.converter().OnAfterRendering = [&](ControlId id, html::THControl&) {
    if (sheet.tree.at(id).name == "Panel1") page = std::to_string(sheet["zImage1"].width);
  };
  const std::string path = utf8Path(folder.path() / "cv.html");
  ASSERT_TRUE(cv.exportTo(path));
  EXPECT_EQ(page, "165");
  for (ControlId id = 0; id < static_cast<ControlId>(before.size()); ++id) {
    EXPECT_NEAR(sheet.tree.at(id).left, before.at(id).left, 1);
    EXPECT_NEAR(sheet.tree.at(id).width, before.at(id).width, 1);
  }
  store.values["Répertoire exportation"] = subfolder("export");
  std::filesystem::create_directories(folder.path() / "export" / "minicv-export.html");  // cannot be written
  dialogs.choose(utf8Path(folder.path() / "absent" / "x.html"), "htm");
  EXPECT_FALSE(cv.exporter(services).has_value());
  EXPECT_EQ(prompter.texts().back().rfind("Cannot create file '", 0), 0u);
}

// Every control the sheet shows, at any depth, was written into the page.
void expectEveryShownControlWritten(const ControlTree& tree, const html::THControl& container) {
  for (const auto& child : container.children) {
    if (!tree.showing(child->control())) continue;
    EXPECT_TRUE(child->rendered) << child->GetName();
    expectEveryShownControlWritten(tree, *child);
  }
}

TEST_F(CvHtml, ThePageHoldsEveryControlTheSheetShows) {
  sheet.open(false);
  const std::string path = utf8Path(folder.path() / "cv.html");
  ASSERT_TRUE(cv.exportTo(path));
  EXPECT_TRUE(prompter.texts().empty()) << prompter.texts().front();
  expectEveryShownControlWritten(sheet.tree, *cv.converter().root());
  // Zones filled in grow taller; the page still holds them all.
  for (int zone = 1; zone <= zoneCount; ++zone) {
    RichText text;
    for (int line = 0; line < 3; ++line) text.paragraphs().push_back({{{"ligne", sheet.state.fonts.form}}});
    setZoneText(sheet, zone, text);
  }
  ASSERT_TRUE(cv.exportTo(path));
  EXPECT_TRUE(prompter.texts().empty()) << prompter.texts().front();
  expectEveryShownControlWritten(sheet.tree, *cv.converter().root());
}

TEST_F(CvHtml, BrowsingOpensThePageByItsWholePathAndLeavingReleasesTheSheet) {
  // The page's own name is relative to the current folder; the desktop is given the whole path.
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  const bool browsed = cv.explorer(services);
  std::filesystem::current_path(before);
  ASSERT_TRUE(browsed);
  EXPECT_EQ(cv.converter().ExportFName, "minicv-export.html");
  EXPECT_EQ(shell.opened, std::vector<std::string>{utf8Path(folder.path() / "minicv-export.html")});
  cv.converter().ExportFName = utf8Path(folder.path() / "vue.html");
  cv.release();
  EXPECT_NE(cv.converter().MainContainer(), sheet.tree.find("Panel1"));
  ASSERT_TRUE(cv.exportTo(cv.converter().ExportFName));
  EXPECT_EQ(cv.converter().MainContainer(), sheet.tree.find("Panel1"));
  EXPECT_EQ(attribute("Panel1", "Border"), "1");
}

TEST(CvHtmlPhoto, ThePhotoIsReferredToFromThePagesFolder) {
  EXPECT_EQ(photoSource("/cv/photos/moi.bmp", "/cv/page.html"), ".\\photos/moi.bmp");
  EXPECT_EQ(photoSource("/cv/moi.bmp", "/cv/export/page.html"), "/cv/moi.bmp");
  EXPECT_EQ(photoSource("/cvx/moi.bmp", "/cv/page.html"), "/cvx/moi.bmp");
  // A photo named from the current folder is found from wherever the page goes.
  EXPECT_EQ(photoSource("moi.bmp", "/ailleurs/page.html"),
            utf8Path(std::filesystem::current_path() / "moi.bmp"));
  EXPECT_EQ(photoSource("", "/cv/page.html"), "");
}

TEST_F(CvHtml, ChoosingTheExportFolder) {
  CvHtmlExport::exportpathname(std::nullopt, directories);
  EXPECT_EQ(settings.readSetting(SettingKind::ExportDirectory), "");
  CvHtmlExport::exportpathname(subfolder("export"), directories);
  EXPECT_EQ(settings.readSetting(SettingKind::ExportDirectory), subfolder("export"));
}

}  // namespace orvane::minicv
