#include "qt/rich_text_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <algorithm>

#include "qt/qt_text.h"
#include "text/line_layout.h"
#include "text/rounding.h"
#include "text/utf8.h"

namespace orvane {

namespace {

QTextCharFormat toCharFormat(const FontSpec& font) {
  QTextCharFormat format;
  format.setFontFamilies({toQString(font.name)});
  format.setFontPointSize(font.size);
  format.setFontWeight(font.style.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(font.style.italic);
  format.setFontUnderline(font.style.underline);
  format.setFontStrikeOut(font.style.strikeOut);
  format.setForeground(toQColor(font.colour));
  return format;
}

FontSpec toFontSpec(const QTextCharFormat& format) {
  FontSpec font;
  const QStringList families = format.fontFamilies().toStringList();
  font.name = families.isEmpty() ? std::string() : toStdString(families.front());
  font.size = static_cast<std::int16_t>(roundToInt(format.fontPointSize()));
  font.style.bold = format.fontWeight() >= QFont::Bold;
  font.style.italic = format.fontItalic();
  font.style.underline = format.fontUnderline();
  font.style.strikeOut = format.fontStrikeOut();
  font.colour = toColour(format.foreground().color());
  return font;
}

Qt::Alignment toQtAlignment(ParagraphAlignment alignment) {
  switch (alignment) {
    case ParagraphAlignment::Right:
      return Qt::AlignRight;
    case ParagraphAlignment::Centre:
      return Qt::AlignHCenter;
    case ParagraphAlignment::Justify:
      return Qt::AlignJustify;
    case ParagraphAlignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

ParagraphAlignment toParagraphAlignment(Qt::Alignment alignment) {
  if (alignment & Qt::AlignRight) return ParagraphAlignment::Right;
  if (alignment & Qt::AlignHCenter) return ParagraphAlignment::Centre;
  if (alignment & Qt::AlignJustify) return ParagraphAlignment::Justify;
  return ParagraphAlignment::Left;
}

}  // namespace

void fillDocument(QTextDocument& document, const RichText& text) {
  // Clearing a document resets its root frame, which holds the margins a frame's text keeps.
  const QTextFrameFormat margins = document.rootFrame()->frameFormat();
  document.clear();
  document.rootFrame()->setFrameFormat(margins);
  QTextCursor cursor(&document);
  bool first = true;
  int position = 0;
  for (const Paragraph& paragraph : text.paragraphs()) {
    QTextBlockFormat blockFormat;
    blockFormat.setAlignment(toQtAlignment(paragraph.alignment));
    if (first) {
      cursor.setBlockFormat(blockFormat);
      first = false;
    } else {
      cursor.insertBlock(blockFormat);
    }
    // An empty line is as high as the format the text reports there, whatever the widget's own font.
    if (paragraph.runs.empty()) cursor.setBlockCharFormat(toCharFormat(text.formatAt(position)));
    for (const TextRun& run : paragraph.runs) {
      cursor.insertText(toQString(run.text), toCharFormat(run.format));
      position += utf8Length(run.text);
    }
    ++position;
  }
  // An empty document still carries the format that typing will use.
  if (text.isEmpty()) cursor.setBlockCharFormat(toCharFormat(text.formatAt(0)));
}

RichText readDocument(const QTextDocument& document) {
  RichText text(toFontSpec(document.begin().charFormat()));
  auto& paragraphs = text.paragraphs();
  paragraphs.clear();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    Paragraph paragraph;
    paragraph.alignment = toParagraphAlignment(block.blockFormat().alignment());
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextFragment piece = fragment.fragment();
      // Qt splits text on formats the model does not keep; the model's runs join again where it sees none.
      if (piece.isValid())
        appendRun(paragraph.runs, {toStdString(piece.text()), toFontSpec(piece.charFormat())});
    }
    paragraphs.push_back(std::move(paragraph));
  }
  if (paragraphs.empty()) paragraphs.emplace_back();
  return text;
}

void setFrameTextOption(QTextDocument& document, int tabStop) {
  QTextOption option = document.defaultTextOption();
  option.setTabStopDistance(tabStop);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(option);
}

void setTextBoxLayout(QTextDocument& document, const TextBox& box) {
  setFrameTextOption(document, box.tabStop);
  // Widths hinted for the screen drift from the printer's; the fonts' own widths keep both in step.
  document.setUseDesignMetrics(true);
  QTextFrameFormat margins = document.rootFrame()->frameFormat();
  margins.setLeftMargin(box.insetLeft);
  margins.setTopMargin(box.insetTop);
  margins.setRightMargin(box.insetRight);
  margins.setBottomMargin(0);
  document.rootFrame()->setFrameFormat(margins);
}

namespace {

// Cuts the characters [from, to) of a block at its tabs, and for a justified block at its blanks too,
// whose widths the layout chooses. Each piece then prints at the place and in the width the screen
// gives it, whatever the printer's own glyph widths.
void appendPieces(DisplayLine& line, const QTextLine& textLine, const QString& blockText, int from, int to,
                  const QTextCharFormat& format, double left, bool justified) {
  const FontSpec font = toFontSpec(format);
  const double pixelSize = QFontInfo(format.font()).pixelSize();
  int start = from;
  for (int index = from; index <= to; ++index) {
    const bool cut = index == to || blockText[index] == QLatin1Char('\t') ||
                     (justified && blockText[index] == QLatin1Char(' '));
    if (!cut) continue;
    // Blanks that end a piece print nothing.
    int end = index;
    while (end > start && blockText[end - 1].isSpace()) --end;
    if (end > start) {
      const double x = textLine.cursorToX(start);
      line.pieces.push_back({toStdString(blockText.mid(start, end - start)), font, left + x,
                             textLine.cursorToX(end) - x, pixelSize});
    }
    start = index + 1;
  }
}

}  // namespace

std::vector<DisplayLine> displayLinesOf(const QTextDocument& document) {
  std::vector<DisplayLine> lines;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    if (layout == nullptr) continue;
    const QPointF origin = layout->position();
    const QString blockText = block.text();
    const QList<QTextLayout::FormatRange> formats = block.textFormats();
    const bool justified = (block.blockFormat().alignment() & Qt::AlignJustify) != 0;
    for (int index = 0; index < layout->lineCount(); ++index) {
      const QTextLine textLine = layout->lineAt(index);
      DisplayLine line;
      line.top = origin.y() + textLine.y();
      line.height = textLine.height();
      line.ascent = textLine.ascent();
      const int lineStart = textLine.textStart();
      const int lineEnd = lineStart + textLine.textLength();
      for (const QTextLayout::FormatRange& range : formats) {
        const int from = std::max(lineStart, range.start);
        const int to = std::min(lineEnd, range.start + range.length);
        if (from < to) appendPieces(line, textLine, blockText, from, to, range.format, origin.x(), justified);
      }
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

std::vector<DisplayLine> layOutTextBox(const RichText& text, const TextBox& box) {
  QTextDocument document;
  document.setUndoRedoEnabled(false);  // nobody edits it
  setTextBoxLayout(document, box);
  fillDocument(document, text);
  // The lines are read back piece by piece: their glyphs are kept shaped rather than shaped again.
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    block.layout()->setCacheEnabled(true);
  document.setTextWidth(box.width);
  // Laying out is lazy: asking for the size lays out every block.
  document.documentLayout()->documentSize();
  return displayLinesOf(document);
}

}  // namespace orvane
