#include "richtext/companion_files.h"

#include <filesystem>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "richtext/rtf_writer.h"
#include "richtext/text_file_content.h"
#include "text/file_path.h"
#include "text/line_file.h"

namespace orvane {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAnsiHeader = "\\ansi\\";
constexpr std::string_view kUtf8Header = "\\utf8\\";
// The header patch looks for "\ansi\" at offsets 0 to 20.
constexpr std::size_t kLastPatchOffset = 20;
constexpr int kUnpatchedMessage = 183;

// A copy of the user's text, no one else's to read.
bool copyPrivately(const std::string& from, const std::string& to) {
  const std::optional<std::string> bytes = readFileBytes(nativePath(from));
  return bytes && writeFileReplacing(nativePath(to), *bytes, NewFileAccess::OwnerOnly).ok();
}

std::size_t slotOf(TextKind kind) {
  switch (kind) {
    case TextKind::Frame1:
      return 4;
    case TextKind::Frame2:
      return 5;
    default:
      return static_cast<std::size_t>(kind) - 1;
  }
}

bool isCardKind(TextKind kind) { return kind == TextKind::Frame1 || kind == TextKind::Frame2; }

bool hasRtfExtension(const std::string& path) {
  std::string extension = utf8Path(nativePath(path).extension());
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension == ".rtf";
}

}  // namespace

CompanionFiles::CompanionFiles(Prompter& prompter, Language interfaceLanguage)
    : language(interfaceLanguage), prompter_(prompter) {}

int patchRtfHeader(std::string& rtf) {
  int offset = 0;
  for (std::size_t i = 1; i <= kLastPatchOffset && i + kAnsiHeader.size() <= rtf.size(); ++i)
    if (std::string_view(rtf).substr(i, kAnsiHeader.size()) == kAnsiHeader) offset = static_cast<int>(i);
  if (offset != 0) rtf.replace(static_cast<std::size_t>(offset), kUtf8Header.size(), kUtf8Header);
  return offset;
}

bool CompanionFiles::saveCompanion(const RichText& text, const std::string& path) {
  // Patched before it is written, the file is written once, whole.
  std::string rtf = writeRtf(text);
  if (patchRtfHeader(rtf) == 0) reportUnpatched(path);
  return writeFileReplacing(nativePath(path), rtf).ok();
}

bool CompanionFiles::loadCompanion(TextKind kind, const std::string& path, RichText& text) {
  if (hasRtfExtension(path)) {
    const std::string folder = workingCopyFolder.empty() ? utf8Path(fs::current_path()) : workingCopyFolder;
    std::string& workingCopy = workingCopies_[slotOf(kind)];
    workingCopy = folder + "\\" + std::to_string(static_cast<int>(kind)) + ".rtf";
    std::optional<std::string> bytes;
    if (copyPrivately(path, workingCopy)) bytes = readFileBytes(nativePath(workingCopy));
    std::optional<RichText> read = bytes ? richTextIn(text, *bytes) : std::nullopt;
    // Reported here: a text left silently as it was would be written over the file at the next save.
    if (!read) {
      prompter_.show(MessageKind::Plain, catalogue::fileNotAccessible(language, path));
      return false;
    }
    text = std::move(*read);
    return true;
  }

  const std::optional<std::string> bytes = readFileBytes(nativePath(path));
  if (!bytes) {
    prompter_.show(MessageKind::Plain, "erreur d'ouverture du flux de lecture");
    return false;
  }
  RichText lines = plainTextIn(text, *bytes);
  std::vector<Paragraph>& paragraphs = text.paragraphs();
  if (isCardKind(kind) || kind == TextKind::Zone4) {
    text = std::move(lines);
    return true;
  }
  // The first line of zones 1 to 3 is their column heading: it stays, and so the file's own first line
  // (its heading) is left out.
  paragraphs.resize(1);
  std::vector<Paragraph>& read = lines.paragraphs();
  paragraphs.insert(paragraphs.end(), std::make_move_iterator(read.begin() + 1),
                    std::make_move_iterator(read.end()));
  return true;
}

void CompanionFiles::reportUnpatched(const std::string& path) {
  if (verbose)
    prompter_.show(MessageKind::Plain, path + " : " + catalogue::text(language, kUnpatchedMessage));
}

void CompanionFiles::deleteWorkingCopies() {
  for (std::string& workingCopy : workingCopies_) {
    if (workingCopy.empty()) continue;
    std::error_code ignored;
    fs::remove(nativePath(workingCopy), ignored);
    workingCopy.clear();
  }
}

}  // namespace orvane
