#pragma once
// "contact" and "Exporter le contact" of the "éléments" menu: the card's contact as the contact
// dialog edits it, and its vCard written to a file of the user's choice.

#include "card/card_model.h"
#include "shell/frame_text_commands.h"

namespace orvane {

/// The contact dialog's "OK": the card takes `contact`; a contact left empty also hides the QR code,
/// which would have nothing to say. True when the QR code the card shows may have changed.
bool acceptContact(CardModel& card, const Contact& contact);

/// `mexportercontact_click`: the save dialog in the parameters directory, vCard files, then the vCard
/// the QR code encodes written to the file chosen; a file that cannot be written is reported (message
/// 1315 and its path). True when the file was written.
bool exportContact(const CardModel& card, const ElementServices& services);

}  // namespace orvane
