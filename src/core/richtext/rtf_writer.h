#pragma once
// Writes a RichText as RTF that common word processors and rich-text controls read, and that readRtf
// reads back as the same document.
//
// The file is plain ASCII: every other character is escaped, as \'xx when Windows-1252 has it and as
// \uN with a '?' fallback otherwise. So the header patch that turns "\ansi\" into "\utf8\" cannot change
// what the file says. The file starts with "{\rtf1\ansi\", which puts "\ansi\" at offset 6.

#include <string>

#include "richtext/rich_text.h"

namespace orvane {

std::string writeRtf(const RichText& text);

}  // namespace orvane
