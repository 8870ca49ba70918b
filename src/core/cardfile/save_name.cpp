#include "cardfile/save_name.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "catalogue/catalogue.h"
#include "text/file_path.h"
#include "text/utf8.h"

namespace orvane {

namespace {

// The extension the save dialog leaves on a name: a dot and three letters.
constexpr int extensionCharacters = 4;
constexpr int messageIncorrectName = 151;

struct PathParts {
  std::string folder;  // up to and including the last separator
  std::string base;    // the file name without its last four characters
};

PathParts splitPath(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
  const std::string_view name = path.substr(nameStart);
  // Only the file name loses characters: a name shorter than an extension never eats into the folder.
  const int kept = std::max(0, utf8Length(name) - extensionCharacters);
  return {std::string(path.substr(0, nameStart)), std::string(name.substr(0, utf8Offset(name, kept)))};
}

bool fileExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::exists(nativePath(path), error);
}

std::size_t trailingDigits(std::string_view text) {
  std::size_t count = 0;
  while (count < text.size() && count < 2 &&
         std::isdigit(static_cast<unsigned char>(text[text.size() - 1 - count])))
    ++count;
  return count;
}

// The stem raised by `index`: a trailing number of one or two digits grows by it, otherwise it is
// appended.
std::string indexedStem(std::string_view stem, long long index) {
  const std::size_t digits = trailingDigits(stem);
  const std::string_view kept = stem.substr(0, stem.size() - digits);
  const long long number = digits == 0 ? 0 : std::stoll(std::string(stem.substr(kept.size())));
  return std::string(kept) + std::to_string(number + index);
}

}  // namespace

std::string companionBaseOf(std::string_view path) { return splitPath(path).base; }

std::string folderOf(std::string_view path) { return splitPath(path).folder; }

std::string indexedCandidate(std::string_view chosenPath, std::string_view standardExtension) {
  const PathParts parts = splitPath(chosenPath);
  const std::string stem = parts.folder + parts.base;
  for (long long index = 1;; ++index) {
    std::string candidate = indexedStem(stem, index) + std::string(standardExtension);
    if (!fileExists(candidate)) return candidate;
  }
}

std::optional<SaveName> resolveSaveName(const SaveNameRequest& request, Language language,
                                        Prompter& prompter) {
  const PathParts chosen = splitPath(request.chosenPath);
  if (!fileExists(request.chosenPath)) {
    if (request.extensionDiffers) {
      const std::string question =
          catalogue::format(language, 1144, request.standardExtension, request.fileKind);
      if (prompter.show(MessageKind::Warning, question, Buttons::YesNo, helpContextNumbered) != Answer::Yes)
        return std::nullopt;
    }
    return SaveName{request.chosenPath, SaveMode::New, chosen.base, chosen.folder};
  }

  std::string candidate = indexedCandidate(request.chosenPath, request.standardExtension);
  const Answer answer = prompter.show(MessageKind::Warning, catalogue::text(language, 1143),
                                      Buttons::YesNoCancel, helpContextNumbered);
  if (answer == Answer::Yes)
    return SaveName{std::move(candidate), SaveMode::Replace, chosen.base, chosen.folder};
  if (answer == Answer::No) {
    std::string base = companionBaseOf(candidate);
    return SaveName{std::move(candidate), SaveMode::New, std::move(base), chosen.folder};
  }
  return std::nullopt;
}

std::string unrecordableNameMessage(Language language, std::string_view path) {
  return catalogue::text(language, messageIncorrectName) + " : " + std::string(path);
}

bool replaceWithNewFile(const std::string& chosenPath, const std::string& newPath, Language language,
                        Prompter& prompter) {
  // A rename over the old file replaces it at once: there is no moment when only one of the two is
  // missing and no failure that loses either.
  std::error_code error;
  std::filesystem::rename(nativePath(newPath), nativePath(chosenPath), error);
  if (!error) return true;
  prompter.show(MessageKind::Plain,
                catalogue::text(language, 129) + chosenPath + catalogue::text(language, 130) + newPath);
  return false;
}

}  // namespace orvane
