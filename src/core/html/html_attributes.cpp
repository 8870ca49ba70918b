#include "html/html_attributes.h"

#include <algorithm>
#include <stdexcept>

namespace orvane::html {

namespace {

std::string upper(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

}  // namespace

THAttribute::THAttribute(std::string name, std::string hint, AttributeKind kind)
    : kind_(kind), hint_(std::move(hint)), name_(std::move(name)) {
  if (kind == AttributeKind::akBoolean) default_ = "False";
}

std::string THAttribute::GetDefault() const {
  std::string result = default_;
  if (result.empty() && kind_ == AttributeKind::akChoice && !choices.empty()) result = choices.front();
  if (onGetDefault) onGetDefault(result);
  return result;
}

std::string THAttribute::GetValue() const { return isDefault_ ? GetDefault() : value_; }

void THAttribute::SetValue(const std::string& value) {
  value_ = value;
  isDefault_ = value == GetDefault();
  modified_ = true;
  if (onChange) onChange(*this);
}

void THAttribute::SetDefault(const std::string& value) {
  default_ = value;
  isDefault_ = value == value_;
}

void THAttribute::SetFlags(std::uint8_t flags) {
  flags_ = flags;
  modified_ = true;
}

void THAttribute::SetFlag(std::uint8_t flag, bool on) {
  SetFlags(static_cast<std::uint8_t>(on ? flags_ | flag : flags_ & ~flag));
}

THAttribute& THAttributes::Add(std::unique_ptr<THAttribute> attribute) {
  const auto at = std::ranges::find_if(
      items_, [&](const std::unique_ptr<THAttribute>& item) { return !(item->name() < attribute->name()); });
  return **items_.insert(at, std::move(attribute));
}

THAttribute& THAttributes::Add(std::string name, std::string hint, AttributeKind kind) {
  return Add(std::make_unique<THAttribute>(std::move(name), std::move(hint), kind));
}

int THAttributes::Count() const { return static_cast<int>(items_.size()); }

THAttribute& THAttributes::Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }

THAttribute* THAttributes::Find(std::string_view name) const {
  const std::string wanted = upper(name);
  for (const auto& attribute : items_) {
    const std::string own = upper(attribute->name());
    if (own == wanted) return attribute.get();
    if (own > wanted) return nullptr;
  }
  return nullptr;
}

THAttribute& THAttributes::operator[](std::string_view name) const {
  if (THAttribute* attribute = Find(name)) return *attribute;
  throw std::out_of_range("no attribute " + std::string(name));
}

}  // namespace orvane::html
