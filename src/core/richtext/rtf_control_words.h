#pragma once
// What each RTF control word the reader acts on means; every other control word is ignored.

#include <string_view>

namespace orvane {

enum class RtfWord {
  Unknown,
  Utf8,                // \utf8: raw bytes above 127 are UTF-8 from here on
  DefaultFont,         // \deffN
  FontTable,           // destination: the font table
  ColourTable,         // destination: the colour table
  SkippedDestination,  // a group whose content is not text: styles, pictures, headers...
  Font,                // \fN
  FontSize,            // \fsN, in half points
  Bold,
  Italic,
  Underline,  // \ul and its dotted, double, wavy... variants
  UnderlineNone,
  StrikeOut,
  ColourIndex,  // \cfN, an index in the colour table
  Plain,        // character format back to the default
  ParagraphDefaults,
  AlignLeft,
  AlignCentre,
  AlignRight,
  AlignJustify,
  ParagraphEnd,  // \par, and \line and its kin: a frame's lines are paragraphs
  Unicode,       // \uN
  UnicodeSkip,   // \ucN: characters of fallback after each \uN
  Binary,        // \binN: N raw bytes follow
  Red,
  Green,
  Blue,
  Character,  // a control word that stands for one character (\tab, \emdash...)
};

struct RtfControlWord {
  RtfWord word = RtfWord::Unknown;
  char32_t character = 0;  // for RtfWord::Character
};

RtfControlWord lookUpControlWord(std::string_view name);

}  // namespace orvane
