#pragma once
// A rich-text document as a frame holds it: paragraphs (the frame's lines) of runs with character
// formats, each paragraph with its alignment. Positions count Unicode characters, and each paragraph
// break counts as one character, the way a rich-edit control counts them.

#include <string>
#include <string_view>
#include <vector>

#include "font.h"

namespace orvane {

enum class ParagraphAlignment { Left, Right, Centre, Justify };

struct TextRun {
  std::string text;  // UTF-8, never holds a paragraph break
  FontSpec format;
  bool operator==(const TextRun&) const = default;
};

struct Paragraph {
  std::vector<TextRun> runs;
  ParagraphAlignment alignment = ParagraphAlignment::Left;
  bool operator==(const Paragraph&) const = default;
};

/// Appends `run` to `runs`, joining it to the previous run when both share a format, so that a
/// paragraph never holds empty runs or two neighbours with the same format.
void appendRun(std::vector<TextRun>& runs, TextRun run);

class RichText {
 public:
  /// An empty document in the default format; not explicit, so that `FrameModel{}` and the like work.
  RichText() : RichText(defaultFormat()) {}
  /// An empty document: one empty paragraph whose insertion format is `format`.
  explicit RichText(FontSpec format);
  /// Plain text in one format; "\n", "\r\n" and "\r" separate paragraphs.
  static RichText fromPlainText(std::string_view utf8, FontSpec format = defaultFormat());
  /// One paragraph per line, in one format; no lines make an empty document.
  static RichText fromLines(const std::vector<std::string>& lines, FontSpec format);
  /// The format of a new, empty frame text.
  static FontSpec defaultFormat();

  const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }
  std::vector<Paragraph>& paragraphs() { return paragraphs_; }

  /// The whole text, paragraphs joined by "\n".
  std::string plainText() const;
  /// Characters in the document, paragraph breaks included (not the last paragraph's end).
  int length() const;
  bool isEmpty() const { return length() == 0; }
  /// The text of the first paragraph.
  std::string firstLine() const;
  /// Length in characters of the first paragraph.
  int firstLineLength() const;

  /// Gives every character in [start, start + count) the format `format` (all fields at once).
  /// A zero count, or a range reaching the end of the text, sets the insertion format, which an empty
  /// selection reports. Out-of-range values are clamped to the text.
  void applyFormat(int start, int count, const FontSpec& format);
  /// The format of the character at `position`, or the insertion format at the end of the text. A
  /// paragraph break reports the character before it, or the insertion format when there is none.
  FontSpec formatAt(int position) const;
  /// The format a selection reports: that of its first character, or the insertion format when the
  /// selection is empty.
  FontSpec selectionFormat(int start, int count) const;

  /// The format that text typed at the end of the document takes.
  const FontSpec& insertionFormat() const { return insertionFormat_; }

  /// Sets the alignment of every paragraph.
  void setAlignment(ParagraphAlignment alignment);

  bool operator==(const RichText&) const = default;

 private:
  struct Span {
    int from;
    int to;
  };
  /// [start, start + count) cut to the text; an empty span when count is not positive.
  Span clampSpan(int start, int count) const;

  std::vector<Paragraph> paragraphs_;
  FontSpec insertionFormat_;
};

}  // namespace orvane
