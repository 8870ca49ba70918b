#include "shell/card_shape_controls.h"

#include "card/control_lists.h"
#include "card/orientation_switch.h"
#include "card/standard_formats.h"
#include "catalogue/catalogue.h"

namespace orvane {

namespace {

constexpr int wordHorizontal = 75;

}  // namespace

ControlFollowUp chooseStandardFormat(CardEditorShell& shell, CardModel& card, CardShapeState& state,
                                     std::string_view shownText) {
  if (const std::optional<int> format = standardFormatNamed(shownText, shell.state().interfaceLanguage)) {
    applyStandardFormat(card, *format);
    state.fitA4Enabled = fitA4AllowedFor(*format);
  }
  const ControlFollowUp followUp = shell.afterControlChange(formatList);
  if (followUp.relayout) {
    relayoutProportional(card, state.landscapeRatios);
    snapshotAfterFormatChange(card);
  }
  return followUp;
}

OrientationConfirmed confirmOrientation(CardEditorShell& shell, CardModel& card, CardShapeState& state,
                                        std::string_view shownText) {
  const Language language = shell.state().interfaceLanguage;
  const bool horizontal = shownText == catalogue::text(language, wordHorizontal);
  const Orientation target = horizontal ? Orientation::Horizontal : Orientation::Vertical;
  const OrientationSwitch turned = switchOrientation(card, target, state.landscapeRatios);
  if (turned.change != OrientationChange::Relaid) return {};
  OrientationConfirmed confirmed;
  confirmed.followUp = shell.afterControlChange(orientationList);
  if (turned.iconSizeKept) confirmed.warning = refusedSizeWarning(language);
  return confirmed;
}

bool fitCardToA4(CardModel& card, const CardShapeState& state) {
  if (!state.fitA4Enabled) return false;
  fitToA4(card);
  return true;
}

}  // namespace orvane
