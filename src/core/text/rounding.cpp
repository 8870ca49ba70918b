#include "text/rounding.h"

#include <cmath>

namespace orvane {

long long roundHalfEven(double value) {
  const double floorValue = std::floor(value);
  const double fraction = value - floorValue;
  auto result = static_cast<long long>(floorValue);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return result;
}

int roundToInt(double value) { return static_cast<int>(roundHalfEven(value)); }

}  // namespace orvane
