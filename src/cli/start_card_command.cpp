#include <iostream>

#include "card/card_model.h"
#include "cli/card_json.h"
#include "cli/command_table.h"

namespace orvane::cli {

int startCardCommand(const Arguments& args) {
  if (!args.empty()) return usageError(usageLine("start-card") + " (takes no arguments)");
  CardModel card;
  setupStartCard(card, 96);
  JsonWriter json;
  writeCard(json, card);
  std::cout << json.text() << '\n';
  return 0;
}

}  // namespace orvane::cli
