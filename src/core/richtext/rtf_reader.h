#pragma once
// Reads the RTF that common word processors and rich-text controls write into a RichText: the font and
// colour tables, character formats, paragraph alignment and the text itself. Everything else (styles,
// pictures, headers, document information, tables' layout) is skipped. Malformed or truncated input
// gives an error text, never a crash, together with what was read before the fault, so that a caller
// can show a damaged file the way a rich-text control does.
//
// The header is found where such a control finds it: after a byte-order mark or blanks, and in any
// case ("{\RTF1"); the control words themselves are read as written, and upper-case ones are unknown.
//
// Limits of the model: every line break (\line) ends a paragraph, because the lines of a frame are its
// paragraphs. Bytes given as \'xx are read as Windows-1252 whatever the declared code page; raw bytes
// above 127 after the \utf8 header are read as UTF-8 where they form valid UTF-8.

#include <string>
#include <string_view>

#include "richtext/rich_text.h"

namespace orvane {

struct RtfReadResult {
  /// The document read; its insertion format is the format in force when the file ends. When reading
  /// stopped at a fault, the document as far as it was read.
  RichText text;
  /// Empty when the file was read, otherwise what is wrong with it.
  std::string error;
  /// False when the bytes do not start as RTF at all: nothing of them was read.
  bool isRtf = true;
  bool ok() const { return error.empty(); }
};

/// The deepest nesting of groups accepted; deeper input is refused instead of exhausting memory.
inline constexpr int kMaxRtfGroupDepth = 256;

RtfReadResult readRtf(std::string_view bytes);

}  // namespace orvane
