#pragma once
// The built-in user guide: a fixed French text that does not follow the interface language. The help
// window shows it whole; the help document opens it at the entry of a help context.

#include <string>
#include <string_view>
#include <vector>

namespace orvane {

/// One numbered message the guide explains, with the lines shown for it.
struct GuideMessage {
  int number = 0;
  std::vector<std::string_view> lines;
};

/// The guide's main lines, in order; a line may hold CR LF pairs, each giving one more row. The second
/// line holds only an empty row and gives way to the configuration block.
const std::vector<std::string_view>& guideMainLines();
/// The configuration block shown right after the title.
const std::vector<std::string_view>& guideConfigurationLines();
/// The entries under "MESSAGES REPERTORIES", in order; they close the guide.
const std::vector<GuideMessage>& guideMessages();

/// The rows of the guide as the help window shows them, one text per row.
std::vector<std::string> guideRows();

/// The help context of the numbered warnings and errors: it opens the list of messages.
inline constexpr int helpContextMessageList = 9;

/// The row at which the help document opens for `context`: a message's number lands on its entry, the
/// numbered messages' context on the list of messages (or on the entry of the number that ends
/// `messageText`, as in "... - Avertissement 310"), any other context on the title.
int helpEntryRow(int context, std::string_view messageText = {});

}  // namespace orvane
