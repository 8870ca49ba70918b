#include "minicv/editor_menus.h"

#include <gtest/gtest.h>

#include <set>

#include "minicv/change_tracking.h"

namespace orvane::minicv {

TEST(EditorMenus, EveryItemSitsInASubmenuListedBeforeItAndHasACaptionInEachLanguage) {
  std::set<std::string_view> names;
  for (const EditorMenuItem& item : editorMenuItems()) {
    EXPECT_TRUE(names.insert(item.name).second) << item.name;
    if (!item.parent.empty()) {
      const EditorMenuItem* parent = findEditorMenuItem(item.parent);
      ASSERT_NE(parent, nullptr) << item.name;
      EXPECT_TRUE(parent->submenu) << item.name;
      EXPECT_TRUE(names.contains(item.parent)) << item.name;
      EXPECT_EQ(parent->menu, item.menu) << item.name;
    }
    for (Language language : {Language::French, Language::English, Language::German})
      EXPECT_FALSE(editorMenuCaption(item, language).empty()) << item.name;
  }
  EXPECT_EQ(findEditorMenuItem("nothing"), nullptr);
  EXPECT_EQ(editorMenuCaption(*findEditorMenuItem("mono1"), Language::German), "simple");
  EXPECT_EQ(editorMenuCaption(*findEditorMenuItem("synchronicit1"), Language::French), "synchronisation");
  EXPECT_EQ(findEditorMenuItem("export1")->menu, EditorMenu::Html);
}

TEST(EditorMenus, VerboseModeCaptionEndsInMinusWhileOnAndPlusOnceOff) {
  EXPECT_EQ(verboseModeCaption(true, Language::French), "mode verbeux-");
  EXPECT_EQ(verboseModeCaption(false, Language::French), "mode verbeux+");
}

TEST(ChangeTracking, CountsTheElementsThatDifferFromTheFileDigits) {
  const std::array<int, 16> states{0, 1, 1, 1, 1, 1, 1, 0, 2, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(compareWithFile(states, "0111111021111111").count, 0);
  const ElementChanges one = compareWithFile(states, "0111111001111111");
  EXPECT_EQ(one.count, 1);
  EXPECT_EQ(one.first, 8);
  const ElementChanges three = compareWithFile(states, "1101111021111110");
  EXPECT_EQ(three.count, 3);
  EXPECT_EQ(three.first, 0);
  // A short line from a damaged file: the missing digits count as changes.
  EXPECT_EQ(compareWithFile(states, "01111110211111").count, 2);
}

TEST(ChangeTracking, SpeaksOnlyInVerboseMode) {
  const auto caption = [](int element) { return element == 8 ? std::string("option cadre 2") : "?"; };
  using enum TrackingCause;
  EXPECT_EQ(trackingMessage({0, -1}, SynchronisationItem, false, Language::French, caption), std::nullopt);
  EXPECT_EQ(trackingMessage({0, -1}, SynchronisationItem, true, Language::French, caption),
            "Rien à signaler");
  EXPECT_EQ(trackingMessage({0, -1}, ElementSwitch, true, Language::French, caption), std::nullopt);
  EXPECT_EQ(trackingMessage({1, 8}, ElementSwitch, true, Language::French, caption),
            "Le champ suivant n'est plus dans son état initial : 8 option cadre 2");
  EXPECT_EQ(trackingMessage({1, 8}, ElementSwitch, false, Language::French, caption), std::nullopt);
  EXPECT_EQ(trackingMessage({3, 0}, SynchronisationItem, true, Language::French, caption),
            "Nombre d'éléments changés depuis ouverture du fichier =  3");
}

}  // namespace orvane::minicv
