#pragma once
// The icon as the card shows it: the picture read from the icon file, drawn over the card's own
// background under the icon, into the picture the card window's icon control and the main window's
// icon previews show.

#include "render/render_context.h"

namespace orvane {

/// The kind of icon a path names after its last letter: "ico" for "o", "bmp" for "p", else empty.
std::string iconKindOf(const std::string& path);

/// Brings `iconPicture` and `iconBackground` up to date with the icon file, reading the file only when
/// it changed. An icon file sets the icon's size to its own; a bitmap is stretched to the icon's size.
/// An unreadable icon or pattern is reported once per run and leaves the card's colour under the icon.
/// False when there is no icon file or a drawing failed.
bool drawIcon(RenderContext& context);

}  // namespace orvane
