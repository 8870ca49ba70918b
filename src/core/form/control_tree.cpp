#include "form/control_tree.h"

#include <stdexcept>

namespace orvane::minicv {

namespace {

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool Control::isContainer() const {
  switch (kind) {
    case ControlKind::Window:
    case ControlKind::Panel:
    case ControlKind::GroupBox:
    case ControlKind::RadioGroup:
      return true;
    default:
      return false;
  }
}

ControlId ControlTree::add(Control control) {
  controls_.push_back(std::move(control));
  return static_cast<ControlId>(controls_.size() - 1);
}

ControlId ControlTree::find(std::string_view name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (sameNameIgnoringCase(controls_[i].name, name)) return static_cast<ControlId>(i);
  return noControl;
}

Control& ControlTree::operator[](std::string_view name) {
  const ControlId id = find(name);
  if (id == noControl) throw std::out_of_range("no control named " + std::string(name));
  return at(id);
}

const Control& ControlTree::operator[](std::string_view name) const {
  const ControlId id = find(name);
  if (id == noControl) throw std::out_of_range("no control named " + std::string(name));
  return at(id);
}

std::vector<ControlId> ControlTree::children(ControlId parent) const {
  std::vector<ControlId> result;
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].parent == parent) result.push_back(static_cast<ControlId>(i));
  return result;
}

std::vector<std::vector<ControlId>> ControlTree::childLists() const {
  std::vector<std::vector<ControlId>> lists(controls_.size());
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].parent != noControl)
      lists.at(static_cast<std::size_t>(controls_[i].parent)).push_back(static_cast<ControlId>(i));
  return lists;
}

bool ControlTree::showing(ControlId id) const {
  for (; id != noControl; id = at(id).parent)
    if (!at(id).visible) return false;
  return true;
}

}  // namespace orvane::minicv
