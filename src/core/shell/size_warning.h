#pragma once
// The warning line a card or icon side gets when it is refused because the editor could not draw it,
// nor its card file loader read it back.

#include <optional>
#include <string>

#include "catalogue/language.h"

namespace orvane {

/// "Problème dimension" and "Information 110" on two lines; nothing when the side was taken.
using SizeWarning = std::optional<std::string>;

/// The warning of a refused side, in `language`.
std::string refusedSizeWarning(Language language);

/// Sets `length` to `value` when it is a drawable side; otherwise leaves it and says why.
SizeWarning setSideOrWarn(int& length, long long value, Language language);

}  // namespace orvane
