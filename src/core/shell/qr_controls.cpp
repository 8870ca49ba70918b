#include "shell/qr_controls.h"

#include <algorithm>
#include <limits>

namespace orvane {

namespace {

int& measureOf(QrPlacement& qr, ControlList list) {
  if (list == qrLeftList) return qr.left;
  if (list == qrTopList) return qr.top;
  return qr.size;
}

}  // namespace

SizeWarning setQrMeasure(QrPlacement& qr, ControlList list, long long value, Language language) {
  if (list == qrSizeList) return setDrawableLength(qr.size, value, language, smallestQrSize);
  // A place may lie off the card, as the icon's may; it only has to stay a number.
  measureOf(qr, list) = static_cast<int>(
      std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  return std::nullopt;
}

SizeWarning changeQrMeasure(QrPlacement& qr, ControlList list, std::string_view text, Language language) {
  return setQrMeasure(qr, list, static_cast<long long>(measureOf(qr, list)) + parseOffset(text), language);
}

}  // namespace orvane
