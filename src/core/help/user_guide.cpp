#include "help/user_guide.h"

#include <cctype>
#include <map>

#include "text/field_text.h"

namespace orvane {

namespace {

struct GuideLayout {
  std::vector<std::string> rows;
  int messageListRow = 0;
  std::map<int, int> messageRows;  // message number -> row of its first line
};

// A line's CR LF pairs start new rows, so a line of one pair shows as two empty rows.
void addRows(std::vector<std::string>& rows, std::string_view line) {
  for (std::size_t start = 0;;) {
    const std::size_t pair = line.find("\r\n", start);
    rows.emplace_back(
        line.substr(start, pair == std::string_view::npos ? std::string_view::npos : pair - start));
    if (pair == std::string_view::npos) return;
    start = pair + 2;
  }
}

GuideLayout layOut() {
  GuideLayout layout;
  const auto& main = guideMainLines();
  addRows(layout.rows, main.front());
  // The configuration block takes the place of the second main line, which holds only an empty row;
  // its own last row separates it from the rest.
  for (std::string_view line : guideConfigurationLines()) addRows(layout.rows, line);
  for (std::size_t index = 2; index < main.size(); ++index) addRows(layout.rows, main[index]);
  layout.messageListRow = static_cast<int>(layout.rows.size()) - 1;
  for (const GuideMessage& message : guideMessages()) {
    layout.rows.emplace_back();
    layout.messageRows[message.number] = static_cast<int>(layout.rows.size());
    for (std::string_view line : message.lines) addRows(layout.rows, line);
  }
  return layout;
}

const GuideLayout& guideLayout() {
  static const GuideLayout layout = layOut();
  return layout;
}

// The number that ends a numbered message ("... - Avertissement 310"), or nothing.
std::string_view trailingNumber(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  std::size_t start = text.size();
  while (start > 0 && std::isdigit(static_cast<unsigned char>(text[start - 1]))) --start;
  return text.substr(start);
}

}  // namespace

std::vector<std::string> guideRows() { return guideLayout().rows; }

int helpEntryRow(int context, std::string_view messageText) {
  const GuideLayout& layout = guideLayout();
  if (context == helpContextMessageList) {
    const std::string_view number = trailingNumber(messageText);
    if (number.empty()) return layout.messageListRow;
    const auto entry = layout.messageRows.find(tryParseInteger(number).value_or(-1));
    return entry == layout.messageRows.end() ? layout.messageListRow : entry->second;
  }
  const auto entry = layout.messageRows.find(context);
  return entry == layout.messageRows.end() ? 0 : entry->second;
}

}  // namespace orvane
