#include "richtext/rtf_writer.h"

#include <algorithm>
#include <vector>

#include "text/cp1252.h"
#include "text/utf8.h"

namespace orvane {

namespace {

// The fonts and colours a document uses, in the order of first use; they become the file's tables.
class FormatTables {
 public:
  explicit FormatTables(const RichText& text) {
    add(text.insertionFormat());
    for (const Paragraph& paragraph : text.paragraphs())
      for (const TextRun& run : paragraph.runs) add(run.format);
  }

  std::size_t fontIndex(const std::string& name) const { return indexOf(fonts_, name); }
  // Entry 0 of the colour table is left empty (the automatic colour), so ours count from 1.
  std::size_t colourIndex(Colour colour) const { return indexOf(colours_, colour) + 1; }
  const std::vector<std::string>& fonts() const { return fonts_; }
  const std::vector<Colour>& colours() const { return colours_; }

 private:
  template <typename Value>
  static std::size_t indexOf(const std::vector<Value>& values, const Value& value) {
    return static_cast<std::size_t>(std::find(values.begin(), values.end(), value) - values.begin());
  }
  template <typename Value>
  static void addOnce(std::vector<Value>& values, const Value& value) {
    if (indexOf(values, value) == values.size()) values.push_back(value);
  }
  void add(const FontSpec& format) {
    addOnce(fonts_, format.name);
    addOnce(colours_, format.colour);
  }

  std::vector<std::string> fonts_;
  std::vector<Colour> colours_;
};

void appendHexByte(std::string& out, unsigned char byte) {
  constexpr char digits[] = "0123456789abcdef";
  out += "\\'";
  out += digits[byte >> 4];
  out += digits[byte & 0xF];
}

// \uN takes a signed 16-bit number; characters beyond the first plane go as two surrogates.
void appendUnicode(std::string& out, char32_t character) {
  auto unit = [&out](unsigned value) {
    out += "\\u";
    out += std::to_string(value > 0x7FFF ? static_cast<int>(value) - 0x10000 : static_cast<int>(value));
    out += '?';
  };
  if (character > 0xFFFF) {
    const char32_t offset = character - 0x10000;
    unit(0xD800 + (offset >> 10));
    unit(0xDC00 + (offset & 0x3FF));
  } else {
    unit(character);
  }
}

// Writes `utf8` escaped for the body of the file or, with `inFontTable`, for a font name, where a
// semicolon would end the entry.
void appendEscaped(std::string& out, std::string_view utf8, bool inFontTable = false) {
  for (std::size_t offset = 0; offset < utf8.size();) {
    const char32_t character = decodeUtf8(utf8, offset);
    if (character == U'\\' || character == U'{' || character == U'}') {
      out += '\\';
      out += static_cast<char>(character);
    } else if (character == U'\t') {
      out += "\\tab ";
    } else if (character < 0x20) {
      continue;  // other control characters cannot be part of a frame's text
    } else if (character == U';' && inFontTable) {
      appendHexByte(out, ';');
    } else if (character < 0x80) {
      out += static_cast<char>(character);
    } else if (const auto byte = cp1252Byte(character)) {
      appendHexByte(out, *byte);
    } else {
      appendUnicode(out, character);
    }
  }
}

void appendTables(std::string& out, const FormatTables& tables) {
  out += "{\\fonttbl";
  for (std::size_t i = 0; i < tables.fonts().size(); ++i) {
    out += "{\\f" + std::to_string(i) + "\\fnil ";
    appendEscaped(out, tables.fonts()[i], true);
    out += ";}";
  }
  out += "}\r\n{\\colortbl ;";
  for (const Colour colour : tables.colours()) {
    out += "\\red" + std::to_string(redOf(colour)) + "\\green" + std::to_string(greenOf(colour)) + "\\blue" +
           std::to_string(blueOf(colour)) + ';';
  }
  out += "}\r\n";
}

// The whole character format from \plain on, so that no run depends on the one before it.
void appendFormat(std::string& out, const FontSpec& format, const FormatTables& tables) {
  out += "\\plain\\f" + std::to_string(tables.fontIndex(format.name));
  out += "\\fs" + std::to_string(format.size * 2);
  if (format.style.bold) out += "\\b";
  if (format.style.italic) out += "\\i";
  if (format.style.underline) out += "\\ul";
  if (format.style.strikeOut) out += "\\strike";
  out += "\\cf" + std::to_string(tables.colourIndex(format.colour)) + ' ';
}

const char* alignmentWord(ParagraphAlignment alignment) {
  switch (alignment) {
    case ParagraphAlignment::Right:
      return "\\qr";
    case ParagraphAlignment::Centre:
      return "\\qc";
    case ParagraphAlignment::Justify:
      return "\\qj";
    case ParagraphAlignment::Left:
      break;
  }
  return "\\ql";
}

}  // namespace

std::string writeRtf(const RichText& text) {
  const FormatTables tables(text);
  std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
  appendTables(out, tables);
  for (const Paragraph& paragraph : text.paragraphs()) {
    out += "\\pard";
    out += alignmentWord(paragraph.alignment);
    for (const TextRun& run : paragraph.runs) {
      appendFormat(out, run.format, tables);
      appendEscaped(out, run.text);
    }
    out += "\\par\r\n";
  }
  // The format in force at the end is the one text typed at the end takes.
  appendFormat(out, text.insertionFormat(), tables);
  out += "}\r\n";
  return out;
}

}  // namespace orvane
