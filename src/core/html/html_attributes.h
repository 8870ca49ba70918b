#pragma once
// The named attributes an HTML element carries: a value with a default that may follow the source
// control, a kind, flags that say how the value reaches the page, and hooks that tie attributes
// together.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::html {

enum class AttributeKind : std::uint8_t { akText = 0, akBoolean = 1, akInteger = 2, akChoice = 3 };

// Flag bits of an attribute.
inline constexpr std::uint8_t afApplicable = 1;  // shown in an attributes editor
inline constexpr std::uint8_t afHTML = 2;        // written as an HTML attribute
inline constexpr std::uint8_t afSuppressed = 4;  // never written, even with afHTML
inline constexpr std::uint8_t afMirror = 8;      // another output mode only: stands for another attribute
inline constexpr std::uint8_t afColor = 16;      // the value is a colour
inline constexpr std::uint8_t afRaw = 32;        // written as the bare value, not as name="value"

class THAttribute {
 public:
  THAttribute(std::string name, std::string hint, AttributeKind kind);

  AttributeKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  const std::string& hint() const { return hint_; }

  /// The static default, or the first choice when it is empty, then the live default when a handler
  /// computes one.
  std::string GetDefault() const;
  /// The default while the stored value equals it (so it follows the source control), else the value.
  std::string GetValue() const;
  void SetValue(const std::string& value);
  void SetDefault(const std::string& value);
  bool AsBoolean() const { return GetValue() == "True"; }
  bool isDefault() const { return isDefault_; }
  bool modified() const { return modified_; }

  std::uint8_t flags() const { return flags_; }
  void SetFlags(std::uint8_t flags);
  bool hasFlag(std::uint8_t flag) const { return (flags_ & flag) != 0; }
  /// Sets or clears the bits of `flag`.
  void SetFlag(std::uint8_t flag, bool on);

  std::vector<std::string> choices;
  std::function<void(std::string&)> onGetDefault;
  std::function<void(THAttribute&)> onChange;

 private:
  AttributeKind kind_;
  bool modified_ = false;
  bool isDefault_ = true;
  std::string default_;
  std::string hint_;
  std::string name_;
  std::uint8_t flags_ = afApplicable | afHTML;
  std::string value_;
};

/// The attributes of one element, sorted by name in byte order.
class THAttributes {
 public:
  /// Inserts before the first attribute whose name is not smaller; returns the attribute added.
  THAttribute& Add(std::unique_ptr<THAttribute> attribute);
  THAttribute& Add(std::string name, std::string hint, AttributeKind kind);
  int Count() const;
  THAttribute& Items(int index) const;
  /// The attribute of that name, compared in upper case; nullptr when none.
  THAttribute* Find(std::string_view name) const;
  /// Find() for a name the element is known to carry.
  THAttribute& operator[](std::string_view name) const;

 private:
  std::vector<std::unique_ptr<THAttribute>> items_;
};

}  // namespace orvane::html
