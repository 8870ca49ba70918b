#include "card/control_lists.h"

#include <algorithm>
#include <limits>

#include "catalogue/catalogue.h"
#include "text/field_text.h"
#include "text/utf8.h"

namespace orvane {

namespace {

constexpr int wordWidth = 1029;
constexpr int wordLength = 1030;
constexpr int wordHeight = 1022;
constexpr int wordLeftEdge = 1025;
constexpr int leftEdgePlus = 1026;  // French only
constexpr int wordMargin = 1028;
constexpr int marginPlus = 1020;
constexpr int wordText = 1017;
constexpr int wordFrame = 1024;
constexpr int wordLeft = 1012;
constexpr int wordCentred = 1013;
constexpr int wordRight = 1014;
constexpr int wordSpacing = 1023;
constexpr int wordFormats = 1027;
constexpr int firstFormatName = 1132;  // "défaut" to "carré"
constexpr int formatNames = 5;
constexpr int wordOrientation = 1031;
constexpr int wordVertical = 76;
constexpr int wordHorizontal = 75;
constexpr int wordSize = 1314;

// Frame lists step by 1 up to 20 pixels either way, card and icon lists up to 10.
constexpr int frameSteps = 20;
constexpr int cardSteps = 10;

// The longest text a control hands over.
constexpr int longestText = 255;

// Plus items counting down from `steps` to 1, the neutral item, then minus items from -1 to -steps.
ItemList offsetList(int steps, auto plusItem, const std::string& neutral, auto minusItem) {
  ItemList list;
  for (int n = steps; n >= 1; --n) list.items.push_back(plusItem(n));
  list.shown = static_cast<int>(list.items.size());
  list.items.push_back(neutral);
  for (int n = 1; n <= steps; ++n) list.items.push_back(minusItem(-n));
  return list;
}

// A size list whose items are the word formatted with " + n" (frames) or "+n" (card and icon).
ItemList wordList(Language language, int word, int steps, std::string_view plus) {
  return offsetList(
      steps, [&](int n) { return catalogue::format(language, word, std::string(plus) + std::to_string(n)); },
      catalogue::text(language, word),
      [&](int n) { return catalogue::format(language, word, " " + std::to_string(n)); });
}

// A list whose plus items are a plain text followed by the number ("marge + 10").
ItemList prefixedList(Language language, const std::string& plusPrefix, int word) {
  return offsetList(
      cardSteps, [&](int n) { return plusPrefix + std::to_string(n); }, catalogue::text(language, word),
      [&](int n) { return catalogue::format(language, word, " " + std::to_string(n)); });
}

// The "bord gauche + " prefix. The catalogue has it in French only; the other languages name the
// edge in their own words, in the same word, "+", number form the left-offset rule reads.
std::string leftEdgePrefix(Language language) {
  if (const auto prefix = catalogue::find_text(language, leftEdgePlus)) return std::string(*prefix);
  return language == Language::German ? "linker Rand + " : "left edge + ";
}

ItemList plainList(Language language, std::initializer_list<int> words) {
  ItemList list;
  for (int word : words) list.items.push_back(catalogue::text(language, word));
  return list;
}

// The integer of what is left of `text` from `start`, leading blanks skipped, as a 16-bit value; a
// number beyond 16 bits is held at the nearest bound rather than wrapped into a wrong offset.
int offsetFrom(std::string_view text, std::size_t start) {
  const int value = start >= text.size() ? 0 : parseInteger(text.substr(start));
  return std::clamp(value, int{std::numeric_limits<std::int16_t>::min()},
                    int{std::numeric_limits<std::int16_t>::max()});
}

std::string_view controlText(std::string_view text) { return text.substr(0, utf8Offset(text, longestText)); }

}  // namespace

ItemList controlList(ControlList list, Language language) {
  switch (list) {
    case frame1WidthList:
    case frame2WidthList:
      return wordList(language, wordWidth, frameSteps, " + ");
    case frame1LengthList:
    case frame2LengthList:
      return wordList(language, wordLength, frameSteps, " + ");
    case frame1TopList:
    case frame2TopList:
      return wordList(language, wordHeight, frameSteps, " + ");
    case cardWidthList:
    case iconWidthList:
      return wordList(language, wordWidth, cardSteps, "+");
    case cardLengthList:
    case iconLengthList:
      return wordList(language, wordLength, cardSteps, "+");
    case iconTopList:
    case qrTopList:
      return wordList(language, wordHeight, cardSteps, "+");
    case qrSizeList:
      return wordList(language, wordSize, cardSteps, "+");
    case iconMarginList:
    case qrLeftList:
      return prefixedList(language, catalogue::text(language, marginPlus), wordMargin);
    case frame1LeftList:
    case frame2LeftList:
      return prefixedList(language, leftEdgePrefix(language), wordLeftEdge);
    case frame1AlignmentList:
    case frame2AlignmentList:
      return plainList(language, {wordText, wordLeft, wordCentred, wordRight});
    case frame2PlacementList:
      return plainList(language, {wordFrame, wordLeft, wordCentred, wordRight});
    case orientationList:
      return plainList(language, {wordOrientation, wordVertical, wordHorizontal});
    case spacingList: {
      ItemList spacing = plainList(language, {wordSpacing});
      for (int n = 5; n <= 15; ++n) spacing.items.push_back(std::to_string(n));
      return spacing;
    }
    case formatList: {
      ItemList formats = plainList(language, {wordFormats});
      for (int i = 0; i < formatNames; ++i)
        formats.items.push_back(catalogue::text(language, firstFormatName + i));
      return formats;
    }
  }
  return {};
}

const std::vector<ControlList>& allControlLists() {
  static const std::vector<ControlList> lists = [] {
    std::vector<ControlList> all;
    for (int n = frame1WidthList; n <= orientationList; ++n) all.push_back(static_cast<ControlList>(n));
    return all;
  }();
  return lists;
}

int parseOffset(std::string_view text) {
  text = controlText(text);
  if (const auto plus = text.find('+'); plus != std::string_view::npos) return offsetFrom(text, plus + 1);
  const auto blank = text.find(' ');
  return offsetFrom(text, blank == std::string_view::npos ? 0 : blank + 1);
}

int parseLeftOffset(std::string_view text) {
  text = controlText(text);
  if (const auto plus = text.find('+'); plus != std::string_view::npos) return offsetFrom(text, plus + 1);
  const auto blank = text.rfind(' ');
  return blank == std::string_view::npos ? 0 : offsetFrom(text, blank);
}

}  // namespace orvane
