#pragma once
// What a rich-text control shows of a file's bytes: RTF as rich text, other text as lines in the
// control's current format, and nothing for bytes that are not text at all.

#include <optional>
#include <string_view>

#include "richtext/rich_text.h"

namespace orvane {

/// The lines of `bytes` as plain text put into a control holding `current`: in its insertion format
/// and its first paragraph's alignment. UTF-8 when the bytes are valid UTF-8 (a byte-order mark is
/// dropped), Windows-1252 otherwise.
RichText plainTextIn(const RichText& current, std::string_view bytes);

/// `bytes` as a rich-text control reads them: a damaged RTF document as far as it can be read, bytes
/// that are not RTF as plain text; nothing when they are not text either (control bytes other than
/// blanks and the old end-of-file mark).
std::optional<RichText> richTextIn(const RichText& current, std::string_view bytes);

}  // namespace orvane
