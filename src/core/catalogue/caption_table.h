#pragma once
// A window's captions and hints that follow the interface language, as a table of control names and
// catalogue ids; each window keeps its own table and applies what `resolveCaptions` gives.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/language.h"

namespace orvane {

/// What of a control an entry sets.
enum class CaptionPart { Caption, Hint };

/// One row: the control (or menu item) by its layout name, the part it sets and the catalogue id of
/// the text; no id empties the part.
struct CaptionEntry {
  std::string_view control;
  CaptionPart part = CaptionPart::Caption;
  std::optional<int> id;
};

/// The text one control's part receives.
struct ResolvedCaption {
  std::string control;
  CaptionPart part = CaptionPart::Caption;
  std::string text;

  bool operator==(const ResolvedCaption&) const = default;
};

/// The texts of `table` in `language`, in the table's order. The rows are fetched into one text in
/// turn, so an id the catalogue lacks repeats the text of the row before it; a row without an id
/// gives an empty text and leaves that running text alone.
std::vector<ResolvedCaption> resolveCaptions(std::span<const CaptionEntry> table, Language language);

}  // namespace orvane
