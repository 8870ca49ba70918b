#pragma once
// The rules of the QR code's controls beside the icon's: its place and size lists, for the main
// window's lists (offsets) and for scripts (values) alike.

#include <string_view>

#include "card/card_model.h"
#include "card/control_lists.h"
#include "shell/card_icon_controls.h"

namespace orvane {

/// `value` becomes the QR code's left, top (`qrLeftList`, `qrTopList`) or size (`qrSizeList`); a size
/// below `smallestQrSize`, or a size or place beyond what the card file loader takes for the icon, is
/// refused with the icon's warning and left as it was.
SizeWarning setQrMeasure(QrPlacement& qr, ControlList list, long long value, Language language);

/// Enter released in a QR code list: adds the offset `text` gives to the measure the list sets.
SizeWarning changeQrMeasure(QrPlacement& qr, ControlList list, std::string_view text, Language language);

}  // namespace orvane
