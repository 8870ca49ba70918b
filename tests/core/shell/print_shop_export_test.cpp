#include "shell/print_shop_export.h"

#include <gtest/gtest.h>

#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"
#include "support/scripted_services.h"

namespace orvane {

TEST(PrintShopExport, TheFileThenTheBleedAskedAgainUntilItFitsUnlessCancelled) {
  ScriptedFileDialogs files;
  ScriptedInputQuery query;
  ScriptedPrompter prompter;
  FileDialogRequest pdfRequest;
  pdfRequest.initialName = "carte.pdf";
  const auto ask = [&] { return askPrintShopExport(files, query, prompter, pdfRequest, Language::English); };

  files.choose("/tmp/carte.pdf", "pdf");
  query.answers = {"7", "2,5"};
  const auto asked = ask();
  ASSERT_TRUE(asked);
  EXPECT_EQ(asked->output, "/tmp/carte.pdf");
  EXPECT_EQ(asked->bleedMm, 2.5);
  EXPECT_EQ(files.saveRequests.at(0).title, "Export for the print shop");
  EXPECT_EQ(files.saveRequests.at(0).initialName, "carte.pdf");
  ASSERT_EQ(query.asked.size(), 2u);
  EXPECT_EQ(query.asked[0].prompt, "bleed in mm (0 to 5) :");
  EXPECT_EQ(query.asked[0].proposed, "3");
  EXPECT_EQ(query.asked[1].proposed, "7") << "the refused text is proposed again";
  EXPECT_EQ(prompter.texts(), std::vector<std::string>{"the bleed must be from 0 to 5 mm"});

  // A cancelled file dialog asks nothing more; a cancelled bleed exports nothing.
  EXPECT_FALSE(ask());
  EXPECT_EQ(query.asked.size(), 2u);
  files.choose("/tmp/carte.pdf", "pdf");
  EXPECT_FALSE(ask());
}

}  // namespace orvane
