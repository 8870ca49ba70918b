#pragma once
// Every real-to-pixel conversion of the program rounds to the nearest integer, ties to even.

namespace orvane {

/// The nearest integer to `value`; a value exactly halfway between two integers goes to the even one.
long long roundHalfEven(double value);

/// roundHalfEven narrowed to int, for pixel and point values.
int roundToInt(double value);

}  // namespace orvane
