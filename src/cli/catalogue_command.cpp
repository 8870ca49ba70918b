// orvane-cli catalogue LANG ID [--format A [B]]: prints one catalogue text, for scripts and tests.
#include <iostream>
#include <optional>
#include <string>

#include "catalogue/catalogue.h"
#include "cli/command_table.h"
#include "text/field_text.h"

namespace orvane::cli {
int catalogueCommand(const Arguments& args) {
  const bool plain = args.size() == 2;
  const bool formatted = (args.size() == 4 || args.size() == 5) && args[2] == "--format";
  if (!plain && !formatted) return usageError(usageLine("catalogue"));
  const std::optional<int> id = tryParseInteger(args[1]);
  if (!id) return usageError("catalogue: the id must be an integer: " + args[1]);

  // A language the catalogue does not hold has no message, like an id it does not hold.
  const std::optional<Language> language = languageOfCode(args[0]);
  if (!language) return 1;
  std::optional<std::string> found;
  if (plain) {
    if (const auto text = catalogue::find_text(*language, *id)) found.emplace(*text);
  } else {
    found = catalogue::find_format(*language, *id, args[3], args.size() == 5 ? args[4] : std::string());
  }
  if (!found) return 1;
  std::cout << *found << '\n';
  return 0;
}

}  // namespace orvane::cli
