#include "shell/start_argument.h"

#include <gtest/gtest.h>

namespace orvane {

TEST(StartArguments, ClassifiesByTheTextAfterTheLastDotIgnoringCase) {
  EXPECT_EQ(classifyStartArguments({}), StartKind::StartCard);
  EXPECT_EQ(classifyStartArguments({"carte.ov1"}), StartKind::CardFile);
  EXPECT_EQ(classifyStartArguments({"C:\\cartes\\CARTE.OV1"}), StartKind::CardFile);
  EXPECT_EQ(classifyStartArguments({"mon.cv.final.Ov4"}), StartKind::MiniCvFile);
  EXPECT_EQ(classifyStartArguments({"carte.ov1.bak"}), StartKind::Unknown);
  EXPECT_EQ(classifyStartArguments({"x.ov2"}), StartKind::Unknown);
  EXPECT_EQ(classifyStartArguments({"sans-extension"}), StartKind::Unknown);
  EXPECT_EQ(classifyStartArguments({"dossier.ov1/fichier"}), StartKind::Unknown);
}

TEST(StartArguments, MoreThanOneArgumentOpensNothing) {
  EXPECT_EQ(classifyStartArguments({"a.ov1", "b.ov1"}), StartKind::Unknown);
}

}  // namespace orvane
