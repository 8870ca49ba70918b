#pragma once
// A font as the frames and their stored header and body fonts know it; also the character format of a
// run of rich text.

#include <cstdint>
#include <string>

#include "colour.h"

namespace orvane {

struct FontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const FontStyle&) const = default;
};

struct FontSpec {
  std::string name;        // face name; empty means "not set"
  std::int16_t size = 10;  // points
  FontStyle style;
  Colour colour = 0;
  bool operator==(const FontSpec&) const = default;
  bool isSet() const { return !name.empty(); }
};

}  // namespace orvane
