#pragma once
// The sixteen optional elements of the mini-CV: their check boxes, captions, the sheet controls each
// one owns and their states when the editor is built.

#include <optional>
#include <span>
#include <string_view>

namespace orvane::minicv {

struct ElementInfo {
  std::string_view checkBox;  // CheckBox1 .. CheckBox16
  int captionId;              // catalogue message
  std::string_view controls;  // lower-case control names, one or two joined by a comma
  int defaultState;
};

/// The elements, in the order of their check boxes.
std::span<const ElementInfo> elementTable();

/// Element numbers the rules name.
enum Element : int {
  photoElement = 0,
  civilityElement,
  ageElement,
  maritalElement,
  fixedPhoneElement,
  mobilePhoneElement,
  emailElement,
  webSiteElement,
  contactOptionElement,  // "option cadre 2", three-state
  vehicleElement,
  licenceElement,
  zone1Element,
  zone2Element,
  zone3Element,
  zone4Element,
  nationalityElement,
};

/// Whether `list` names the control `name`: the lower-cased name equals the whole list, its part
/// before the comma or its part after it.
bool listsControl(std::string_view list, std::string_view name);
/// The element whose list names the control, or nothing when no element does (the control always
/// prints).
std::optional<int> elementOfControl(std::string_view name);

}  // namespace orvane::minicv
