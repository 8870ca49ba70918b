#include "shell/contact_commands.h"

#include "catalogue/catalogue.h"
#include "contact/contact_file.h"

namespace orvane {

namespace {
constexpr int captionExport = 1301;
constexpr int messageContactNotSaved = 1315;
constexpr int filterVCard = 1316;
}  // namespace

bool acceptContact(CardModel& card, const Contact& contact) {
  if (card.contact.contact == contact) return false;
  card.contact.contact = contact;
  if (contact.isEmpty()) card.contact.qr.shown = false;
  return true;
}

bool exportContact(const CardModel& card, const ElementServices& services) {
  FileDialogRequest request;
  request.filter = catalogue::text(services.language, filterVCard);
  request.title = catalogue::text(services.language, captionExport);
  request.initialFolder = services.directories.directory(SettingKind::ParametersDirectory);
  request.defaultExtension = "vcf";
  const std::optional<ChosenFile> chosen = services.dialogs.saveFile(request);
  if (!chosen) return false;
  if (exportVCard(card.contact.contact, chosen->path).ok()) return true;
  services.prompter.show(MessageKind::Plain,
                         catalogue::text(services.language, messageContactNotSaved) + chosen->path);
  return false;
}

}  // namespace orvane
