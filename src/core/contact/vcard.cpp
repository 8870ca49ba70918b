#include "contact/vcard.h"

#include <cctype>
#include <map>
#include <vector>

#include "cardfile/card_file_loader.h"
#include "contact/vcard_text.h"
#include "text/cp1252.h"
#include "text/field_text.h"
#include "text/utf8.h"

namespace orvane {

namespace {

constexpr std::string_view placementProperty = "X-ORVANE-QR";

// The contact's content lines, from BEGIN to the last property before END.
std::vector<std::string> contactLines(const Contact& contact) {
  std::vector<std::string> lines{"BEGIN:VCARD", "VERSION:4.0"};
  std::string fullName = contact.givenName;
  if (!fullName.empty() && !contact.familyName.empty()) fullName += ' ';
  fullName += contact.familyName;
  lines.push_back("FN:" + escapeVCardText(fullName));
  lines.push_back("N:" + escapeVCardText(contact.familyName) + ";" + escapeVCardText(contact.givenName) +
                  ";;;");
  const auto addText = [&lines](std::string_view name, const std::string& text) {
    if (!text.empty()) lines.push_back(std::string(name) + ":" + escapeVCardText(text));
  };
  addText("TITLE", contact.title);
  addText("ORG", contact.organisation);
  for (const std::string& telephone : contact.telephones) addText("TEL;VALUE=text", telephone);
  addText("EMAIL", contact.email);
  // A URI is written as it is; only a line end could break the line.
  if (!contact.website.empty()) lines.push_back("URL:" + escapeVCardText(contact.website));
  if (!contact.address.empty()) lines.push_back("ADR:;;" + escapeVCardText(contact.address) + ";;;;");
  return lines;
}

std::string folded(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += foldVCardLine(line);
  return text;
}

std::string placementValue(const QrPlacement& qr) {
  return "shown=" + std::to_string(qr.shown ? 1 : 0) + ";left=" + std::to_string(qr.left) +
         ";top=" + std::to_string(qr.top) + ";size=" + std::to_string(qr.size) +
         ";colour=" + (qr.colour == QrColour::Frame1 ? "frame1" : "black");
}

QrPlacement readPlacement(std::string_view value) {
  std::map<std::string, std::string> fields;
  for (const std::string& field : splitVCardComponents(value)) {
    const std::size_t equals = field.find('=');
    if (equals != std::string::npos) fields[field.substr(0, equals)] = field.substr(equals + 1);
  }
  QrPlacement qr;
  const auto number = [&fields](const char* key, int& target, int smallest) {
    if (const auto found = fields.find(key); found != fields.end())
      if (const auto parsed = tryParseInteger(found->second);
          parsed && *parsed >= smallest && *parsed <= maxDrawableLength)
        target = *parsed;
  };
  int shown = 0;
  number("shown", shown, 0);
  qr.shown = shown != 0;
  // A place or size the editor could not draw is not taken from a file.
  number("left", qr.left, -maxDrawableLength);
  number("top", qr.top, -maxDrawableLength);
  number("size", qr.size, smallestQrSize);
  qr.colour = fields["colour"] == "frame1" ? QrColour::Frame1 : QrColour::Black;
  return qr;
}

// The non-empty components of a structured value joined by `separator`.
std::string joinedComponents(std::string_view value, std::string_view separator) {
  std::string joined;
  for (const std::string& component : splitVCardComponents(value)) {
    if (component.empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += component;
  }
  return joined;
}

std::string component(const std::vector<std::string>& components, std::size_t index) {
  return index < components.size() ? components[index] : std::string();
}

bool isTextValue(const VCardProperty& property) {
  for (std::string parameter : property.parameters) {
    for (char& c : parameter) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (parameter == "VALUE=TEXT") return true;
  }
  return false;
}

// Takes the first value of each property the contact holds; others are ignored.
void readProperty(const VCardProperty& property, CardContact& card, std::string& fullName) {
  Contact& contact = card.contact;
  const std::string& name = property.name;
  if (name == "N") {
    const std::vector<std::string> components = splitVCardComponents(property.value);
    contact.familyName = component(components, 0);
    contact.givenName = component(components, 1);
  } else if (name == "FN" && fullName.empty()) {
    fullName = unescapeVCardText(property.value);
  } else if (name == "TITLE" && contact.title.empty()) {
    contact.title = unescapeVCardText(property.value);
  } else if (name == "ORG" && contact.organisation.empty()) {
    contact.organisation = joinedComponents(property.value, ", ");
  } else if (name == "TEL") {
    std::string telephone = unescapeVCardText(property.value);
    // A number given as a URI loses its scheme; one given as text is taken as it is.
    if (!isTextValue(property) && telephone.starts_with("tel:")) telephone.erase(0, 4);
    for (std::string& slot : contact.telephones) {
      if (!slot.empty()) continue;
      slot = std::move(telephone);
      break;
    }
  } else if (name == "EMAIL" && contact.email.empty()) {
    contact.email = unescapeVCardText(property.value);
  } else if (name == "URL" && contact.website.empty()) {
    contact.website = unescapeVCardText(property.value);
  } else if (name == "ADR" && contact.address.empty()) {
    contact.address = joinedComponents(property.value, "\n");
  } else if (name == placementProperty) {
    card.qr = readPlacement(property.value);
  }
}

}  // namespace

std::string writeVCard(const Contact& contact) {
  std::vector<std::string> lines = contactLines(contact);
  lines.emplace_back("END:VCARD");
  return folded(lines);
}

std::string writeContactFile(const CardContact& card) {
  std::vector<std::string> lines = contactLines(card.contact);
  lines.push_back(std::string(placementProperty) + ":" + placementValue(card.qr));
  lines.emplace_back("END:VCARD");
  return folded(lines);
}

std::optional<CardContact> readContactFile(std::string_view bytes) {
  if (bytes.starts_with(utf8ByteOrderMark)) bytes.remove_prefix(utf8ByteOrderMark.size());
  const std::string text = isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
  CardContact card;
  std::string fullName;
  bool inside = false;
  for (const std::string& line : unfoldVCardLines(text)) {
    const std::optional<VCardProperty> property = parseVCardLine(line);
    if (!property) continue;
    const bool marker = property->name == "BEGIN" || property->name == "END";
    if (marker && !inside && property->name == "BEGIN") {
      inside = true;
    } else if (marker && inside && property->name == "END") {
      // A card that names its holder only in full is split at its last blank.
      if (card.contact.givenName.empty() && card.contact.familyName.empty()) {
        const std::size_t blank = fullName.rfind(' ');
        card.contact.familyName = blank == std::string::npos ? fullName : fullName.substr(blank + 1);
        if (blank != std::string::npos) card.contact.givenName = fullName.substr(0, blank);
      }
      return card;
    } else if (inside) {
      readProperty(*property, card, fullName);
    }
  }
  return std::nullopt;
}

}  // namespace orvane
