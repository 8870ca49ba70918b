#pragma once
// Cards for a team: a card's frame texts and contact may hold fields written «NAME», which each row of
// a data table fills with its cell under the header cell NAME.

#include <string>
#include <vector>

#include "card/card_model.h"

namespace orvane {

/// A field a row could not fill: the table has no such column, or the row stops short of it.
struct MissingField {
  int row;  // 1-based, counting data rows only
  std::string field;
  bool operator==(const MissingField&) const = default;
};

/// One data row with the header that names its cells.
struct MergeRow {
  const std::vector<std::string>& header;
  const std::vector<std::string>& cells;
  int number;  // 1-based
};

/// `card` with every «NAME» of its frame texts and contact replaced by the row's cell; a field the row
/// cannot fill is left empty and added to `missing`, once per row and field. A field is only found
/// within one run of text: one whose characters carry different formats is left as written.
CardModel mergedCard(const CardModel& card, const MergeRow& row, std::vector<MissingField>& missing);

}  // namespace orvane
