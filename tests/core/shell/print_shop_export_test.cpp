#include "shell/print_shop_export.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"
#include "support/scripted_services.h"

namespace orvane {

namespace {

struct PrintShopExportTest : ::testing::Test {
  ScriptedFileDialogs files;
  ScriptedInputQuery query;
  ScriptedPrompter prompter;
  FileDialogRequest pdfRequest;

  PrintShopExportTest() { pdfRequest.initialName = "carte.pdf"; }

  std::optional<PrintShopExport> ask(Language language = Language::French) {
    return askPrintShopExport(files, query, prompter, pdfRequest, language);
  }
};

}  // namespace

TEST_F(PrintShopExportTest, TheFileThenTheBleedAskedAgainUntilItFits) {
  files.choose("/tmp/carte.pdf", "pdf");
  query.answers = {"7", "2,5"};
  const auto asked = ask(Language::English);
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
}

TEST_F(PrintShopExportTest, CancellingEitherQuestionExportsNothing) {
  EXPECT_FALSE(ask());
  EXPECT_TRUE(query.asked.empty());
  files.choose("/tmp/carte.pdf", "pdf");
  EXPECT_FALSE(ask());
  EXPECT_EQ(query.asked.size(), 1u);
  EXPECT_EQ(printShopWrittenMessage(Language::French, "/tmp/carte.pdf"),
            "Orvane : le PDF pour l'imprimeur a été écrit dans le fichier /tmp/carte.pdf");
}

}  // namespace orvane
