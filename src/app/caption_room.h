#pragma once
// Gives each caption the room it needs to show whole: the windows were laid out for one font and three
// languages, and a caption longer than its control would otherwise be cut.

class QWidget;

namespace orvane {

/// The width `control` needs for its caption to show whole (for an editable list, its text and every
/// item it offers), or its own width when it needs no more.
int widthForCaption(QWidget& control);

/// Widens every captioned control under `root` that is placed by hand, never by a layout, until its
/// caption shows whole: a label to its text's width, a button, check box, radio button or editable
/// list by what its text lacks. Nothing shrinks, and nothing moves.
void makeRoomForCaptions(QWidget& root);

}  // namespace orvane
