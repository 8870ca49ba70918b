#pragma once
// The rich-text files kept beside both parameter files: written as RTF with their header patched to
// "\utf8\", read back through working copies that live until the main window closes.

#include <array>
#include <string>

#include "catalogue/language.h"
#include "richtext/rich_text.h"
#include "services/prompter.h"

namespace orvane {

/// The text a companion file belongs to: the mini-CV zones 1 to 4, the card frames 11 and 12.
enum class TextKind { Zone1 = 1, Zone2 = 2, Zone3 = 3, Zone4 = 4, Frame1 = 11, Frame2 = 12 };

/// Replaces the last "\ansi\" found at offsets 0 to 20 of `rtf` by "\utf8\", the header of a companion
/// file; returns that offset, or 0 when there is none and `rtf` stays as it was.
int patchRtfHeader(std::string& rtf);

class CompanionFiles {
 public:
  CompanionFiles(Prompter& prompter, Language interfaceLanguage);

  /// The mini-CV editor's verbose mode: reports a file left unpatched.
  bool verbose = false;
  /// Where the working copies are made; the process's current directory when empty.
  std::string workingCopyFolder;
  /// The interface language of the messages; a language switch sets it.
  Language language;

  /// Writes `text` to `path` as RTF, its header patched; false when the file could not be written.
  bool saveCompanion(const RichText& text, const std::string& path);
  /// Reads `path` into `text`: RTF (".rtf", any case) through a working copy that only its owner may
  /// read, anything else as lines.
  /// RTF is read as a rich-text control reads it: a damaged file as far as it goes, a file that is not
  /// RTF as plain text. A file that gives nothing to show is reported and leaves `text` as it was.
  bool loadCompanion(TextKind kind, const std::string& path, RichText& text);
  /// Deletes the working copies made so far (when the main window closes).
  void deleteWorkingCopies();

 private:
  /// In verbose mode, tells that `path` was left unpatched.
  void reportUnpatched(const std::string& path);

  Prompter& prompter_;
  std::array<std::string, 6> workingCopies_;
};

}  // namespace orvane
