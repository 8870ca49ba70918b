#pragma once
// Reading the card parameter file. The reader only reads: it returns the values of the 51 lines and
// the findings the user is to be told about, in order, and shows nothing. Values are taken by
// position, after the first ":" of each line; lengths are rescaled from the resolution the file was
// saved at when they are applied.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "card/card_model.h"
#include "card/drawable_length.h"
#include "cardfile/card_file_lines.h"
#include "catalogue/language.h"
#include "services/prompter.h"

namespace orvane {

struct CardFileLoadOptions {
  int screenResolution = 96;
  std::optional<int> trackBarTop;  // card top set with the vertical track bar in this run, if any
};

/// Something the user is told while a card file is read: a catalogue message, with the texts that go
/// before and after it, in the box it is shown in.
struct CardFileFinding {
  int message = 0;
  std::string before;
  std::string after;
  MessageKind kind = MessageKind::Information;
  Buttons buttons = Buttons::Ok;
  bool mayGoOn = false;  // the load goes on unless the user answers Abort
  bool operator==(const CardFileFinding&) const = default;
};

/// The finding's text in `language`.
std::string findingText(const CardFileFinding& finding, Language language);

struct CardFileReading {
  /// The text after the first ":" of each numbered line; nothing where the line had no ":".
  std::array<std::optional<std::string>, cardLineCount> values;
  std::vector<CardFileFinding> findings;
  std::filesystem::path folder;  // of the card file, for the frame texts it names
  int screenResolution = 96;

  /// The raw value of line `number`, if the line had one.
  const std::optional<std::string>& value(int number) const { return values.at(number - 1); }
  /// The value of a text line, as its kind reads it.
  std::optional<std::string> text(int number) const;
  /// The integer of a number line; anything unconvertible is 0.
  std::optional<int> number(int number) const;
  /// A length line rescaled to `screenResolution` and kept within 16 bits.
  std::optional<int> length(int number) const;
  /// The full path of the text file that frame `number` records, if its line was read.
  std::optional<std::string> frameTextFile(int number) const;
};

/// Reads the card file at `path`. A path too short to name a card file, a file that cannot be read,
/// or a card or icon side the editor cannot draw (below 1 or above maxDrawableLength) end the findings
/// with one the user cannot go on from.
CardFileReading readCardFile(const std::string& path, const CardFileLoadOptions& options);

/// Applies the values read to `card`, frame text paths included (the texts are read by the caller);
/// a line that had no ":" leaves what it describes as it was.
void applyCardFileValues(CardModel& card, const CardFileReading& reading, const CardFileLoadOptions& options);

/// Sets the frames' transparency from a line 50 value: 1 frame 1, 2 frame 2, 3 both, 0 neither; any
/// other value changes nothing.
void applyStoredTransparency(CardModel& card, int transparency);

}  // namespace orvane
