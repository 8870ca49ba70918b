#include "richtext/rtf_reader.h"

#include <algorithm>
#include <limits>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "richtext/rtf_control_words.h"
#include "text/cp1252.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

// The font of a group that chose none: the one \deffN names.
constexpr int kDefaultFont = -1;
// Half points of text that sets no size: 12 points, what readers take by default.
constexpr int kDefaultHalfPoints = 24;

// The character format as the file states it; names and colours are looked up in the tables only when a
// run is made, because \deff and the formats of the header may come before the tables they refer to.
struct CharacterFormat {
  int font = kDefaultFont;
  int halfPoints = kDefaultHalfPoints;
  FontStyle style;
  int colour = 0;
  bool operator==(const CharacterFormat&) const = default;
};

enum class Destination { Text, FontTable, ColourTable, Skipped };

// What a group inherits from its parent and gives back when it closes.
struct GroupState {
  CharacterFormat format;
  ParagraphAlignment alignment = ParagraphAlignment::Left;
  int fallbackLength = 1;  // \ucN
  Destination destination = Destination::Text;
};

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int> hexValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char lowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Where the document's "{\rtf" starts, past a UTF-8 byte-order mark and blanks, in any case; npos when
// the bytes are not RTF.
std::size_t headerStart(std::string_view in) {
  constexpr std::string_view header = "{\\rtf";
  std::size_t start = in.starts_with(utf8ByteOrderMark) ? utf8ByteOrderMark.size() : 0;
  while (start < in.size() && isBlank(in[start])) ++start;
  if (in.size() - start < header.size()) return std::string_view::npos;
  for (std::size_t i = 0; i < header.size(); ++i)
    if (lowerCase(in[start + i]) != header[i]) return std::string_view::npos;
  return start;
}

bool isHighSurrogate(long long value) { return value >= 0xD800 && value <= 0xDBFF; }
bool isLowSurrogate(long long value) { return value >= 0xDC00 && value <= 0xDFFF; }

class RtfReader {
 public:
  explicit RtfReader(std::string_view input) : in_(input) {}

  RtfReadResult read() {
    pos_ = headerStart(in_);
    if (pos_ == std::string_view::npos) return {RichText(), "not an RTF file", false};
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      if (c == '{') {
        if (!openGroup()) return failure("groups nested too deeply");
      } else if (c == '}') {
        if (closeGroup()) return {std::move(document_), {}};
      } else if (c == '\\') {
        readControl();
      } else if (c != '\r' && c != '\n') {
        readRawByte(c);
      }
    }
    return failure("unexpected end of file");
  }

 private:
  // What was read up to the fault: the paragraphs so far, and the format in force where reading stopped.
  RtfReadResult failure(std::string message) {
    finishDocument(state());
    return {std::move(document_), std::move(message)};
  }

  GroupState& state() { return groups_.back(); }

  bool openGroup() {
    if (groups_.size() >= static_cast<std::size_t>(kMaxRtfGroupDepth)) return false;
    fallbackToSkip_ = 0;  // a fallback never reaches past its group
    groups_.push_back(groups_.empty() ? GroupState{} : groups_.back());
    return true;
  }

  // True when the group closed is the outermost one, which ends the document.
  bool closeGroup() {
    fallbackToSkip_ = 0;
    if (state().destination == Destination::FontTable) storeFontEntry();
    if (state().destination == Destination::ColourTable && colourEntry_) storeColourEntry();
    if (groups_.size() == 1) {
      finishDocument(groups_.back());
      return true;
    }
    groups_.pop_back();
    return false;
  }

  // The fallback characters written after \uN for readers without Unicode are passed over, each raw
  // character, \'xx or control word counting as one.
  bool skipsFallback() {
    if (fallbackToSkip_ == 0) return false;
    --fallbackToSkip_;
    return true;
  }

  void readControl() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (isLetter(c)) {
      readControlWord();
      return;
    }
    ++pos_;
    if (c == '\'') {
      readHexByte();
      return;
    }
    if (skipsFallback()) return;
    switch (c) {
      case '\\':
      case '{':
      case '}':
        addCharacter(static_cast<unsigned char>(c));
        break;
      case '~':
        addCharacter(U'\u00A0');
        break;
      case '-':
        addCharacter(U'\u00AD');
        break;
      case '_':
        addCharacter(U'\u2011');
        break;
      case '*':
        state().destination = Destination::Skipped;
        break;
      case '\r':
      case '\n':
        endParagraph();
        break;
      default:
        break;  // other control symbols carry no text
    }
  }

  void readControlWord() {
    const std::size_t nameStart = pos_;
    while (pos_ < in_.size() && isLetter(in_[pos_])) ++pos_;
    const std::string_view name = in_.substr(nameStart, pos_ - nameStart);
    std::optional<int> parameter;
    const bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && isDigit(in_[pos_ + 1]);
    if (negative) ++pos_;
    if (pos_ < in_.size() && isDigit(in_[pos_])) {
      long long value = 0;
      for (; pos_ < in_.size() && isDigit(in_[pos_]); ++pos_)
        value = std::min<long long>(value * 10 + (in_[pos_] - '0'), std::numeric_limits<int>::max());
      parameter = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;

    const RtfControlWord word = lookUpControlWord(name);
    // Binary data is passed over wherever it stands, or its bytes would be read as RTF.
    if (word.word == RtfWord::Binary) {
      const std::size_t length = static_cast<std::size_t>(std::max(parameter.value_or(0), 0));
      pos_ += std::min(length, in_.size() - pos_);
    }
    if (skipsFallback()) return;
    applyControlWord(word, parameter);
  }

  void readHexByte() {
    if (pos_ + 1 >= in_.size()) return;
    const std::optional<int> high = hexValue(in_[pos_]);
    const std::optional<int> low = hexValue(in_[pos_ + 1]);
    if (!high || !low) return;  // a broken escape is dropped, the characters after it are read
    pos_ += 2;
    if (skipsFallback()) return;
    addCharacter(cp1252CodePoint(static_cast<unsigned char>(*high * 16 + *low)));
  }

  void readRawByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    char32_t character = cp1252CodePoint(byte);
    if (byte >= 0x80 && rawUtf8_) {
      std::size_t offset = pos_ - 1;
      const char32_t decoded = decodeUtf8(in_, offset);
      if (offset - (pos_ - 1) > 1) {
        character = decoded;
        pos_ = offset;
      }
    }
    if (skipsFallback()) return;
    if (c == ';' && endsTableEntry()) return;
    addCharacter(character);
  }

  // A semicolon ends an entry of the font and colour tables.
  bool endsTableEntry() {
    switch (state().destination) {
      case Destination::FontTable:
        storeFontEntry();
        return true;
      case Destination::ColourTable:
        storeColourEntry();
        return true;
      default:
        return false;
    }
  }

  void applyControlWord(const RtfControlWord& word, std::optional<int> parameter) {
    GroupState& group = state();
    if (group.destination == Destination::Skipped) return;
    const bool on = parameter.value_or(1) != 0;
    CharacterFormat& format = group.format;
    switch (word.word) {
      case RtfWord::Utf8:
        if (parameter == 8) rawUtf8_ = true;
        break;
      case RtfWord::DefaultFont:
        defaultFont_ = parameter.value_or(0);
        break;
      case RtfWord::FontTable:
        group.destination = Destination::FontTable;
        break;
      case RtfWord::ColourTable:
        group.destination = Destination::ColourTable;
        break;
      case RtfWord::SkippedDestination:
        group.destination = Destination::Skipped;
        break;
      case RtfWord::Font:
        if (group.destination == Destination::FontTable) {
          startFontEntry(parameter.value_or(0));
        } else {
          format.font = parameter.value_or(kDefaultFont);
        }
        break;
      case RtfWord::FontSize:
        if (parameter.value_or(0) > 0) format.halfPoints = *parameter;
        break;
      case RtfWord::Bold:
        format.style.bold = on;
        break;
      case RtfWord::Italic:
        format.style.italic = on;
        break;
      case RtfWord::Underline:
        format.style.underline = on;
        break;
      case RtfWord::UnderlineNone:
        format.style.underline = false;
        break;
      case RtfWord::StrikeOut:
        format.style.strikeOut = on;
        break;
      case RtfWord::ColourIndex:
        format.colour = parameter.value_or(0);
        break;
      case RtfWord::Plain:
        format = CharacterFormat{};
        break;
      case RtfWord::ParagraphDefaults:
        group.alignment = ParagraphAlignment::Left;
        break;
      case RtfWord::AlignLeft:
        group.alignment = ParagraphAlignment::Left;
        break;
      case RtfWord::AlignCentre:
        group.alignment = ParagraphAlignment::Centre;
        break;
      case RtfWord::AlignRight:
        group.alignment = ParagraphAlignment::Right;
        break;
      case RtfWord::AlignJustify:
        group.alignment = ParagraphAlignment::Justify;
        break;
      case RtfWord::ParagraphEnd:
        endParagraph();
        break;
      case RtfWord::Unicode:
        addUnicode(parameter.value_or(0));
        fallbackToSkip_ = group.fallbackLength;
        break;
      case RtfWord::UnicodeSkip:
        group.fallbackLength = std::max(parameter.value_or(1), 0);
        break;
      case RtfWord::Red:
      case RtfWord::Green:
      case RtfWord::Blue:
        setColourComponent(word.word, parameter.value_or(0));
        break;
      case RtfWord::Character:
        addCharacter(word.character);
        break;
      case RtfWord::Binary:
      case RtfWord::Unknown:
        break;
    }
  }

  // \uN takes a signed 16-bit value (negative for the upper half of the plane); characters beyond it
  // come as a pair of surrogates, joined here.
  void addUnicode(long long value) {
    if (value < 0) value += 0x10000;
    if (isLowSurrogate(value) && highSurrogate_ != 0) {
      const char32_t high = std::exchange(highSurrogate_, 0);
      addCharacter(static_cast<char32_t>(0x10000 + ((high - 0xD800) << 10) + (value - 0xDC00)));
    } else if (isHighSurrogate(value)) {
      dropUnpairedSurrogate();
      highSurrogate_ = static_cast<char32_t>(value);
    } else {
      const bool valid = value >= 0 && value <= 0x10FFFF && !isLowSurrogate(value);
      addCharacter(valid ? static_cast<char32_t>(value) : U'\uFFFD');
    }
  }

  // A high surrogate followed by anything but its low one stands for a character that is lost.
  void dropUnpairedSurrogate() {
    if (highSurrogate_ == 0) return;
    highSurrogate_ = 0;
    addCharacter(U'\uFFFD');
  }

  void setColourComponent(RtfWord component, int value) {
    if (state().destination != Destination::ColourTable) return;
    const Colour current = colourEntry_.value_or(0);
    int red = redOf(current), green = greenOf(current), blue = blueOf(current);
    const int clamped = std::clamp(value, 0, 255);
    if (component == RtfWord::Red) red = clamped;
    if (component == RtfWord::Green) green = clamped;
    if (component == RtfWord::Blue) blue = clamped;
    colourEntry_ = rgb(red, green, blue);
  }

  // An entry without components (the usual first one) is the automatic colour, which is black here.
  void storeColourEntry() {
    colours_.push_back(colourEntry_.value_or(0));
    colourEntry_.reset();
  }

  void startFontEntry(int number) {
    storeFontEntry();
    fontEntry_ = number;
  }

  void storeFontEntry() {
    if (fontEntry_) fonts_.insert_or_assign(*fontEntry_, std::move(fontName_));
    fontEntry_.reset();
    fontName_.clear();
  }

  void addCharacter(char32_t character) {
    dropUnpairedSurrogate();
    // Control characters other than the tab have no place in a frame's text or a font name.
    if (character < 0x20 && character != U'\t') return;
    switch (state().destination) {
      case Destination::Text:
        if (!runText_.empty() && runFormat_ != state().format) flushRun();
        runFormat_ = state().format;
        appendUtf8(runText_, character);
        break;
      case Destination::FontTable:
        if (fontEntry_) appendUtf8(fontName_, character);
        break;
      default:
        break;
    }
  }

  void flushRun() {
    if (runText_.empty()) return;
    // Copied at its size: the buffer, kept for the next run, has grown past it.
    appendRun(paragraph_.runs, {runText_, fontSpecOf(runFormat_)});
    runText_.clear();
  }

  void endParagraph() {
    if (state().destination != Destination::Text) return;
    dropUnpairedSurrogate();
    flushRun();
    paragraph_.alignment = state().alignment;
    paragraphs_.push_back(std::move(paragraph_));
    paragraph_ = Paragraph{};
  }

  // Text after the last paragraph mark makes a last paragraph; a file that ends with a paragraph mark
  // (as every writer does) has no empty paragraph after it. An empty file still has one paragraph.
  void finishDocument(const GroupState& outermost) {
    dropUnpairedSurrogate();
    flushRun();
    if (!paragraph_.runs.empty() || paragraphs_.empty()) {
      paragraph_.alignment = outermost.alignment;
      paragraphs_.push_back(std::move(paragraph_));
    }
    document_ = RichText(fontSpecOf(outermost.format));
    document_.paragraphs() = std::move(paragraphs_);
  }

  FontSpec fontSpecOf(const CharacterFormat& format) const {
    FontSpec font;
    font.name = fontName(format.font);
    font.size = static_cast<std::int16_t>(std::clamp(
        roundToInt(format.halfPoints / 2.0), 1, static_cast<int>(std::numeric_limits<std::int16_t>::max())));
    font.style = format.style;
    font.colour = format.colour >= 0 && static_cast<std::size_t>(format.colour) < colours_.size()
                      ? colours_[format.colour]
                      : 0;
    return font;
  }

  // A font the table lacks is taken as the default font; without one either, the name stays unset.
  std::string fontName(int number) const {
    auto found = fonts_.find(number == kDefaultFont ? defaultFont_ : number);
    if (found == fonts_.end()) found = fonts_.find(defaultFont_);
    return found == fonts_.end() ? std::string() : found->second;
  }

  std::string_view in_;
  std::size_t pos_ = 0;
  std::vector<GroupState> groups_;

  int defaultFont_ = 0;
  std::map<int, std::string> fonts_;
  std::optional<int> fontEntry_;  // the font whose name is being read
  std::string fontName_;
  std::vector<Colour> colours_;
  std::optional<Colour> colourEntry_;  // the components read so far of the entry being read

  bool rawUtf8_ = false;
  int fallbackToSkip_ = 0;
  char32_t highSurrogate_ = 0;

  std::vector<Paragraph> paragraphs_;
  Paragraph paragraph_;
  std::string runText_;
  CharacterFormat runFormat_;
  RichText document_;
};

}  // namespace

RtfReadResult readRtf(std::string_view bytes) { return RtfReader(bytes).read(); }

}  // namespace orvane
