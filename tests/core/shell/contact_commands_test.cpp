#include "shell/contact_commands.h"

#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "contact/vcard.h"
#include "settings/settings.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_services.h"
#include "temporary_folder.h"
#include "text/file_path.h"

namespace orvane {

TEST(ContactCommands, TheDialogsContactIsTakenAndAnEmptyOneHidesTheCode) {
  CardModel card;
  card.contact.qr.shown = true;
  Contact contact;
  contact.email = "a@b.fr";
  EXPECT_TRUE(acceptContact(card, contact));
  EXPECT_EQ(card.contact.contact, contact);
  EXPECT_TRUE(card.contact.qr.shown);
  EXPECT_FALSE(acceptContact(card, contact)) << "nothing changed";
  EXPECT_TRUE(acceptContact(card, {}));
  EXPECT_FALSE(card.contact.qr.shown);
}

TEST(ContactCommands, TheExportWritesTheVCardWhereTheUserChoseOrSaysItCouldNot) {
  testing::TemporaryFolder folder;
  ScriptedPrompter prompter;
  ScriptedFileDialogs dialogs;
  ScriptedSettingsStore store;
  Settings settings{store, prompter, "/root-of-settings/"};
  WorkingDirectories directories{settings};
  directories.load();
  const ElementServices services{dialogs, directories, prompter, Language::English};
  CardModel card;
  card.contact.contact.familyName = "Dupré";
  card.contact.qr.shown = true;

  EXPECT_FALSE(exportContact(card, services)) << "cancelled";
  EXPECT_EQ(dialogs.saveRequests.back().filter, "vCard files|*.vcf");
  EXPECT_EQ(dialogs.saveRequests.back().title, "Export the contact");
  EXPECT_EQ(dialogs.saveRequests.back().initialFolder,
            directories.directory(SettingKind::ParametersDirectory));

  dialogs.choose(folder.file("dupre.vcf"), "vcf");
  EXPECT_TRUE(exportContact(card, services));
  EXPECT_EQ(testing::readBytes(nativePath(folder.file("dupre.vcf"))), writeVCard(card.contact.contact));

  const std::string unwritable = folder.file("missing/dupre.vcf");
  dialogs.choose(unwritable, "vcf");
  EXPECT_FALSE(exportContact(card, services));
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{catalogue::text(Language::English, 1315) + unwritable});
}

}  // namespace orvane
