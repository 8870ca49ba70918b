#pragma once
// The contact a card may hold, and how its QR code is placed on the card. Both live in a companion
// file beside the card file, never in the card file itself, so that card files stay as they are.

#include <array>
#include <string>

namespace orvane {

struct Contact {
  std::string givenName;
  std::string familyName;
  std::string title;
  std::string organisation;
  std::array<std::string, 2> telephones;
  std::string email;
  std::string website;
  std::string address;

  bool operator==(const Contact&) const = default;
  /// True when no field holds anything: the card has no contact.
  bool isEmpty() const { return *this == Contact{}; }
};

/// The colour of the QR code's dark modules on a colour print and on screen.
enum class QrColour { Black, Frame1 };

/// The smallest QR code side: the smallest symbol with its quiet zone at one pixel a module.
inline constexpr int smallestQrSize = 29;

/// Where the QR code lies on the card, in screen pixels like the icon, and whether it is shown.
struct QrPlacement {
  bool shown = false;
  int left = 94;
  int top = 185;
  int size = 80;  // the side of the square, quiet zone included
  QrColour colour = QrColour::Black;
  bool operator==(const QrPlacement&) const = default;
};

struct CardContact {
  Contact contact;
  QrPlacement qr;
  bool operator==(const CardContact&) const = default;
};

}  // namespace orvane
