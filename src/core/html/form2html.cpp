#include "html/form2html.h"

#include <algorithm>
#include <unordered_map>

#include "html/placer.h"

namespace orvane::html {

namespace {

// Copies by attribute name, which for two elements of one class is the same as position by position
// and never puts one attribute's value into another for elements of different classes. A value that
// still follows its default keeps following it, so that a name qualified by the old container does
// not stay behind.
void copyValues(const THElement& from, THElement& to) {
  for (int i = 0; i < from.attributes.Count(); ++i) {
    const THAttribute& source = from.attributes.Items(i);
    if (source.isDefault()) continue;
    if (THAttribute* target = to.attributes.Find(source.name())) target->SetValue(source.GetValue());
  }
}

void copyTree(const THControl& from, THControl& newRoot) {
  for (const auto& child : from.children) {
    if (THControl* target = newRoot.FindByName(child->GetName())) copyValues(*child, *target);
    if (child->isContainer()) copyTree(*child, newRoot);
  }
}

void purge(THControl& container) {
  for (auto& child : container.children)
    if (child->kept && child->isContainer()) purge(*child);
  std::erase_if(container.children, [](const std::unique_ptr<THControl>& child) { return !child->kept; });
}

void appendEntries(const THElement& element, std::vector<LinksEntry>& entries) {
  LinksEntry entry{element.GetName(), {}};
  for (int i = 0; i < element.attributes.Count(); ++i)
    entry.pairs.emplace_back(element.attributes.Items(i).name(), element.attributes.Items(i).GetValue());
  entries.push_back(std::move(entry));
  if (const auto* control = dynamic_cast<const THControl*>(&element))
    for (const auto& child : control->children) appendEntries(*child, entries);
}

}  // namespace

TWHForm2HTML::TWHForm2HTML(const minicv::ControlTree& tree, minicv::ControlId owner, TextMetrics& metrics,
                           Prompter& prompter)
    : tree_(tree), owner_(owner), metrics_(metrics), prompter_(prompter) {
  SetMainContainer(minicv::noControl);
}

TWHForm2HTML::~TWHForm2HTML() = default;

void TWHForm2HTML::SetMainContainer(minicv::ControlId container) {
  if (container == mainContainer_ && container != minicv::noControl) return;
  std::unique_ptr<THControl> old = std::move(root_);
  mainContainer_ = container == minicv::noControl ? owner_ : container;
  const minicv::Control& control = tree_.at(mainContainer_);
  // A container that cannot hold controls leaves the form empty.
  if (const auto elementClass = ElementClassFor(control); elementClass && isContainerClass(*elementClass)) {
    root_ = std::make_unique<THControl>(*this, *elementClass, mainContainer_);
    Prepare();
  }
  if (!old || !root_) return;
  if (root_->GetName() == old->GetName()) copyValues(*old, *root_);
  copyTree(*old, *root_);
}

void TWHForm2HTML::Prepare() {
  if (!root_) return;
  root_->SetKept(false);
  synchronise(*root_, tree_.childLists());
  purge(*root_);
}

void TWHForm2HTML::synchronise(THControl& container,
                               const std::vector<std::vector<minicv::ControlId>>& children) {
  container.placer.reset();
  container.kept = true;
  // The elements the container has, by control: each control's own is then found at once.
  std::unordered_map<minicv::ControlId, THControl*> existing;
  for (const auto& child : container.children) existing.emplace(child->control(), child.get());
  for (const minicv::ControlId id : children[static_cast<std::size_t>(container.control())]) {
    const auto elementClass = ElementClassFor(tree_.at(id));
    if (!elementClass) continue;
    const auto found = existing.find(id);
    THControl* element = found != existing.end() ? found->second : nullptr;
    if (!element || element->elementClass() != *elementClass)
      element = container.children.emplace_back(std::make_unique<THControl>(*this, *elementClass, id)).get();
    element->kept = true;
    element->parent = &container;
    if (element->isContainer()) synchronise(*element, children);
  }
}

THControl* TWHForm2HTML::FindByName(std::string_view name) {
  return root_ ? root_->FindByName(name) : nullptr;
}

std::string TWHForm2HTML::WriteLinks() {
  Prepare();
  std::vector<LinksEntry> entries;
  appendEntries(form_, entries);
  if (root_) appendEntries(*root_, entries);
  return writeLinksText(entries);
}

bool TWHForm2HTML::LoadLinks(std::string_view text) {
  const auto records = readLinksText(text);
  if (!records) return false;
  Prepare();
  THElement* target = &form_;
  // The first record names the form element, the target at the start.
  for (std::size_t i = 1; i < records->size(); ++i) {
    const THExtStored& record = (*records)[i];
    if (record.kind == 0) {
      target = FindByName(record.name);
    } else if (target) {
      if (THAttribute* attribute = target->attributes.Find(record.name)) attribute->SetValue(record.value);
    }
  }
  return true;
}

}  // namespace orvane::html
