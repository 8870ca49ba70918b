#include "settings/file_association.h"

#include <gtest/gtest.h>

#include "support/scripted_services.h"

namespace orvane {

namespace {
const std::string program = "C:\\Program Files\\Orvane\\orvane.exe";
}  // namespace

TEST(FileAssociation, CardClassKeys) {
  const std::vector<AssociationEntry> expected{
      {"\\.OV1", "Orvane_carte"},
      {"\\Orvane_carte", "Présentation de carte Orvane"},
      {"\\Orvane_carte\\Shell\\open\\command", "\"C:\\Program Files\\Orvane\\orvane.exe\" \"%1\""},
      {"\\Orvane_carte\\DefaultIcon", "C:\\Program Files\\Orvane\\orvane.exe,3"}};
  EXPECT_EQ(classEntries(fileTypeRegistration(AssociatedFile::Card, program)), expected);
}

TEST(FileAssociation, MiniCvFilesGetTheirOwnClassAndIcon) {
  const FileTypeRegistration type = fileTypeRegistration(AssociatedFile::MiniCv, program);
  EXPECT_EQ(type.extension, ".OV4");
  EXPECT_EQ(type.className, "Orvane_mini-cv");
  EXPECT_EQ(type.description, "Contenu pour mini-cv Orvane");
  EXPECT_EQ(classEntries(type).back().value, program + ",1");
}

TEST(FileAssociation, SuccessIsReportedInTheInterfaceLanguageAndARefusalIsSilent) {
  ScriptedFileAssociation association;
  ScriptedPrompter prompter;
  associateFiles(AssociatedFile::Card, program, association, prompter, Language::French);
  associateFiles(AssociatedFile::MiniCv, program, association, prompter, Language::French);
  ASSERT_EQ(association.registered.size(), 2u);
  EXPECT_EQ(association.registered[0].programPath, program);
  const std::vector<std::string> expected{
      "L'association des fichiers \".ov1\" a réussi. Veuillez noter que vous pouvez désormais lancer le "
      "programme à partir des fichiers \"ov1\" aussi longtemps que le programme reste à son emplacement "
      "actuel (en cas de déplacement, effectuez l'association à nouveau)",
      "L'association des fichiers \".ov4\" a réussi. Veuillez noter que vous pouvez désormais lancer le "
      "programme à partir des fichiers \"ov4\" aussi longtemps que le programme reste à son emplacement "
      "actuel (en cas de déplacement, effectuez l'association à nouveau)"};
  EXPECT_EQ(prompter.texts(), expected);
  EXPECT_EQ(prompter.shown[0].kind, MessageKind::Information);

  association.refuse = true;
  associateFiles(AssociatedFile::Card, program, association, prompter, Language::French);
  EXPECT_EQ(prompter.shown.size(), 2u);
}

}  // namespace orvane
