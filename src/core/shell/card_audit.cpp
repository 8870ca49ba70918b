#include "shell/card_audit.h"

#include <algorithm>

#include "catalogue/catalogue.h"
#include "stock/stock_layout.h"
#include "text/line_layout.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

constexpr int adviceHeaderSize = 1138;
constexpr int adviceIconOverFrame = 1140;
constexpr int adviceSmallerThanCell = 1240;
constexpr int messageBlanksTotal = 1117;
constexpr int messageBlanksOf = 1118;
constexpr int messageBlanksLeading = 1119;
constexpr int messageBlanksTrailing = 1120;
constexpr int titleInformation = 1121;
constexpr int messageFontAtLine = 1122;
constexpr std::array messageFontOfFrame{1123, 1125};
constexpr int messageFontsUnsupported = 139;
constexpr int messageNothingFound = 1126;
constexpr int iconClearance = 2;
constexpr int numberHeaderSize = 300;
constexpr int numberIconOverFrame = 310;
constexpr int numberSmallerThanCell = 320;
constexpr int numberPrinterFont = 500;

struct BlankCount {
  int total = 0;
  int leading = 0;
  int trailing = 0;
};

// Only spaces count. A text of blanks alone has them all before its first character and none after
// its last, so that leading and trailing never add up to more than the total.
BlankCount countBlanks(const std::string& text) {
  BlankCount count;
  count.total = static_cast<int>(std::ranges::count(text, ' '));
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    count.leading = count.total;
    return count;
  }
  count.leading = static_cast<int>(first);
  count.trailing = static_cast<int>(text.size() - 1 - text.find_last_not_of(' '));
  return count;
}

// The font at the start of each line `text` displays when `width` pixels wide.
std::vector<FontSpec> lineStartFonts(const RichText& text, int width, TextMetrics& metrics, int tabStop) {
  std::vector<FontSpec> fonts;
  int paragraphStart = 0;  // in characters; each paragraph break counts as one
  for (const Paragraph& paragraph : text.paragraphs()) {
    std::string paragraphText;
    for (const TextRun& run : paragraph.runs) paragraphText += run.text;
    std::size_t start = 0;
    do {
      const int position = paragraphStart + utf8Length(std::string_view(paragraphText).substr(0, start));
      const FontSpec font = text.formatAt(position);
      fonts.push_back(font);
      const LineMetrics lineMetrics{
          [&](std::string_view piece) { return metrics.measure(std::string(piece), font).width; }, tabStop};
      start = displayLineEnd(paragraphText, start, width, lineMetrics);
    } while (start < paragraphText.size());
    paragraphStart += utf8Length(paragraphText) + 1;
  }
  return fonts;
}

class Audit {
 public:
  Audit(const AuditInput& input, PrinterService& printers, Prompter& prompter, Language language)
      : input_(input), card_(input.card), printers_(printers), prompter_(prompter), language_(language) {}

  std::vector<AuditFinding> run() {
    checkHeaderSizes();
    checkIconOverFrame();
    checkCardStock();
    checkBlanks();
    checkPrinterFonts();
    if (findings_.empty())
      prompter_.show(MessageKind::Plain, text(messageNothingFound), Buttons::Ok, 0, text(titleInformation));
    return findings_;
  }

 private:
  std::string text(int id) const { return catalogue::text(language_, id); }
  int next() const { return static_cast<int>(findings_.size()) + 1; }

  void report(int id, std::string message, MessageKind kind, int helpContext, const std::string& title) {
    findings_.push_back({next(), id, message});
    prompter_.show(kind, message, Buttons::Ok, helpContext, title);
  }

  void checkHeaderSizes() {
    const RichText& frame1 = card_.frame(1).text;
    if (frame1.firstLineLength() == 0) return;
    // Equal sizes count: the first frame's header is meant to stand out.
    const int frame2Size = card_.frame(2).text.formatAt(0).size;
    if (frame2Size < frame1.formatAt(0).size) return;
    report(numberHeaderSize,
           catalogue::format(language_, adviceHeaderSize, std::to_string(next()), std::to_string(frame2Size)),
           MessageKind::Warning, helpContextNumbered, {});
  }

  void checkIconOverFrame() {
    if (card_.iconFile.empty() || !input_.printerAvailable) return;
    if (input_.refreshIcon) input_.refreshIcon();
    const double ratio = input_.printRatioX;
    const int iconRight = roundToInt(ratio * (card_.iconLeft + card_.iconWidth));
    const int frameLeft = roundToInt(ratio * card_.frame(1).frameLeft);
    if (iconRight < frameLeft) return;
    const int shortening = roundToInt((iconRight - frameLeft) / ratio) + iconClearance;
    report(
        numberIconOverFrame,
        catalogue::format(language_, adviceIconOverFrame, std::to_string(next()), std::to_string(shortening)),
        MessageKind::Warning, helpContextNumbered, {});
  }

  // A card smaller than the stock's cells prints centred in them, leaving a border to cut away.
  void checkCardStock() {
    const SizeMm size = cardSizeMm(card_, input_.screenResolution);
    if (cardFit(size, input_.stock, input_.screenResolution) != CardFit::Smaller) return;
    report(numberSmallerThanCell,
           catalogue::format(language_, adviceSmallerThanCell, std::to_string(next()),
                             sizeText(input_.stock.cell)),
           MessageKind::Warning, helpContextNumbered, {});
  }

  void checkBlanks() {
    // Line breaks are not blanks, so the paragraphs' own separator counts as the lines' CR LF would.
    const BlankCount blanks = countBlanks(card_.frame(1).text.plainText());
    if (blanks.leading == 0 && blanks.trailing == 0) return;
    report(messageBlanksTotal,
           text(messageBlanksTotal) + std::to_string(blanks.total) + text(messageBlanksOf) +
               std::to_string(blanks.leading) + text(messageBlanksLeading) + std::to_string(blanks.trailing) +
               text(messageBlanksTrailing),
           MessageKind::Plain, 0, text(titleInformation));
  }

  void checkPrinterFonts() {
    const std::string title = text(titleInformation) + " " + std::to_string(numberPrinterFont);
    for (std::size_t frame = 0; frame < input_.lineFonts.size(); ++frame) {
      int line = 0;
      for (const FontSpec& font : input_.lineFonts[frame]) {
        ++line;
        const PrinterFont printed = printers_.printerFont(font.name);
        if (printed == PrinterFont::CannotEnumerate) {
          // Said once; without the printer's fonts no other line can be checked either.
          prompter_.show(MessageKind::Plain, text(messageFontsUnsupported));
          return;
        }
        if (printed == PrinterFont::Outline) continue;
        report(numberPrinterFont,
               text(messageFontAtLine) + std::to_string(line) + text(messageFontOfFrame.at(frame)),
               MessageKind::Plain, 0, title);
      }
    }
  }

  const AuditInput& input_;
  const CardModel& card_;
  PrinterService& printers_;
  Prompter& prompter_;
  Language language_;
  std::vector<AuditFinding> findings_;
};

}  // namespace

std::vector<AuditFinding> auditCard(const AuditInput& input, PrinterService& printers, Prompter& prompter,
                                    Language language) {
  return Audit(input, printers, prompter, language).run();
}

std::array<std::vector<FontSpec>, 2> frameLineFonts(const CardModel& card, TextMetrics& metrics,
                                                    int screenResolution) {
  std::array<std::vector<FontSpec>, 2> fonts;
  for (int number : {1, 2}) {
    const FrameModel& frame = card.frame(number);
    fonts.at(static_cast<std::size_t>(number - 1)) =
        lineStartFonts(frame.text, frame.frameWidth - frameTextInsetLeft - frameTextInsetRight, metrics,
                       tabStopDistance(screenResolution));
  }
  return fonts;
}

}  // namespace orvane
