#pragma once
// The captions, hints and menu entries of the card editor's main window that follow the interface
// language, by the layout names of the controls and menu items.

#include <span>

#include "catalogue/caption_table.h"

namespace orvane {

/// Every row the main window relabels when the language changes, in the order they are fetched.
std::span<const CaptionEntry> mainWindowCaptions();

}  // namespace orvane
