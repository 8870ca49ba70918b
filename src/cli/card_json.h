#pragma once
// The card model as JSON, under the names its parameters carry in the model.

#include "card/card_model.h"
#include "cli/json_writer.h"

namespace orvane::cli {

/// Writes `font` as the object of key `name`: its name, size, style flags and colour.
void writeFont(JsonWriter& json, std::string_view name, const FontSpec& font);

/// The name of a paragraph alignment in our JSON: "left", "right", "centre" or "justify".
const char* alignmentName(ParagraphAlignment alignment);

/// Writes `card` as one object: the card parameters, "frames", "layoutRatios" and "snapshot0".
void writeCard(JsonWriter& json, const CardModel& card);

/// The members of writeCard's object, for a caller that adds its own members to the object.
void writeCardMembers(JsonWriter& json, const CardModel& card);

}  // namespace orvane::cli
