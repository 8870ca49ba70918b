#include "shell/open_card_file.h"

#include <filesystem>
#include <system_error>

#include "cardfile/frame_text_file.h"
#include "contact/contact_file.h"
#include "text/file_path.h"

namespace orvane {

namespace {

// Asks about each finding in order; false as soon as one ends the load.
bool goOnAfterFindings(const CardFileReading& reading, Language language, Prompter& prompter) {
  for (const CardFileFinding& finding : reading.findings) {
    const Answer answer = prompter.show(finding.kind, findingText(finding, language), finding.buttons);
    if (!finding.mayGoOn || answer == Answer::Abort) return false;
  }
  return true;
}

// A frame whose recorded file exists takes its text; otherwise it keeps the text it has.
void loadFrameTexts(const CardFileReading& reading, CardModel& card, CompanionFiles& companions) {
  for (int number = 1; number <= 2; ++number) {
    const auto file = reading.frameTextFile(number);
    std::error_code error;
    if (file && !file->empty() && std::filesystem::is_regular_file(nativePath(*file), error))
      companions.loadCompanion(frameTextKind(number), *file, card.frame(number).text);
  }
}

}  // namespace

OpenedCardFile openCardFile(CardModel& card, const std::string& path, const CardFileOpening& opening,
                            CompanionFiles& companions, Prompter& prompter, RendererState* pictures) {
  if (pictures) pictures->forgetFilePictures();
  if (opening.request == CardFileRequest::LoadCommand && opening.cardFileLoadedBefore)
    for (FrameModel& frame : card.frames) frame.text = RichText();

  const CardFileReading reading = readCardFile(path, opening);
  OpenedCardFile opened;
  if (!goOnAfterFindings(reading, opening.language, prompter)) return opened;

  loadFrameTexts(reading, card, companions);
  card.contact = readContactBeside(path);
  applyCardFileValues(card, reading, opening);
  opened.loaded = true;
  opened.decorationsNamed = !card.patternFile.empty() || !card.iconFile.empty();
  opened.transparency = reading.number(lineTransparency).value_or(0);
  // Transparent frames show the pattern through them, so the stored transparency is taken only when
  // a pattern is named, as the T1 and T2 boxes are usable only then; without one both frames are
  // opaque, whatever the card shown before had. This holds for every caller, so that a save right
  // after any load writes back what the file held.
  opened.patternNamed = !card.patternFile.empty();
  if (!opened.patternNamed)
    applyStoredTransparency(card, 0);
  else if (reading.number(lineTransparency))
    applyStoredTransparency(card, opened.transparency);
  if (opening.request == CardFileRequest::LoadCommand) {
    card.formatIndex = -1;
    snapshotLayout(card, -1);
  }
  return opened;
}

}  // namespace orvane
