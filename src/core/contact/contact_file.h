#pragma once
// Where a card's contact is kept: "Q" + the card file's base name + ".vcf" in the element folder
// beside it, the name rule of the frame texts; and vCard files read and written at a path the user
// chose.

#include <optional>
#include <string>
#include <string_view>

#include "contact/contact.h"
#include "text/line_file.h"

namespace orvane {

/// The contact file's name beside the card file named after `companionBase`.
std::string contactFileName(std::string_view companionBase);

/// The contact kept beside the card file at `cardFilePath`; an empty contact, hidden, when there is
/// none or it holds no vCard.
CardContact readContactBeside(const std::string& cardFilePath);

/// Writes `card` beside the card file at `cardFilePath`, named after `companionBase`; a card without
/// a contact removes the file a former save left there, so that a load does not bring it back.
FileStatus saveContactBeside(const CardContact& card, const std::string& cardFilePath,
                             std::string_view companionBase);

/// The contact of the vCard file at `path`, or why it cannot be had.
struct VCardFileReading {
  std::optional<Contact> contact;
  std::string error;
};
VCardFileReading readVCardFile(const std::string& path);

/// Writes the vCard of `contact` to `path`, as the QR code encodes it.
FileStatus exportVCard(const Contact& contact, const std::string& path);

}  // namespace orvane
