#include "shell/main_window_captions.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "catalogue/catalogue.h"

namespace orvane {
namespace {

TEST(MainWindowCaptions, EachPartOfAControlIsSetOnceAndOnlyTheResetBoxesLoseTheirCaptions) {
  std::set<std::pair<std::string_view, CaptionPart>> seen;
  for (const CaptionEntry& entry : mainWindowCaptions())
    EXPECT_TRUE(seen.insert({entry.control, entry.part}).second) << entry.control;

  const std::set<std::string> resetBoxes{"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8"};
  for (Language language : {Language::French, Language::English, Language::German}) {
    for (const ResolvedCaption& caption : resolveCaptions(mainWindowCaptions(), language)) {
      const bool emptied = resetBoxes.contains(caption.control) && caption.part == CaptionPart::Caption;
      EXPECT_EQ(caption.text.empty(), emptied) << caption.control;
      // The save entries of the text and mini-CV menus have no ids of their own.
      if (caption.control == "sauvegarder2" || caption.control == "Sauvegarder3") {
        EXPECT_EQ(caption.text, catalogue::text(language, 1084));
      }
      if (caption.control == "GroupBox5" && language == Language::German) {
        EXPECT_EQ(caption.text, "RAHMEN 1");
      }
    }
  }
}

}  // namespace
}  // namespace orvane
