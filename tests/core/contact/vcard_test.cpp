#include "contact/vcard.h"

#include <gtest/gtest.h>

#include <string>

#include "contact/contact_file.h"
#include "contact/vcard_text.h"
#include "temporary_folder.h"
#include "text/file_path.h"
#include "text/utf8.h"

namespace orvane {

namespace {

CardContact fullContact() {
  CardContact card;
  Contact& contact = card.contact;
  contact.givenName = "Hélène";
  contact.familyName = "Dupré-Løvås";
  contact.title = "Relieuse; doreuse, restauratrice";
  contact.organisation = "Atelier \\ Reliures, Dorures; Fils";
  contact.telephones = {"+33 1 23 45 67 89", "06,12;34"};
  contact.email = "helene@exemple.fr";
  contact.website = "https://exemple.fr/atelier?a=1,2";
  // 200 characters with accents, commas, semicolons and a line end.
  std::string address = "12, rue de l'Église; bâtiment C\nF-75001 Paris, ";
  while (utf8Length(address) < 200) address += "é;,";
  contact.address = address.substr(0, utf8Offset(address, 200));
  card.qr = {true, 12, -3, 150, QrColour::Frame1};
  return card;
}

}  // namespace

TEST(VCardText, EscapesTextValuesAndReadsThemBack) {
  EXPECT_EQ(escapeVCardText("a\\b,c;d\r\ne\nf"), "a\\\\b\\,c\\;d\\ne\\nf");
  EXPECT_EQ(unescapeVCardText("a\\\\b\\,c\\;d\\ne\\Nf\\x\\"), "a\\b,c;d\ne\nfx\\");
  EXPECT_EQ(splitVCardComponents("Dupont\\;Durand;Jean\\, Paul;;"),
            (std::vector<std::string>{"Dupont;Durand", "Jean, Paul", "", ""}));
}

TEST(VCardText, FoldsAtSeventyFiveOctetsWithoutSplittingACharacter) {
  std::string line = "ADR:;;";
  for (int i = 0; i < 120; ++i) line += i % 3 == 0 ? "é" : (i % 3 == 1 ? "€" : "a");
  const std::string folded = foldVCardLine(line);
  ASSERT_TRUE(folded.ends_with("\r\n"));
  std::size_t start = 0;
  int physicalLines = 0;
  while (start < folded.size()) {
    const std::size_t end = folded.find("\r\n", start);
    const std::string physical = folded.substr(start, end - start);
    EXPECT_LE(physical.size(), 75u);
    EXPECT_TRUE(isValidUtf8(physical)) << physical;
    EXPECT_EQ(physical.front() == ' ', physicalLines > 0);
    ++physicalLines;
    start = end + 2;
  }
  EXPECT_GT(physicalLines, 3);
  EXPECT_EQ(unfoldVCardLines(folded), std::vector<std::string>{line});
  EXPECT_EQ(foldVCardLine("FN:court"), "FN:court\r\n");

  // Continuations begun by a tab, and files whose lines end in LF alone, unfold too.
  EXPECT_EQ(unfoldVCardLines("FN:Jean\n\tne Dupont\nNOTE:a\r\n b\r\n\r\nEND:VCARD"),
            (std::vector<std::string>{"FN:Jeanne Dupont", "NOTE:ab", "END:VCARD"}));
}

TEST(VCard, TheContactIsWrittenAsVCardFourAndThePlacementOnlyInTheCompanionFile) {
  CardContact card;
  card.contact.givenName = "Jean";
  card.contact.familyName = "Dupont";
  card.contact.telephones[1] = "06 12";
  card.contact.website = "https://a.fr";
  const std::string vcard = writeVCard(card.contact);
  EXPECT_EQ(vcard,
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Jean Dupont\r\nN:Dupont;Jean;;;\r\nTEL;VALUE=text:06 12\r\n"
            "URL:https://a.fr\r\nEND:VCARD\r\n");
  const std::string file = writeContactFile(card);
  EXPECT_EQ(file, vcard.substr(0, vcard.size() - 11) +
                      "X-ORVANE-QR:shown=0;left=94;top=185;size=80;colour=black\r\nEND:VCARD\r\n");
}

TEST(VCard, AContactWithAccentsSeparatorsAndALongAddressRoundTrips) {
  const CardContact card = fullContact();
  const std::optional<CardContact> read = readContactFile(writeContactFile(card));
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, card);
  EXPECT_EQ(readContactFile(writeVCard(card.contact))->contact, card.contact);
  EXPECT_EQ(readContactFile(writeVCard(card.contact))->qr, QrPlacement{}) << "no placement: hidden";
  EXPECT_EQ(writeVCard(card.contact).find("X-ORVANE"), std::string::npos);

  // A placement the editor could not draw keeps the default of what is wrong with it.
  const std::optional<CardContact> damaged = readContactFile(
      "BEGIN:VCARD\r\nX-ORVANE-QR:shown=1;left=-99999;top=7;size=3;colour=red\r\nEND:VCARD\r\n");
  EXPECT_EQ(damaged->qr, (QrPlacement{true, QrPlacement{}.left, 7, QrPlacement{}.size, QrColour::Black}));
}

TEST(VCard, VCardsOfOtherProgramsGiveWhatTheyHoldOfTheContact) {
  const std::string other =
      "\xEF\xBB\xBF"
      "BEGIN:VCARD\r\nVERSION:3.0\r\nitem1.FN:Marie Claire Durand\r\ntitle:G\xC3\xA9rante\r\n"
      "ORG:Durand "
      "SA;Ventes\r\nTEL;TYPE=\"work,voice\";X-LABEL=\"a:b\":tel:+33100\r\nTEL;VALUE=TEXT:tel:0611\r\n"
      "TEL:0799\r\nEMAIL;TYPE=INTERNET:m@d.fr\r\nEMAIL:second@d.fr\r\n"
      "ADR;TYPE=work:;;3 rue Haute;Lyon;;69001;France\r\nPHOTO:xyz\r\nEND:VCARD\r\n";
  const std::optional<CardContact> read = readContactFile(other);
  ASSERT_TRUE(read);
  const Contact& contact = read->contact;
  EXPECT_EQ(contact.givenName, "Marie Claire");
  EXPECT_EQ(contact.familyName, "Durand");
  EXPECT_EQ(contact.title, "Gérante");
  EXPECT_EQ(contact.organisation, "Durand SA, Ventes");
  EXPECT_EQ(contact.telephones, (std::array<std::string, 2>{"+33100", "tel:0611"}));
  EXPECT_EQ(contact.email, "m@d.fr");
  EXPECT_EQ(contact.address, "3 rue Haute\nLyon\n69001\nFrance");

  // Windows-1252 bytes are taken as such; bytes without a vCard give none.
  EXPECT_EQ(readContactFile("BEGIN:VCARD\nN:M\xFCller;J\xF6rg\nEND:VCARD\n")->contact.familyName, "Müller");
  EXPECT_FALSE(readContactFile("N:Dupont;Jean\r\n"));
  EXPECT_FALSE(readContactFile("BEGIN:VCARD\r\nN:Dupont;Jean\r\n"));
}

TEST(VCardFile, ExportedVCardsReadBackAndUnreadableFilesSayWhy) {
  testing::TemporaryFolder folder;
  const CardContact card = fullContact();
  const std::string path = folder.file("contact.vcf");
  ASSERT_TRUE(exportVCard(card.contact, path).ok());
  EXPECT_EQ(testing::readBytes(nativePath(path)), writeVCard(card.contact));
  EXPECT_EQ(readVCardFile(path).contact, card.contact);

  EXPECT_EQ(readVCardFile(folder.file("missing.vcf")).error, folder.file("missing.vcf") + ": cannot be read");
  testing::writeBytes(nativePath(folder.file("notes.vcf")), "hello");
  EXPECT_EQ(readVCardFile(folder.file("notes.vcf")).error, folder.file("notes.vcf") + ": holds no vCard");
  EXPECT_FALSE(exportVCard(card.contact, folder.file("missing/contact.vcf")).ok());
}

}  // namespace orvane
