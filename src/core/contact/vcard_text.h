#pragma once
// The text layer of vCard 4.0 files: escaping of text values, line folding and unfolding, and the
// parts of a content line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

/// `text` as a vCard text value: backslash, comma and semicolon escaped, each line end as "\n".
std::string escapeVCardText(std::string_view text);

/// The text a vCard text value stands for; "\N" is a line end too, and an unknown escape gives the
/// character escaped.
std::string unescapeVCardText(std::string_view value);

/// The components of a structured value (N, ADR, ORG), split at the semicolons that are not escaped,
/// each one unescaped.
std::vector<std::string> splitVCardComponents(std::string_view value);

/// `line` as it is written to a file: folded so that no physical line passes 75 octets, each
/// continuation begun by a blank and no UTF-8 sequence split; every physical line ended by CR LF.
std::string foldVCardLine(std::string_view line);

/// The content lines of `bytes`: continuations (a line end followed by a blank or a tab) joined to
/// the line they continue, line ends (CR LF or LF) removed, empty lines left out.
std::vector<std::string> unfoldVCardLines(std::string_view bytes);

/// One content line: its name in upper case without the group, its parameters as written
/// ("TYPE=work"), and its value, still escaped.
struct VCardProperty {
  std::string name;
  std::vector<std::string> parameters;
  std::string value;
};

/// The parts of a content line; nothing when it has no colon outside quotes.
std::optional<VCardProperty> parseVCardLine(std::string_view line);

}  // namespace orvane
