#include "contact/contact_file.h"

#include <filesystem>
#include <system_error>

#include "cardfile/frame_text_file.h"
#include "cardfile/save_name.h"
#include "contact/vcard.h"
#include "text/file_path.h"

namespace orvane {

namespace {

// A contact file is a few hundred bytes; anything far larger is no contact of ours.
constexpr std::uintmax_t largestContactFile = std::uintmax_t{1} << 20;

std::filesystem::path contactPathBeside(const std::string& cardFilePath, std::string_view companionBase) {
  return nativePath(cardFilePath).parent_path() / elementFolder / nativePath(contactFileName(companionBase));
}

}  // namespace

std::string contactFileName(std::string_view companionBase) {
  return "Q" + std::string(companionBase) + ".vcf";
}

CardContact readContactBeside(const std::string& cardFilePath) {
  const std::optional<std::string> bytes =
      readFileBytes(contactPathBeside(cardFilePath, companionBaseOf(cardFilePath)), largestContactFile);
  if (!bytes) return {};
  return readContactFile(*bytes).value_or(CardContact{});
}

FileStatus saveContactBeside(const CardContact& card, const std::string& cardFilePath,
                             std::string_view companionBase) {
  const std::filesystem::path path = contactPathBeside(cardFilePath, companionBase);
  if (!card.contact.isEmpty()) return writeFileReplacing(path, writeContactFile(card));
  std::error_code error;
  std::filesystem::remove(path, error);
  if (error) return {utf8Path(path) + ": " + error.message()};
  return {};
}

VCardFileReading readVCardFile(const std::string& path) {
  const std::optional<std::string> bytes = readFileBytes(nativePath(path), largestContactFile);
  if (!bytes) return {std::nullopt, path + ": cannot be read"};
  const std::optional<CardContact> card = readContactFile(*bytes);
  if (!card) return {std::nullopt, path + ": holds no vCard"};
  return {card->contact, {}};
}

FileStatus exportVCard(const Contact& contact, const std::string& path) {
  return writeFileReplacing(nativePath(path), writeVCard(contact));
}

}  // namespace orvane
