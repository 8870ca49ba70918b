#include "card/frame_controls.h"

#include <algorithm>
#include <array>

#include "catalogue/catalogue.h"
#include "text/rounding.h"

namespace orvane {

namespace {

constexpr int messageFramePositionRecalculated = 1146;  // formatted with the frame number
constexpr int messagePositionProblem = 1147;
constexpr int messageFrameResized = 1148;  // formatted with the frame number
constexpr int messageDimensionProblem = 1149;
constexpr int messageAutomaticResize = 1150;
constexpr int messageAutomaticReposition = 1151;
constexpr int itemLeft = 1012;
constexpr int itemCentre = 1013;
constexpr int itemRight = 1014;
// Frame 1's height check speaks French in every language: it has no catalogue entry.
constexpr std::string_view fixedDimensionProblem = "Problème dimension";

constexpr std::array frameGeometryLists{frame1WidthList, frame2WidthList, frame1LengthList, frame2LengthList,
                                        frame1TopList,   frame2TopList,   frame1LeftList,   frame2LeftList};

/// A warning line: the message, then the numbered information the help guide explains.
std::string warningLines(std::string_view message, int information) {
  return std::string(message) + "\r\nInformation " + std::to_string(information);
}

/// Adds `offset` to a frame length; a frame can shrink to nothing but never to a negative size, which
/// would turn it inside out on the card and in the file.
void grow(int& length, int offset) { length = std::max(0, length + offset); }

/// Brings the frame back inside the card from below; true when it moved.
bool keepInsideFromBelow(const CardModel& card, FrameModel& frame) {
  if (frame.frameTop + frame.frameHeight <= card.cardHeight) return false;
  frame.frameTop = card.cardHeight - frame.frameHeight;
  return true;
}

/// Cuts the frame to the card's width; true when it was wider.
bool cutToCardWidth(const CardModel& card, FrameModel& frame) {
  if (frame.frameWidth <= card.cardWidth) return false;
  frame.frameWidth = card.cardWidth;
  return true;
}

class GeometryStep {
 public:
  GeometryStep(CardModel& card, int number, Language language)
      : card_(card), frame_(card.frame(number)), number_(number), language_(language) {}

  FrameWarning top(int offset) {
    frame_.frameTop += offset;
    if (keepInsideFromBelow(card_, frame_))
      warn(formatted(messageFramePositionRecalculated, std::to_string(number_)), 100);
    if (frame_.frameTop < 0) warn(text(messagePositionProblem), 100);
    return warning_;
  }

  /// "largeur" on a vertical card, "longueur" on a horizontal one.
  FrameWarning acrossWidth(int offset, std::string_view cutMessage) {
    grow(frame_.frameWidth, offset);
    if (cutToCardWidth(card_, frame_)) warn(cutMessage, 120);
    centreFrame(card_, frame_);
    return warning_;
  }

  /// "largeur" on a horizontal card.
  FrameWarning heightWithoutNotice(int offset) {
    grow(frame_.frameHeight, offset);
    keepInsideFromBelow(card_, frame_);
    if (frame_.frameTop >= 0) return warning_;
    if (number_ == 1)
      warn(text(messageDimensionProblem), 110);
    else
      warn(text(messageAutomaticResize), 100);
    return warning_;
  }

  /// "longueur" on a vertical card.
  FrameWarning heightWithNotice(int offset) {
    grow(frame_.frameHeight, offset);
    if (keepInsideFromBelow(card_, frame_)) warn(text(messageAutomaticReposition), 120);
    if (number_ == 1) {
      if (frame_.frameTop < 0) warn(fixedDimensionProblem, 110);
      return warning_;
    }
    const FrameModel& frame1 = card_.frame(1);
    // This one is a single line: the information follows the message after a dash.
    if (frame_.frameTop < frame1.frameTop + frame1.frameHeight)
      warning_ = text(messageDimensionProblem) + " - Information 100";
    return warning_;
  }

  FrameWarning left(int offset) {
    frame_.frameLeft += offset;
    if (frame_.frameLeft + frame_.frameWidth > card_.cardWidth) {
      frame_.frameLeft = card_.cardWidth - frame_.frameWidth;
      warn(text(messageAutomaticReposition), 120);
    }
    if (frame_.frameLeft < 0) warn(text(messageDimensionProblem), 110);
    return warning_;
  }

  std::string text(int id) const { return catalogue::text(language_, id); }
  std::string formatted(int id, std::string_view argument) const {
    return catalogue::format(language_, id, argument);
  }

 private:
  // A later warning of the same step replaces an earlier one.
  void warn(std::string_view message, int information) { warning_ = warningLines(message, information); }

  CardModel& card_;
  FrameModel& frame_;
  int number_;
  Language language_;
  FrameWarning warning_;
};

bool isItem(std::string_view item, Language language, int id) {
  return item == catalogue::text(language, id);
}

}  // namespace

int frameOfControl(ControlList list) {
  switch (list) {
    case frame2WidthList:
    case frame2LengthList:
    case frame2AlignmentList:
    case frame2TopList:
    case frame2PlacementList:
    case frame2LeftList:
      return 2;
    default:
      return 1;
  }
}

bool isFrameGeometryList(ControlList list) {
  return std::ranges::find(frameGeometryLists, list) != frameGeometryLists.end();
}

void centreFrame(const CardModel& card, FrameModel& frame) {
  frame.frameLeft = (card.cardWidth - frame.frameWidth) / 2;
}

FrameWarning changeFrameGeometry(CardModel& card, ControlList list, std::string_view confirmed,
                                 Language language) {
  const int number = frameOfControl(list);
  GeometryStep step(card, number, language);
  const bool horizontal = isHorizontal(card);
  switch (list) {
    case frame1TopList:
    case frame2TopList:
      return step.top(parseOffset(confirmed));
    case frame1LeftList:
    case frame2LeftList:
      return step.left(parseLeftOffset(confirmed));
    case frame1WidthList:
    case frame2WidthList: {
      const int offset = parseOffset(confirmed);
      if (horizontal) return step.heightWithoutNotice(offset);
      return step.acrossWidth(
          offset, number == 1 ? step.formatted(messageFrameResized, "1") : step.text(messageAutomaticResize));
    }
    case frame1LengthList:
    case frame2LengthList: {
      const int offset = parseOffset(confirmed);
      if (horizontal) return step.acrossWidth(offset, step.text(messageAutomaticResize));
      return step.heightWithNotice(offset);
    }
    default:
      return std::nullopt;
  }
}

bool alignFrameText(CardModel& card, int number, std::string_view item, Language language) {
  FrameAlignmentCode code = alignLeft;
  if (isItem(item, language, itemLeft))
    code = alignLeft;
  else if (isItem(item, language, itemCentre))
    code = alignCentre;
  else if (isItem(item, language, itemRight))
    code = alignRight;
  else
    return false;
  FrameModel& frame = card.frame(number);
  frame.text.setAlignment(paragraphAlignmentOf(code));
  // The file writer keeps the code the text now carries.
  frame.frameAlignment = code;
  return true;
}

bool placeFrame2(CardModel& card, std::string_view item, Language language) {
  FrameModel& frame = card.frame(2);
  const int room = card.cardWidth - frame.frameWidth;
  if (isItem(item, language, itemLeft))
    frame.frameLeft = 0;
  else if (isItem(item, language, itemCentre))
    frame.frameLeft = roundToInt(room * 0.5);
  else if (isItem(item, language, itemRight))
    frame.frameLeft = room;
  else
    return false;
  return true;
}

}  // namespace orvane
