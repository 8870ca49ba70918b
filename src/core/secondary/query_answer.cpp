#include "secondary/query_answer.h"

namespace orvane {

std::string queryAnswer(QueryEnding ending, const std::string& lastConfirmed, const std::string& typed,
                        const std::string& previous) {
  switch (ending) {
    case QueryEnding::Confirmed:
      return lastConfirmed;
    case QueryEnding::Cancelled:
      return typed;
    case QueryEnding::Other:
      break;
  }
  return previous;
}

}  // namespace orvane
