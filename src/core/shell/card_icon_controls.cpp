#include "shell/card_icon_controls.h"

#include "cardfile/card_file_loader.h"
#include "catalogue/catalogue.h"
#include "text/field_text.h"
#include "text/rounding.h"

namespace orvane {

namespace {
constexpr int titleOrientation = 1031;
constexpr int wordVertical = 76;
constexpr int messageDimensionProblem = 1149;

// The orientation list shows its title or "vertical": the lists act on the card as it stands upright.
bool orientationListShowsUpright(std::string_view shown, Language language) {
  return shown == catalogue::text(language, titleOrientation) ||
         shown == catalogue::text(language, wordVertical);
}
}  // namespace

// A card or icon of no size, or a negative one, would make the window vanish.
SizeWarning setDrawableLength(int& length, long long value, Language language, int smallest) {
  if (value >= smallest && value <= maxDrawableLength) {
    length = static_cast<int>(value);
    return std::nullopt;
  }
  return catalogue::text(language, messageDimensionProblem) + "\r\nInformation 110";
}

CardSizeChange changeCardSize(CardModel& card, CardEditorShell& shell, ControlList list,
                              std::string_view text, std::string_view orientationShown) {
  const int offset = parseOffset(text);
  const Language language = shell.state().interfaceLanguage;
  const bool upright = orientationListShowsUpright(orientationShown, language);
  const bool widthList = list == cardWidthList;
  int& length = widthList == upright ? card.cardWidth : card.cardHeight;
  CardSizeChange change;
  change.warning = setDrawableLength(length, static_cast<long long>(length) + offset, language);
  change.followUp = shell.afterControlChange(list);
  return change;
}

ControlFollowUp changeSpacing(CardModel& card, CardEditorShell& shell, std::string_view text) {
  if (const auto spacing = tryParseInteger(text)) card.spacing = *spacing;
  return shell.afterControlChange(spacingList);
}

IconChange changeIcon(CardModel& card, CardEditorShell& shell, ControlList list, std::string_view text) {
  const int offset = parseOffset(text);
  const Language language = shell.state().interfaceLanguage;
  IconChange change;
  switch (list) {
    case iconWidthList:
      change.warning =
          setDrawableLength(card.iconWidth, static_cast<long long>(card.iconWidth) + offset, language);
      break;
    case iconLengthList:
      change.warning =
          setDrawableLength(card.iconHeight, static_cast<long long>(card.iconHeight) + offset, language);
      break;
    case iconMarginList:
      card.iconLeft += offset;
      change.iconMoved = true;
      break;
    case iconTopList:
      card.iconTop += offset;
      change.iconMoved = true;
      break;
    default:
      return change;
  }
  change.followUp = shell.afterControlChange(list);
  return change;
}

ResetOutcome resetToDesign(CardModel& card, ResetBox box, bool checked) {
  const bool horizontal = isHorizontal(card);
  switch (box) {
    case ResetBox::cardWidth:
      if (!checked) return {};
      card.cardWidth = horizontal ? card.designHeight : card.designWidth;
      return {.uncheck = true};
    case ResetBox::cardLength:
      if (!checked) return {};
      card.cardHeight = horizontal ? card.designWidth : card.designHeight;
      return {.uncheck = true};
    case ResetBox::iconMargin:
      card.iconLeft = card.designIconLeft;
      return {.iconMoved = true};
    case ResetBox::iconTop:
      card.iconTop = card.designIconTop;
      return {.iconMoved = true};
  }
  return {};
}

TrackBarOutcome tb1_change(CardModel& card, CardWindowState& cardWindow, bool cardVisible,
                           const TrackBar& bar, int screenHeight) {
  if (!cardVisible) return {.snapBack = true};
  card.cardTop = roundToInt(static_cast<double>(screenHeight) * bar.position * bar.minimum / bar.maximum);
  cardWindow.trackBarTop = card.cardTop;
  return {.cardMoved = true};
}

}  // namespace orvane
