#include <gtest/gtest.h>

#include <filesystem>

#include "cardfile/save_name.h"
#include "catalogue/catalogue.h"
#include "minicv/change_tracking.h"
#include "minicv/cv_file_load.h"
#include "minicv/cv_file_save.h"
#include "minicv/cv_load_commands.h"
#include "minicv/element_switching.h"
#include "minicv/element_table.h"
#include "minicv/zone_layout.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_picture_service.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"
#include "text/file_path.h"

namespace orvane::minicv {

namespace fs = std::filesystem;
using orvane::testing::readBytes;
using orvane::testing::TemporaryFolder;
using orvane::testing::writeBytes;

namespace {

const fs::path fixtures = fs::path(ORVANE_TEST_DATA) / "minicv";

std::string french(int id) { return catalogue::text(Language::French, id); }

}  // namespace

class CvFileTest : public ::testing::Test {
 protected:
  CvFileTest() { sheet.open(false); }

  // A copy of the hand-written CV and its files in the test's folder.
  std::string copyFixture() {
    fs::copy(fixtures, folder.path(), fs::copy_options::recursive);
    pictures.files[folder.file("photo.bmp")] = Image(2, 2);
    return folder.file("handwritten.ov4");
  }
  bool load(const std::string& path, CvReportMode mode = CvReportMode::Ask) {
    return loadCvFile(sheet, session, path, mode, services.read());
  }
  SavedCvFile save(CvSheet& from, const std::string& name, std::string_view extension = "ov4") {
    dialogs.choose(folder.file(name), extension);
    return sauvegarder1Click(from, session, services);
  }
  void writeZoneFiles(const std::string& base) {
    fs::create_directories(folder.path() / "element");
    for (int zone = 1; zone <= zoneCount; ++zone)
      writeBytes(folder.path() / "element" / ("R" + std::to_string(zone) + base + ".rtf"),
                 "{\\rtf1\\ansi x\\par}");
  }
  void writeCv(const std::string& name, const std::array<std::string, cvLineCount>& values) {
    std::string bytes;
    for (const std::string& line : cvFileLines(values)) bytes += line + "\r\n";
    writeBytes(folder.path() / name, bytes);
  }

  TemporaryFolder folder;
  TemporaryFolder workingCopies;
  ScriptedPrompter prompter;
  ScriptedFileDialogs dialogs;
  ScriptedSettingsStore store;
  Settings settings{store, prompter, folder.file("")};
  WorkingDirectories directories{settings};
  CompanionFiles companions{prompter, Language::French};
  FixedTextMetrics metrics;
  ScriptedPictureService pictures;
  CvFileServices services{dialogs, directories, companions, prompter, metrics, pictures};
  CvFileSession session;
  CvSheet sheet;

  void SetUp() override { companions.workingCopyFolder = utf8Path(workingCopies.path()); }
};

// --- Loading one file -------------------------------------------------------------------------

TEST_F(CvFileTest, AHandWrittenFileLoadsEveryLine) {
  const Colour background = sheet.window().colour;
  ASSERT_TRUE(load(copyFixture()));

  EXPECT_EQ(formatElementStates(sheet.state.elemstat), "1101111001111111");
  EXPECT_EQ(sheet.state.fileElemstat, "1101111001111111");
  EXPECT_FALSE(sheet["Edit3"].visible);  // age off
  EXPECT_TRUE(sheet["RadioButton3"].checked);
  EXPECT_FALSE(sheet["RadioButton1"].checked);
  EXPECT_TRUE(sheet["RadioButton4"].checked);
  EXPECT_TRUE(sheet["CheckBox17"].checked);
  EXPECT_FALSE(sheet["CheckBox18"].checked);
  EXPECT_TRUE(sheet["CheckBox19"].checked);
  EXPECT_EQ(sheet["Edit1"].text, "Élise");
  EXPECT_EQ(sheet["Edit17"].text, "française");
  // Only the first colon separates label and value; "**" counts only in the header.
  EXPECT_EQ(sheet["Edit9"].text, "** bâtiment B : 3e étage");
  EXPECT_EQ(sheet["Edit10"].text, "http://www.exemple.fr:8080/cv");
  EXPECT_EQ(sheet["Label11"].text, "Langues parlées");
  EXPECT_EQ(sheet["Label14"].text, "Loisirs");

  // An unknown language is told in French and read as French.
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{french(171)});
  EXPECT_EQ(sheet.state.language, Language::French);
  // A background of 100 or less is no colour.
  EXPECT_EQ(sheet.window().colour, background);

  const CvFonts& fonts = sheet.state.fonts;
  EXPECT_EQ(fonts.form, (FontSpec{"Arial", 10, {true, false, false}, 255}));
  EXPECT_EQ(fonts.zone, (FontSpec{"Times New Roman", 11, {false, true, false}, 0xFF0000}));
  EXPECT_EQ(sheet["Edit1"].font, fonts.zone);
  EXPECT_EQ(sheet["Label1"].font, fonts.form);

  EXPECT_EQ(sheet["REdit1"].richText.plainText(), "Langue :            niveau :\nanglais\tcourant");
  EXPECT_EQ(sheet["REdit2"].richText.paragraphs().size(), 2u);
  // Zone 4 is named in a folder that does not exist: its bare name is found beside the file.
  EXPECT_EQ(sheet["REdit4"].richText.plainText(), "randonnée, piano");
  EXPECT_EQ(sheet["REdit2"].height, 2 * zoneLineHeight);
  EXPECT_EQ(fs::path(sheet.state.photoFile).filename(), "photo.bmp");
  EXPECT_EQ(sheet["zImage1"].picturePath, sheet.state.photoFile);

  EXPECT_GE(sheet.window().height, 700);
  EXPECT_TRUE(sheet.state.cvLoaded);
  EXPECT_EQ(session.rememberedFile, folder.file("handwritten.ov4"));
}

TEST_F(CvFileTest, NamesFoundFromARelativePathStayValidElsewhere) {
  copyFixture();
  const fs::path before = fs::current_path();
  fs::current_path(folder.path());
  const bool loaded = load("handwritten.ov4", CvReportMode::Silent);
  fs::current_path(before);
  ASSERT_TRUE(loaded);
  EXPECT_TRUE(fs::path(sheet.state.photoFile).is_absolute());
}

TEST_F(CvFileTest, AFileInAnotherLanguageRecaptionsTheEditorButKeepsItsZoneTitles) {
  std::array<std::string, cvLineCount> values = cvFileValues(CvSheet(), "cv");
  for (int zone = 0; zone < zoneCount; ++zone) values[cvLineZone1File + zone] = "";
  values[cvLineLanguage] = "en";
  values[cvLineZone1Title] = "Mes langues";
  values[cvLineBackground] = "255";
  values[cvLineWidthPercent] = "105";
  values[cvLinePhoto] = "";
  writeCv("anglais.ov4", values);
  const int width = sheet.window().width;

  ASSERT_TRUE(load(folder.file("anglais.ov4"), CvReportMode::Silent));
  EXPECT_EQ(sheet.state.language, Language::English);
  EXPECT_EQ(sheet["Label1"].text, CvSheet(Language::English)["Label1"].text);
  EXPECT_EQ(sheet["Label11"].text, "Mes langues");
  EXPECT_EQ(sheet["Label12"].text, catalogue::text(Language::French, 16));
  EXPECT_EQ(sheet.window().colour, 255u);
  EXPECT_EQ(sheet.window().width, (width * 105 + 50) / 100);
}

TEST_F(CvFileTest, ProblemsAreToldAsTheModeSays) {
  std::array<std::string, cvLineCount> values = cvFileValues(CvSheet(), "absent");
  values[cvLineElements] = "1111111001111111";
  values[cvLinePhoto] = "";
  writeCv("cv.ov4", values);
  const std::string zoneMissing = french(145) + "1" + french(146);

  // Asking: OK goes on, each missing zone switches its element off; the empty photo is asked too.
  ASSERT_TRUE(load(folder.file("cv.ov4")));
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{zoneMissing, french(145) + "2" + french(146),
                                                        french(145) + "3" + french(146),
                                                        french(145) + "4" + french(146), french(144)}));
  EXPECT_EQ(formatElementStates(sheet.state.elemstat), "0111111001100001");

  // Abort stops at once; reporting stops after one message; silent stops without a word.
  CvSheet second;
  prompter.shown.clear();
  prompter.answers = {Answer::Abort};
  EXPECT_FALSE(loadCvFile(second, session, folder.file("cv.ov4"), CvReportMode::Ask, services.read()));
  EXPECT_FALSE(second.state.cvLoaded);
  EXPECT_FALSE(loadCvFile(second, session, folder.file("cv.ov4"), CvReportMode::Report, services.read()));
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{zoneMissing, zoneMissing}));
  EXPECT_FALSE(loadCvFile(second, session, folder.file("cv.ov4"), CvReportMode::Silent, services.read()));
  EXPECT_EQ(prompter.shown.size(), 2u);
}

TEST_F(CvFileTest, APhotoThatCannotBeReadIsToldAndItsEmptyFrameSwitchedOff) {
  std::array<std::string, cvLineCount> values = cvFileValues(CvSheet(), "cv");
  values[cvLineElements] = "1111111001111111";
  values[cvLinePhoto] = "portrait.bmp";
  writeCv("cv.ov4", values);
  writeZoneFiles("cv");
  writeBytes(folder.path() / "portrait.bmp", "BM pas une image");

  EXPECT_FALSE(load(folder.file("cv.ov4"), CvReportMode::Report));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{french(114)});

  prompter.shown.clear();
  ASSERT_TRUE(load(folder.file("cv.ov4"), CvReportMode::Ask));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{french(114)});
  EXPECT_EQ(sheet.state.elemstat[photoElement], 0);
  EXPECT_FALSE(sheet["zImage1"].visible);
  EXPECT_EQ(sheet["zImage1"].picturePath, "");
  // The name stays the CV's: saved again, the file still names its photo.
  EXPECT_EQ(fs::path(sheet.state.photoFile).filename(), "portrait.bmp");

  // Readable, the same photo is shown in its frame.
  pictures.files[folder.file("portrait.bmp")] = Image(20, 30);
  prompter.shown.clear();
  ASSERT_TRUE(load(folder.file("cv.ov4"), CvReportMode::Silent));
  EXPECT_EQ(sheet.state.elemstat[photoElement], 1);
  EXPECT_TRUE(sheet["zImage1"].visible);
  EXPECT_EQ(sheet["zImage1"].picturePath, folder.file("portrait.bmp"));
}

TEST_F(CvFileTest, ValuesBeyondTheirControlsRangesAreHeldAndToldOnce) {
  std::array<std::string, cvLineCount> values = cvFileValues(CvSheet(), "cv");
  // Lines slipped: a colour lands among the percentages.
  values[cvLineWidthPercent] = "8323072";
  values[cvLineHeightPercent] = "une hauteur bien trop longue";
  values[cvLineFormFontName + 1] = "30000";
  values[cvLineZoneFontName + 1] = "2";
  writeCv("cv.ov4", values);
  writeZoneFiles("cv");
  const int width = sheet.window().width;

  ASSERT_TRUE(load(folder.file("cv.ov4"), CvReportMode::Report));
  EXPECT_EQ(sheet.state.widthPercentage, "105");
  EXPECT_EQ(sheet.state.heightPercentage, "100");
  EXPECT_EQ(sheet.window().width, (width * 105 + 50) / 100);
  EXPECT_EQ(sheet.state.fonts.form.size, 10);
  EXPECT_EQ(sheet.state.fonts.zone.size, 8);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{french(187) + "\n19 - % de largeur : 8323072 -> 105"
                                                   "\n20 - % de hauteur : une hauteur bien tro... -> 100"
                                                   "\n22 - taille police formulaire  : 30000 -> 10"
                                                   "\n26 - taille police zones texte  : 2 -> 8"});
  // The file still holds what was read: the values kept are a change to save.
  EXPECT_TRUE(hasUnsavedChanges(sheet));

  prompter.shown.clear();
  ASSERT_TRUE(load(folder.file("cv.ov4"), CvReportMode::Silent));
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(CvFileTest, FieldsZonesFontsAndTitlesAreChangesUntilSaved) {
  writeCv("cv.ov4", cvFileValues(CvSheet(), "cv"));
  writeZoneFiles("cv");
  ASSERT_TRUE(load(folder.file("cv.ov4"), CvReportMode::Report));
  EXPECT_FALSE(hasUnsavedChanges(sheet));
  const auto unsavedAfter = [this](const std::function<void(CvSheet&)>& edit) {
    CvSheet edited = sheet;
    edit(edited);
    trackEdits(edited);
    return hasUnsavedChanges(edited) && edited.state.menu.saveCv;
  };
  EXPECT_TRUE(unsavedAfter([](CvSheet& s) { s["Edit2"].text = "Durand"; }));
  EXPECT_TRUE(unsavedAfter([](CvSheet& s) { setZoneText(s, 3, RichText::fromPlainText("Lumen\t2020")); }));
  EXPECT_TRUE(unsavedAfter([](CvSheet& s) { s.state.fonts.zone.size = 12; }));
  EXPECT_TRUE(unsavedAfter([](CvSheet& s) { s["Label12"].text = "Formations"; }));
  EXPECT_TRUE(unsavedAfter([](CvSheet& s) { s["RadioButton2"].checked = true; }));
  // Typed and typed away again, the field is as its file holds it.
  EXPECT_FALSE(unsavedAfter([](CvSheet& s) { s["Edit2"].text = s["Edit2"].text; }));

  sheet["Edit2"].text = "Durand";
  switchElement(sheet, photoElement, 1);
  prompter.answers = {Answer::Yes};
  ASSERT_TRUE(save(sheet, "cv.ov4").saved);
  EXPECT_TRUE(hasUnsavedChanges(sheet));
  markSaved(sheet);
  trackEdits(sheet);
  EXPECT_FALSE(hasUnsavedChanges(sheet));
  EXPECT_FALSE(sheet.state.menu.saveCv);
  // The elements are compared with the file saved, not with the one loaded.
  switchElement(sheet, photoElement, 0);
  EXPECT_TRUE(hasUnsavedChanges(sheet));
}

TEST_F(CvFileTest, DamagedLinesAreToldAndKeepTheEditorsValues) {
  writeBytes(folder.path() / "court.ov4",
             "0 - champs actifs :0111111001111111\r\n1 - civilité :x\r\n2 - prénom sans deux-points\r\n");
  sheet["Edit1"].text = "avant";
  EXPECT_TRUE(load(folder.file("court.ov4"), CvReportMode::Ask));
  EXPECT_EQ(prompter.texts().at(0), french(106));
  EXPECT_EQ(prompter.texts().at(1), french(108));
  EXPECT_EQ(sheet["Edit1"].text, "avant");

  prompter.shown.clear();
  EXPECT_FALSE(load("a.ov", CvReportMode::Silent));
  EXPECT_FALSE(load(folder.file("absent.ov4"), CvReportMode::Silent));
  EXPECT_EQ(prompter.shown.at(0).text, french(151));
  EXPECT_EQ(prompter.shown.size(), 2u);
}

// --- Saving -----------------------------------------------------------------------------------

TEST_F(CvFileTest, ASavedCvLoadsBackToTheSameSheetAndTheSameBytes) {
  CvSheet edited;
  edited.open(false);
  edited["Edit2"].text = "DUPONT";
  edited["Edit10"].text = "https://cv.exemple:443/";
  edited["RadioButton2"].checked = true;
  edited["CheckBox21"].checked = true;
  edited["Label13"].text = "Expériences";
  switchElement(edited, photoElement, 1);
  switchElement(edited, zone4Element, 0);
  setZoneText(edited, 2, RichText::fromPlainText("INTITULE\nstage\tété 2021", edited["REdit2"].font));
  const SavedCvFile saved = save(edited, "cv.ov4");
  ASSERT_TRUE(saved.saved);
  EXPECT_EQ(saved.path, folder.file("cv.ov4"));
  EXPECT_EQ(readBytes(folder.path() / "cv.ov4").substr(0, 44),
            "** Fichier param\xEAtre pour Orvane : mini-cv\r\n");

  ASSERT_TRUE(load(folder.file("cv.ov4"), CvReportMode::Silent));
  EXPECT_EQ(cvFileValues(sheet, "cv"), cvFileValues(edited, "cv"));
  EXPECT_EQ(sheet["REdit2"].richText.plainText(), "INTITULE\nstage\tété 2021");

  // Saved again over itself (yes: replace), the file is byte for byte what was read.
  const std::string first = readBytes(folder.path() / "cv.ov4");
  prompter.answers = {Answer::Yes};
  ASSERT_TRUE(save(sheet, "cv.ov4").saved);
  EXPECT_EQ(readBytes(folder.path() / "cv.ov4"), first);
}

// The file records its zone files' names; a name it cannot record so that the load finds them again is
// refused before anything is written.
TEST_F(CvFileTest, ACvSavedUnderAnOddNameLoadsBackWholeOrIsRefused) {
  CvSheet edited;
  edited.open(false);
  setZoneText(edited, 2, RichText::fromPlainText("INTITULE\nstage", edited["REdit2"].font));
  for (const std::string name : {"cv?.ov4", "cv é€.ov4"}) {
    ASSERT_TRUE(save(edited, name).saved) << name;
    // A zone file not found would switch its zone off.
    ASSERT_TRUE(load(folder.file(name), CvReportMode::Silent)) << name;
    const std::string base = name.substr(0, name.size() - 4);
    EXPECT_EQ(cvFileValues(sheet, base), cvFileValues(edited, base)) << name;
    EXPECT_EQ(sheet["REdit2"].richText.plainText(), "INTITULE\nstage") << name;
  }
  for (const std::string& name :
       std::vector<std::string>{"Łódź.ov4", "deux\nlignes.ov4", "\xFF.ov4", std::string(220, 'x') + ".ov4"}) {
    prompter.shown.clear();
    EXPECT_FALSE(save(edited, name).saved);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{unrecordableNameMessage(Language::French, folder.file(name))});
    EXPECT_FALSE(fs::exists(folder.path() / name));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "element"), fs::directory_iterator()), 8);
}

TEST_F(CvFileTest, SavingOverAnExistingFileUsesTheIndexedNameOrReplaces) {
  writeBytes(folder.path() / "cv.ov4", "ancien");
  writeBytes(folder.path() / "cv1.ov4", "autre");

  prompter.answers = {Answer::No};
  SavedCvFile saved = save(sheet, "cv.ov4");
  EXPECT_EQ(saved.path, folder.file("cv2.ov4"));
  EXPECT_TRUE(fs::exists(folder.path() / "element" / "R1cv2.rtf"));
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{french(1143)});

  prompter.answers = {Answer::Yes};
  saved = save(sheet, "cv.ov4");
  EXPECT_EQ(saved.path, folder.file("cv.ov4"));
  EXPECT_FALSE(fs::exists(folder.path() / "cv3.ov4"));
  EXPECT_NE(readBytes(folder.path() / "cv.ov4"), "ancien");
  EXPECT_NE(readBytes(folder.path() / "cv.ov4").find(".\\element\\R3cv.rtf"), std::string::npos);
  EXPECT_EQ(directories.directory(SettingKind::ParametersDirectory), folder.file(""));

  prompter.answers = {Answer::Cancel};
  EXPECT_FALSE(save(sheet, "cv.ov4").parametersDirectory);
}

TEST_F(CvFileTest, TheSaveMakesAMissingElementFolderAndAsksAboutAnotherExtension) {
  ASSERT_FALSE(fs::exists(folder.path() / "element"));
  prompter.answers = {Answer::No};
  EXPECT_FALSE(save(sheet, "cv.txt", "ov4").saved);
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{catalogue::format(Language::French, 1144, ".ov4", "Mini-CV")});
  EXPECT_FALSE(fs::exists(folder.path() / "cv.txt"));

  ASSERT_TRUE(save(sheet, "cv.ov4").saved);
  for (int zone = 1; zone <= zoneCount; ++zone)
    EXPECT_TRUE(fs::exists(folder.path() / "element" / ("R" + std::to_string(zone) + "cv.rtf")));

  // A "?" is a character like any other: no file of a fixed name beside the zones is touched.
  writeBytes(folder.path() / "element" / "R2transitansi.rtf", "the user's own");
  ASSERT_TRUE(save(sheet, "cv?.ov4").saved);
  EXPECT_TRUE(fs::exists(folder.path() / "element" / "R2cv?.rtf"));
  EXPECT_EQ(readBytes(folder.path() / "element" / "R2transitansi.rtf"), "the user's own");

  const FileDialogRequest& request = dialogs.saveRequests.front();
  EXPECT_EQ(request.filter, french(41));
  EXPECT_EQ(request.title, "définir le fichier paramêtre du mini-cv : ");
  EXPECT_EQ(request.initialName, "");
  EXPECT_EQ(dialogs.saveRequests.at(1).initialName, folder.file("cv.txt"));
}

// --- Choosing and loading one to three files --------------------------------------------------

class CvLoadCommandTest : public CvFileTest {
 protected:
  std::string cv(const std::string& name) {
    std::array<std::string, cvLineCount> values = cvFileValues(CvSheet(), name);
    writeZoneFiles(name);
    values[cvLineFirstField] = name;
    writeCv(name + ".ov4", values);
    return folder.file(name + ".ov4");
  }
};

TEST_F(CvLoadCommandTest, SimpleLoadsTheChosenFileAfterAFileNotFound) {
  dialogs.choose(folder.file("absent.ov4"), "ov4");
  dialogs.choose(cv("un"), "ov4");
  EXPECT_EQ(loadCvCommand(sheet, session, 1, services), 1);
  EXPECT_EQ(sheet.window().text, folder.file("un"));
  EXPECT_EQ(sheet["Edit1"].text, "un");
  EXPECT_EQ(session.loadedCount, 1);
  // Asking about each problem, the load tells that the file names no photo.
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{french(147), french(144)}));
  EXPECT_EQ(dialogs.openRequests.at(0).filter, french(41));
}

TEST_F(CvLoadCommandTest, TriVersionWithThreeHeldReplacesTheFirstSlotOnly) {
  sheet.state.loadedFiles = {cv("un"), cv("deux"), cv("trois")};
  sheet.state.cvLoaded = true;
  dialogs.choose(cv("quatre"), "ov4");
  prompter.answers = {Answer::Yes, Answer::Yes};
  EXPECT_EQ(loadCvCommand(sheet, session, 3, services), 3);
  EXPECT_EQ(sheet.state.loadedFiles,
            (std::array<std::string, 3>{folder.file("quatre.ov4"), folder.file("deux.ov4"),
                                        folder.file("trois.ov4")}));
  EXPECT_EQ(session.loadedCount, 3);
  EXPECT_EQ(sheet["Edit1"].text, "trois");  // the last one loaded stays
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{french(149), french(121), french(150) + "1"}));
}

TEST_F(CvLoadCommandTest, BiVersionTellsWhenAFileFailed) {
  writeBytes(folder.path() / "vide.ov4", "");
  dialogs.choose(folder.file("vide.ov4"), "ov4");
  dialogs.choose(cv("deux"), "ov4");
  // The empty file names no language and no zone file: it stops at the first missing file.
  EXPECT_EQ(loadCvCommand(sheet, session, 2, services), 1);
  EXPECT_EQ(prompter.texts(), (std::vector<std::string>{french(150) + "2", french(150) + "1", french(171),
                                                        french(145) + "1" + french(146), french(148)}));
  prompter.shown.clear();

  // Keeping no names: one file chosen into slot 1; it is short of the two asked for.
  prompter.answers = {Answer::No, Answer::Yes};
  dialogs.choose(cv("trois"), "ov4");
  EXPECT_EQ(loadCvCommand(sheet, session, 2, services), 1);
  EXPECT_EQ(sheet.state.loadedFiles[1], "");
  EXPECT_EQ(prompter.texts().back(), french(148));

  // A cancelled dialog ends the command with nothing loaded.
  prompter.answers = {Answer::Yes, Answer::Yes};
  EXPECT_EQ(loadCvCommand(sheet, session, 2, services), 0);
}

}  // namespace orvane::minicv
