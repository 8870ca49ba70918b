#include "richtext/rich_text.h"

#include <algorithm>
#include <utility>

#include "text/line_file.h"
#include "text/utf8.h"

namespace orvane {

namespace {

int paragraphLength(const Paragraph& paragraph) {
  int length = 0;
  for (const TextRun& run : paragraph.runs) length += utf8Length(run.text);
  return length;
}

std::string paragraphText(const Paragraph& paragraph) {
  std::string text;
  for (const TextRun& run : paragraph.runs) text += run.text;
  return text;
}

// Gives the characters [from, to) of `paragraph` the format `format`, splitting the runs it cuts.
void formatParagraphSpan(Paragraph& paragraph, int from, int to, const FontSpec& format) {
  std::vector<TextRun> runs;
  int runStart = 0;
  for (const TextRun& run : paragraph.runs) {
    const int runLength = utf8Length(run.text);
    const std::size_t cutBefore = utf8Offset(run.text, std::clamp(from - runStart, 0, runLength));
    const std::size_t cutAfter = utf8Offset(run.text, std::clamp(to - runStart, 0, runLength));
    appendRun(runs, {run.text.substr(0, cutBefore), run.format});
    appendRun(runs, {run.text.substr(cutBefore, cutAfter - cutBefore), format});
    appendRun(runs, {run.text.substr(cutAfter), run.format});
    runStart += runLength;
  }
  paragraph.runs = std::move(runs);
}

// The format of the last character of `paragraph`, if it has one.
const FontSpec* lastCharacterFormat(const Paragraph& paragraph) {
  for (auto run = paragraph.runs.rbegin(); run != paragraph.runs.rend(); ++run)
    if (!run->text.empty()) return &run->format;
  return nullptr;
}

}  // namespace

void appendRun(std::vector<TextRun>& runs, TextRun run) {
  if (run.text.empty()) return;
  if (!runs.empty() && runs.back().format == run.format) {
    runs.back().text += run.text;
    return;
  }
  runs.push_back(std::move(run));
}

RichText::RichText(FontSpec format) : paragraphs_(1), insertionFormat_(std::move(format)) {}

RichText RichText::fromLines(const std::vector<std::string>& lines, FontSpec format) {
  RichText document(format);
  if (lines.empty()) return document;
  document.paragraphs_.clear();
  for (const std::string& line : lines) {
    Paragraph paragraph;
    appendRun(paragraph.runs, {line, format});
    document.paragraphs_.push_back(std::move(paragraph));
  }
  return document;
}

RichText RichText::fromPlainText(std::string_view utf8, FontSpec format) {
  std::vector<std::string> lines = splitLines(utf8);
  // A line end at the very end starts one more, empty paragraph, as it does in an edit control.
  if (!utf8.empty() && (utf8.back() == '\n' || utf8.back() == '\r')) lines.emplace_back();
  return fromLines(lines, std::move(format));
}

FontSpec RichText::defaultFormat() {
  FontSpec format;
  format.name = "Arial";
  format.size = 10;
  format.colour = 0;
  return format;
}

std::string RichText::plainText() const {
  std::string text;
  for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
    if (i > 0) text += '\n';
    text += paragraphText(paragraphs_[i]);
  }
  return text;
}

int RichText::length() const {
  if (paragraphs_.empty()) return 0;
  int total = static_cast<int>(paragraphs_.size()) - 1;
  for (const Paragraph& paragraph : paragraphs_) total += paragraphLength(paragraph);
  return total;
}

std::string RichText::firstLine() const {
  return paragraphs_.empty() ? std::string() : paragraphText(paragraphs_.front());
}

int RichText::firstLineLength() const {
  return paragraphs_.empty() ? 0 : paragraphLength(paragraphs_.front());
}

RichText::Span RichText::clampSpan(int start, int count) const {
  const long long textLength = length();
  const long long from = std::clamp<long long>(start, 0, textLength);
  const long long to = std::clamp<long long>(static_cast<long long>(start) + count, from, textLength);
  return {static_cast<int>(from), static_cast<int>(to)};
}

void RichText::applyFormat(int start, int count, const FontSpec& format) {
  const Span span = clampSpan(start, count);
  // Like the final paragraph mark of an edit control, the insertion format follows a range that
  // reaches the end of the text, so typing on at the end keeps the new format.
  if (count <= 0 || span.to == length()) insertionFormat_ = format;
  if (span.from == span.to) return;
  int paragraphStart = 0;
  for (Paragraph& paragraph : paragraphs_) {
    const int paragraphEnd = paragraphStart + paragraphLength(paragraph);
    if (span.from < paragraphEnd && span.to > paragraphStart)
      formatParagraphSpan(paragraph, span.from - paragraphStart, span.to - paragraphStart, format);
    paragraphStart = paragraphEnd + 1;
  }
}

FontSpec RichText::formatAt(int position) const {
  const int at = clampSpan(position, 0).from;
  int cursor = 0;
  const FontSpec* before = nullptr;  // format of the last character passed
  for (std::size_t i = 0; i < paragraphs_.size(); ++i) {
    for (const TextRun& run : paragraphs_[i].runs) {
      cursor += utf8Length(run.text);
      if (at < cursor) return run.format;
    }
    if (const FontSpec* last = lastCharacterFormat(paragraphs_[i])) before = last;
    // A paragraph break carries no format of its own: it reports the character before it.
    if (at == cursor && i + 1 < paragraphs_.size()) return before != nullptr ? *before : insertionFormat_;
    ++cursor;
  }
  return insertionFormat_;
}

FontSpec RichText::selectionFormat(int start, int count) const {
  const Span span = clampSpan(start, count);
  return span.from == span.to ? insertionFormat_ : formatAt(span.from);
}

void RichText::setAlignment(ParagraphAlignment alignment) {
  for (Paragraph& paragraph : paragraphs_) paragraph.alignment = alignment;
}

}  // namespace orvane
