#pragma once
// The icon as the card shows it: the picture read from the icon file, drawn over the card's own
// background under the icon, into the picture the card window's icon control and the main window's
// icon previews show.

#include "render/render_context.h"

namespace orvane {

/// The kind of icon a path names after its last letter: an icon for "o", a bitmap for "p", else unknown.
IconKind iconKindOf(const std::string& path);

/// Takes the card's icon file before the card is drawn, since drawing only reads the card: an unknown
/// icon kind is set from the path, the file is read into `state` only when it changed, and an icon
/// file gives the icon its own size when the editor can draw it (a bitmap, or an icon of a size beyond
/// that bound, is stretched to the icon's size).
void takeIconFile(CardModel& card, RendererState& state, PictureService& pictures);

/// Brings `iconPicture` and `iconBackground` up to date with the icon taken by takeIconFile(). An
/// unreadable icon or pattern is reported once per run and leaves the card's colour under the icon.
/// False when there is no icon file or a drawing failed.
bool drawIcon(RenderContext& context);

/// The icon as it is before its place is measured: the icon file read afresh, so that an icon file
/// gives `card`'s icon the size it has now whatever the card file said, then drawn as drawIcon() does.
bool refreshIcon(CardModel& card, RenderContext& context);

}  // namespace orvane
