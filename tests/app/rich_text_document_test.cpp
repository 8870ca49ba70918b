// A frame's text carried into a QTextDocument and read back from it.
#include "qt/rich_text_document.h"

#include <QTextCursor>
#include <QTextDocument>

#include "app_test_main.h"

using namespace orvane;

class RichTextDocumentTest : public QObject {
  Q_OBJECT

 private slots:
  void aTextComesBackAsItWentIn() {
    FontSpec heading = RichText::defaultFormat();
    heading.style.bold = true;
    heading.colour = 0x0000FF;
    RichText text = RichText::fromPlainText("Jean Dupont\nIngénieur ✓");
    text.applyFormat(0, 4, heading);
    text.paragraphs()[0].alignment = ParagraphAlignment::Centre;
    text.paragraphs()[1].alignment = ParagraphAlignment::Right;

    QTextDocument document;
    fillDocument(document, text);
    QCOMPARE(readDocument(document).paragraphs(), text.paragraphs());
  }

  void sizesRoundHalfToEvenAndFormatsTheModelDoesNotKeepMakeOneRun() {
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(10.5);
    cursor.insertText(QStringLiteral("Tél."), format);
    format.setAnchorHref(QStringLiteral("tel:0123"));  // no place for it in the model
    cursor.insertText(QStringLiteral(" 01 23"), format);
    cursor.insertBlock();
    format.setFontPointSize(11.5);
    cursor.insertText(QStringLiteral("fax"), format);

    const RichText text = readDocument(document);
    QCOMPARE(text.paragraphs().size(), std::size_t{2});
    const std::vector<TextRun>& runs = text.paragraphs()[0].runs;
    QCOMPARE(runs.size(), std::size_t{1});
    QCOMPARE(runs[0].text, std::string("Tél. 01 23"));
    QCOMPARE(runs[0].format.size, std::int16_t{10});
    QCOMPARE(text.paragraphs()[1].runs[0].format.size, std::int16_t{12});
  }
};

ORVANE_APP_TEST_MAIN(RichTextDocumentTest)
#include "rich_text_document_test.moc"
