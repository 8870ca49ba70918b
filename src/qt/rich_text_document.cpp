#include "qt/rich_text_document.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include "qt/qt_text.h"
#include "render/line_layout.h"
#include "text/rounding.h"

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
  for (const Paragraph& paragraph : text.paragraphs()) {
    QTextBlockFormat blockFormat;
    blockFormat.setAlignment(toQtAlignment(paragraph.alignment));
    if (first) {
      cursor.setBlockFormat(blockFormat);
      first = false;
    } else {
      cursor.insertBlock(blockFormat);
    }
    for (const TextRun& run : paragraph.runs)
      cursor.insertText(toQString(run.text), toCharFormat(run.format));
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

void setFrameTextOption(QTextDocument& document, int dotsPerInch) {
  QTextOption option = document.defaultTextOption();
  option.setTabStopDistance(tabStopDistance(dotsPerInch));
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document.setDefaultTextOption(option);
}

void setFrameLayout(QTextDocument& document, int dotsPerInch) {
  setFrameTextOption(document, dotsPerInch);
  // Widths hinted for the screen drift from the printer's; the fonts' own widths keep both in step.
  document.setUseDesignMetrics(true);
  QTextFrameFormat margins = document.rootFrame()->frameFormat();
  margins.setLeftMargin(frameTextInsetLeft);
  margins.setTopMargin(frameTextInsetTop);
  margins.setRightMargin(frameTextInsetRight);
  margins.setBottomMargin(0);
  document.rootFrame()->setFrameFormat(margins);
}

}  // namespace orvane
