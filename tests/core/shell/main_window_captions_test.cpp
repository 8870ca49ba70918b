#include "shell/main_window_captions.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

#include "catalogue/catalogue.h"

namespace orvane {
namespace {

constexpr Language languages[] = {Language::French, Language::English, Language::German};

std::map<std::string, std::string> captionsIn(Language language) {
  std::map<std::string, std::string> captions;
  for (const ResolvedCaption& caption : resolveCaptions(mainWindowCaptions(), language))
    if (caption.part == CaptionPart::Caption) captions[caption.control] = caption.text;
  return captions;
}

TEST(MainWindowCaptions, EachControlIsNamedOnceForEachPartAndEveryTextExists) {
  std::set<std::pair<std::string_view, CaptionPart>> seen;
  for (const CaptionEntry& entry : mainWindowCaptions())
    EXPECT_TRUE(seen.insert({entry.control, entry.part}).second) << entry.control;
  EXPECT_EQ(seen.size(), 93u);

  const std::set<std::string> resetBoxes{"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8"};
  for (Language language : languages) {
    for (const ResolvedCaption& caption : resolveCaptions(mainWindowCaptions(), language)) {
      // Only the reset boxes lose their captions; they keep their hints.
      const bool emptied = resetBoxes.contains(caption.control) && caption.part == CaptionPart::Caption;
      EXPECT_EQ(caption.text.empty(), emptied) << caption.control;
    }
  }
}

TEST(MainWindowCaptions, TheThreeSaveEntriesShareTheTextOfTheFirst) {
  for (Language language : languages) {
    const auto captions = captionsIn(language);
    const std::string save = catalogue::text(language, 1084);
    EXPECT_EQ(captions.at("sauvegarder1"), save);
    EXPECT_EQ(captions.at("sauvegarder2"), save);
    EXPECT_EQ(captions.at("Sauvegarder3"), save);
  }
  EXPECT_EQ(captionsIn(Language::English).at("Sauvegarder3"), "Save");
  EXPECT_EQ(captionsIn(Language::English).at("Sauvegarder0"), "&Save");
}

TEST(MainWindowCaptions, GermanAndFrenchWordsLandOnTheirControls) {
  const auto german = captionsIn(Language::German);
  EXPECT_EQ(german.at("GroupBox5"), "RAHMEN 1");
  EXPECT_EQ(german.at("ComboBox1"), "Breite");
  EXPECT_EQ(german.at("Panel4"), "Steuerung");
  EXPECT_EQ(german.at("francais1"), "Franzoesisch");
  const auto french = captionsIn(Language::French);
  EXPECT_EQ(french.at("Button1"), "Voir carte");
  EXPECT_EQ(french.at("Label2"), "alignement du cadre et du texte");
  EXPECT_EQ(french.at("Button15"), "couleur de fond");
  EXPECT_EQ(french.at("accscarte1"), "accès carte ");
  EXPECT_EQ(french.at("texte21"), "Texte_&2");
}

}  // namespace
}  // namespace orvane
