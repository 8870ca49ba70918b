#include "richtext/text_file_content.h"

#include <algorithm>
#include <string>
#include <vector>

#include "richtext/rtf_reader.h"
#include "text/cp1252.h"
#include "text/line_file.h"
#include "text/utf8.h"

namespace orvane {

namespace {

// Text holds no control bytes but its blanks and the old end-of-file mark; anything else is binary.
bool looksLikeText(std::string_view bytes) {
  return std::ranges::none_of(bytes, [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r' && byte != 0x1A;
  });
}

}  // namespace

RichText plainTextIn(const RichText& current, std::string_view bytes) {
  // UTF-8 is this system's own encoding for text: a file that is valid UTF-8 is read so, with or
  // without a byte-order mark; one that is not comes from the other platform, in Windows-1252.
  const bool utf8 = isValidUtf8(bytes);
  if (utf8 && bytes.starts_with(utf8ByteOrderMark)) bytes.remove_prefix(utf8ByteOrderMark.size());
  std::vector<std::string> lines = splitLines(bytes);
  if (!utf8)
    for (std::string& line : lines) line = cp1252ToUtf8(line);
  RichText text = RichText::fromLines(lines, current.insertionFormat());
  const std::vector<Paragraph>& paragraphs = current.paragraphs();
  text.setAlignment(paragraphs.empty() ? ParagraphAlignment::Left : paragraphs.front().alignment);
  return text;
}

std::optional<RichText> richTextIn(const RichText& current, std::string_view bytes) {
  RtfReadResult read = readRtf(bytes);
  if (read.isRtf) return std::move(read.text);
  if (!looksLikeText(bytes)) return std::nullopt;
  return plainTextIn(current, bytes);
}

}  // namespace orvane
