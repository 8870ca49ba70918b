#pragma once
// A card's contact as a vCard 4.0 (UTF-8, RFC 6350), and the contact companion file: the same vCard
// with the QR code's placement added as an extension property.
//
// The placement lives in the .vcf rather than in a file of its own: the card file must not change,
// and one companion file per card keeps the contact and the way it is shown together when a card is
// copied or renamed. The QR code and the export encode the vCard without that property.

#include <optional>
#include <string>
#include <string_view>

#include "contact/contact.h"

namespace orvane {

/// The vCard of `contact`, lines ended by CR LF and folded: what the QR code encodes and what
/// "Exporter le contact" writes.
std::string writeVCard(const Contact& contact);

/// The contact companion file of `card`: its vCard with the QR placement before its end.
std::string writeContactFile(const CardContact& card);

/// The contact and QR placement of the first vCard in `bytes` (UTF-8, or Windows-1252 when the
/// bytes are not UTF-8); a vCard without the placement property keeps the default placement, hidden.
/// Nothing when `bytes` hold no vCard.
std::optional<CardContact> readContactFile(std::string_view bytes);

}  // namespace orvane
