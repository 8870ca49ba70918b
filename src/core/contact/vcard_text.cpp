#include "contact/vcard_text.h"

#include <cctype>

namespace orvane {

namespace {

// RFC 6350 folds content lines longer than 75 octets, line end excluded.
constexpr std::size_t foldedLineOctets = 75;

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

std::string upperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

// Splits `text` at each `separator` outside double quotes.
std::vector<std::string> splitOutsideQuotes(std::string_view text, char separator) {
  std::vector<std::string> parts(1);
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (c == separator && !quoted)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

}  // namespace

std::string escapeVCardText(std::string_view text) {
  std::string escaped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\':
      case ',':
      case ';':
        escaped += '\\';
        escaped += c;
        break;
      case '\r':
        // CR LF is one line end.
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        escaped += "\\n";
        break;
      case '\n':
        escaped += "\\n";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string unescapeVCardText(std::string_view value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      text += value[i];
      continue;
    }
    const char escaped = value[++i];
    text += escaped == 'n' || escaped == 'N' ? '\n' : escaped;
  }
  return text;
}

std::vector<std::string> splitVCardComponents(std::string_view value) {
  std::vector<std::string> components;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= value.size(); ++i) {
    if (i < value.size() && value[i] == '\\') {
      ++i;
      continue;
    }
    if (i == value.size() || value[i] == ';') {
      components.push_back(unescapeVCardText(value.substr(start, i - start)));
      start = i + 1;
    }
  }
  return components;
}

std::string foldVCardLine(std::string_view line) {
  std::string folded;
  std::size_t room = foldedLineOctets;
  while (line.size() > room) {
    std::size_t cut = room;
    while (cut > 0 && isContinuationByte(line[cut])) --cut;
    if (cut == 0) cut = room;  // not UTF-8: there is no sequence to keep whole
    folded.append(line.substr(0, cut)).append("\r\n ");
    line.remove_prefix(cut);
    room = foldedLineOctets - 1;  // the blank that begins a continuation is an octet of its line
  }
  return folded.append(line).append("\r\n");
}

std::vector<std::string> unfoldVCardLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string current;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      current += c;
      ++i;
      continue;
    }
    i += c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n' ? 2 : 1;
    if (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t')) {
      ++i;
      continue;
    }
    if (!current.empty()) lines.push_back(std::move(current));
    current.clear();
  }
  if (!current.empty()) lines.push_back(std::move(current));
  return lines;
}

std::optional<VCardProperty> parseVCardLine(std::string_view line) {
  bool quoted = false;
  std::size_t colon = std::string_view::npos;
  for (std::size_t i = 0; i < line.size() && colon == std::string_view::npos; ++i) {
    if (line[i] == '"') quoted = !quoted;
    if (line[i] == ':' && !quoted) colon = i;
  }
  if (colon == std::string_view::npos) return std::nullopt;
  std::vector<std::string> head = splitOutsideQuotes(line.substr(0, colon), ';');
  std::string name = std::move(head.front());
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name.erase(0, dot + 1);
  VCardProperty property;
  property.name = upperCase(name);
  property.parameters.assign(head.begin() + 1, head.end());
  property.value = std::string(line.substr(colon + 1));
  return property;
}

}  // namespace orvane
