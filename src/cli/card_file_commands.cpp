// card-dump, card-save and card-vcard: the card parameter file through the editor's own loader and
// writer, and the contact kept beside it.
#include <filesystem>
#include <iostream>

#include "cardfile/card_file_writer.h"
#include "cardfile/frame_text_file.h"
#include "cardfile/save_name.h"
#include "cli/card_json.h"
#include "cli/command_table.h"
#include "cli/loaded_card.h"
#include "contact/contact_file.h"
#include "contact/vcard.h"
#include "text/file_path.h"

namespace orvane::cli {

int cardDumpCommand(const Arguments& args) {
  if (args.size() != 1) return usageError(usageLine("card-dump"));
  LoadedCard loaded;
  if (const auto failure = loaded.load(args[0])) return usageError(*failure);

  JsonWriter json;
  writeCardDump(json, loaded);
  std::cout << json.text() << '\n';
  return 0;
}

int cardSaveCommand(const Arguments& args) {
  if (args.size() != 2) return usageError(usageLine("card-save"));
  LoadedCard loaded;
  if (const auto failure = loaded.load(args[0])) return usageError(*failure);

  const std::string& target = args[1];
  const std::string base = companionBaseOf(target);
  if (!frameTextNamesRecordable(base)) return usageError(unrecordableNameMessage(loaded.language, target));
  if (const FileStatus written = writeCardFile(loaded.card, target, base, screenResolution); !written.ok())
    return usageError(written.error);
  std::error_code error;
  if (std::filesystem::is_directory(nativePath(target).parent_path() / elementFolder, error)) {
    saveFrameTexts(loaded.card, target, base, loaded.companions, loaded.language, loaded.prompter);
    if (const FileStatus saved = saveContactBeside(loaded.card.contact, target, base); !saved.ok())
      printNote(saved.error);
  }
  for (const std::string& message : loaded.prompter.texts()) printNote(message);
  return 0;
}

int cardVcardCommand(const Arguments& args) {
  if (args.size() != 1) return usageError(usageLine("card-vcard"));
  LoadedCard loaded;
  if (const auto failure = loaded.load(args[0])) return usageError(*failure);
  if (loaded.card.contact.contact.isEmpty()) {
    printNote(args[0] + ": the card has no contact");
    return 1;
  }
  std::cout << writeVCard(loaded.card.contact.contact) << std::flush;
  return 0;
}

}  // namespace orvane::cli
