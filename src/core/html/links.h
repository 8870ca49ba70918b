#pragma once
// "Links": the attribute values of a converter's elements kept with the window's design data, as a
// nested list of quoted strings: ('<FORM>..</FORM>' ('Action' '' ...) 'Panel1' ('Border' '1') ...).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::html {

/// One record read back: an element name (kind 0) or an attribute pair (kind 1).
struct THExtStored {
  int kind = 0;
  std::string name;
  std::string value;
  bool operator==(const THExtStored&) const = default;
};

using THExtStoredList = std::vector<THExtStored>;

/// One element's entry of the written list: its name and its attribute pairs, in list order.
struct LinksEntry {
  std::string name;
  std::vector<std::pair<std::string, std::string>> pairs;
};

/// The written form of `entries`, one element per line.
std::string writeLinksText(const std::vector<LinksEntry>& entries);
/// The records of a written form, in order; nothing when the text is not such a list.
std::optional<THExtStoredList> readLinksText(std::string_view text);

}  // namespace orvane::html
