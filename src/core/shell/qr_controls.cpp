#include "shell/qr_controls.h"

#include "card/drawable_length.h"
#include "cardfile/card_file_loader.h"
#include "shell/size_warning.h"

namespace orvane {

namespace {

int& measureOf(QrPlacement& qr, ControlList list) {
  if (list == qrLeftList) return qr.left;
  if (list == qrTopList) return qr.top;
  return qr.size;
}

}  // namespace

SizeWarning setQrMeasure(QrPlacement& qr, ControlList list, long long value, Language language) {
  // A place may lie off the card, as the icon's may, but no farther than a card can reach.
  const long long smallest = list == qrSizeList ? smallestQrSize : -maxDrawableLength;
  if (value < smallest || value > maxDrawableLength) return refusedSizeWarning(language);
  measureOf(qr, list) = static_cast<int>(value);
  return std::nullopt;
}

SizeWarning changeQrMeasure(QrPlacement& qr, ControlList list, std::string_view text, Language language) {
  return setQrMeasure(qr, list, static_cast<long long>(measureOf(qr, list)) + parseOffset(text), language);
}

}  // namespace orvane
