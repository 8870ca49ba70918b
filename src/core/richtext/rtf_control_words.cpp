#include "richtext/rtf_control_words.h"

#include <unordered_map>

namespace orvane {

namespace {

using Table = std::unordered_map<std::string_view, RtfControlWord>;

Table makeTable() {
  Table table{
      {"utf", {RtfWord::Utf8}},  // read as the word "utf" with the parameter 8
      {"deff", {RtfWord::DefaultFont}},
      {"fonttbl", {RtfWord::FontTable}},
      {"colortbl", {RtfWord::ColourTable}},
      {"f", {RtfWord::Font}},
      {"fs", {RtfWord::FontSize}},
      {"b", {RtfWord::Bold}},
      {"i", {RtfWord::Italic}},
      {"ulnone", {RtfWord::UnderlineNone}},
      {"strike", {RtfWord::StrikeOut}},
      {"striked", {RtfWord::StrikeOut}},
      {"cf", {RtfWord::ColourIndex}},
      {"plain", {RtfWord::Plain}},
      {"pard", {RtfWord::ParagraphDefaults}},
      {"ql", {RtfWord::AlignLeft}},
      {"qc", {RtfWord::AlignCentre}},
      {"qr", {RtfWord::AlignRight}},
      {"qj", {RtfWord::AlignJustify}},
      {"u", {RtfWord::Unicode}},
      {"uc", {RtfWord::UnicodeSkip}},
      {"bin", {RtfWord::Binary}},
      {"red", {RtfWord::Red}},
      {"green", {RtfWord::Green}},
      {"blue", {RtfWord::Blue}},
      {"tab", {RtfWord::Character, U'\t'}},
      {"cell", {RtfWord::Character, U'\t'}},
      {"nestcell", {RtfWord::Character, U'\t'}},
      {"emdash", {RtfWord::Character, U'\u2014'}},
      {"endash", {RtfWord::Character, U'\u2013'}},
      {"emspace", {RtfWord::Character, U'\u2003'}},
      {"enspace", {RtfWord::Character, U'\u2002'}},
      {"qmspace", {RtfWord::Character, U'\u2005'}},
      {"bullet", {RtfWord::Character, U'\u2022'}},
      {"lquote", {RtfWord::Character, U'\u2018'}},
      {"rquote", {RtfWord::Character, U'\u2019'}},
      {"ldblquote", {RtfWord::Character, U'\u201C'}},
      {"rdblquote", {RtfWord::Character, U'\u201D'}},
      {"zwj", {RtfWord::Character, U'\u200D'}},
      {"zwnj", {RtfWord::Character, U'\u200C'}},
      {"ltrmark", {RtfWord::Character, U'\u200E'}},
      {"rtlmark", {RtfWord::Character, U'\u200F'}},
  };
  for (const char* name : {"par", "line", "softline", "row", "nestrow"})
    table.emplace(name, RtfControlWord{RtfWord::ParagraphEnd});
  for (const char* name :
       {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
        "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
    table.emplace(name, RtfControlWord{RtfWord::Underline});
  // Destinations that hold no text of the document. Most writers also mark the newer ones with \*, which
  // skips them anyway; these are the ones that appear without it.
  for (const char* name : {"stylesheet",   "info",       "pict",
                           "nonshppict",   "header",     "headerl",
                           "headerr",      "headerf",    "footer",
                           "footerl",      "footerr",    "footerf",
                           "footnote",     "annotation", "atnid",
                           "atnauthor",    "generator",  "objdata",
                           "themedata",    "datastore",  "colorschememapping",
                           "latentstyles", "listtable",  "listoverridetable",
                           "rsidtbl",      "revtbl",     "filetbl",
                           "xmlnstbl",     "mmathPr",    "pgdsctbl",
                           "fldinst",      "shp",        "shpinst",
                           "bkmkstart",    "bkmkend",    "xe",
                           "tc",           "txe",        "pn",
                           "template",     "userprops",  "docvar",
                           "ftnsep",       "ftnsepc",    "ftncn",
                           "aftnsep",      "aftnsepc",   "aftncn",
                           "fontemb",      "fontfile",   "panose",
                           "falt",         "private"})
    table.emplace(name, RtfControlWord{RtfWord::SkippedDestination});
  return table;
}

}  // namespace

RtfControlWord lookUpControlWord(std::string_view name) {
  static const Table table = makeTable();
  const auto found = table.find(name);
  return found == table.end() ? RtfControlWord{} : found->second;
}

}  // namespace orvane
