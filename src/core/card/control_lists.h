#pragma once
// The item lists of the main window's parameter controls, and how an item's text is read as the offset
// it adds to a length. The lists follow the interface language; the controls are named by their number
// (ComboBox1 is 1).

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/language.h"

namespace orvane {

/// The controls that carry an item list, by number.
enum ControlList : int {
  frame1WidthList = 1,
  frame2WidthList = 2,
  frame1LengthList = 3,
  frame2LengthList = 4,
  frame1AlignmentList = 5,
  frame2AlignmentList = 6,
  frame1TopList = 7,
  frame2TopList = 8,
  iconWidthList = 9,
  iconLengthList = 10,
  iconTopList = 11,
  spacingList = 12,
  frame2PlacementList = 13,
  frame1LeftList = 14,
  frame2LeftList = 15,
  formatList = 16,
  iconMarginList = 17,
  cardWidthList = 18,
  cardLengthList = 19,
  orientationList = 20,
  // The QR code's place and size, beside the icon's.
  qrLeftList = 21,
  qrTopList = 22,
  qrSizeList = 23,
};

/// The items of one list and the item it shows after filling.
struct ItemList {
  std::vector<std::string> items;
  int shown = 0;
};

/// The items of list `list` in `language` (`buildControlLists` for one control).
ItemList controlList(ControlList list, Language language);

/// Every list control, in the order they are filled.
const std::vector<ControlList>& allControlLists();

/// The offset an item text adds (every list but the two "bord gauche" lists): after the first "+" when
/// there is one, otherwise after the first blank; 0 for a text that is not an integer.
int parseOffset(std::string_view text);

/// The offset of a "bord gauche" item: after the first "+" when there is one, otherwise the text from
/// its last blank; 0 when there is neither.
int parseLeftOffset(std::string_view text);

}  // namespace orvane
