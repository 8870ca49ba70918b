// The card window: how its frames show their text, and during card access frame colours under the
// mouse, the "ok" pop-up, closing.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QWindow>
#include <memory>

#include "app_test_main.h"
#include "catalogue/catalogue.h"
#include "editor_under_test.h"

using namespace orvane;

class CardWindowTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  std::unique_ptr<CardEditor>& editor = session.editor;
  std::unique_ptr<ScriptedPrompter>& prompter = session.prompter;

  TForm1& card() { return editor->cardWindow(); }
  QColor frameColour(int number) { return card().frameEdit(number)->palette().color(QPalette::Base); }

  // The fixture names its pattern and icon relative to its own folder.
  void startWithDecoratedCard() {
    session.stop();
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    session.start(1, ORVANE_TEST_DATA "/render/carte.ov1");
  }

 private slots:
  void init() { session.start(1); }
  void cleanup() { session.stop(); }

  void framesUnderTheMouseDuringCardAccess() {
    QTest::mouseMove(card().frameEdit(1)->viewport());
    QCOMPARE(frameColour(1), QColor(0xC0, 0xCD, 0xFF));  // no access: nothing changes

    editor->mainWindow()->menus().elements.cardAccess->trigger();
    QTest::mouseMove(card().frameEdit(1)->viewport(), QPoint(5, 5));
    QCOMPARE(frameColour(1), QColor(Qt::white));
    QCOMPARE(frameColour(2), QColor(0xC0, 0xCD, 0xFF));
    QTest::mouseMove(card().frameEdit(2)->viewport(), QPoint(6, 6));
    QCOMPARE(frameColour(1), QColor(0xC0, 0xCD, 0xFF));
    QCOMPARE(frameColour(2), QColor(Qt::white));
  }

  void rightClickOpensOkOnlyDuringCardAccess() {
    QTest::mouseClick(&card(), Qt::RightButton, {}, QPoint(100, 5));
    QVERIFY(!card().popupMenu()->isVisible());

    editor->mainWindow()->menus().elements.cardAccess->trigger();
    QTest::mouseClick(&card(), Qt::RightButton, {}, QPoint(100, 5));
    QVERIFY(card().popupMenu()->isVisible());
    QCOMPARE(card().popupMenu()->pos(),
             QPoint(card().x() + card().width(), card().y() + card().height() / 2));
    card().popupMenu()->hide();
  }

  void framesShowTheirTextAsPaperDoes() {
    QTextEdit* frame = card().frameEdit(1);
    // The frame wraps as the printed sheet does: the same insets, half-inch tab stops and the fonts'
    // own widths.
    const QTextDocument& document = *frame->document();
    QVERIFY(document.useDesignMetrics());
    QCOMPARE(document.defaultTextOption().tabStopDistance(), frame->logicalDpiX() / 2.0);
    QCOMPARE(document.rootFrame()->frameFormat().leftMargin(), 2.0);
    QCOMPARE(document.rootFrame()->frameFormat().rightMargin(), 3.0);
    // Far more text than the frame holds: the rest is cut off, and no scroll bar takes room on the card.
    frame->setPlainText(QStringLiteral("ligne\n").repeated(40) + QString(200, QLatin1Char('x')));
    QVERIFY(frame->document()->size().height() > frame->viewport()->height());
    QVERIFY(!frame->verticalScrollBar()->isVisible());
    QVERIFY(!frame->horizontalScrollBar()->isVisible());
    QCOMPARE(frame->viewport()->size(), frame->size());

    // A right click on a frame opens no menu of the toolkit's own (copy, paste...).
    const QPoint inside(5, 5);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inside, frame->viewport()->mapToGlobal(inside));
    QApplication::sendEvent(frame->viewport(), &rightClick);
    QWidget* popup = QApplication::activePopupWidget();
    if (popup) popup->close();
    QVERIFY(!popup);
  }

  void aCardFileOverItsPatternKeepsItsStoredTransparency() {
    session.stop();
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    QTemporaryDir folder;
    QFile original(QStringLiteral(ORVANE_TEST_DATA "/render/carte.ov1"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QByteArray lines = original.readAll();
    lines.replace("50 - transparence :0", "50 - transparence :2");
    QFile transparent(folder.filePath(QStringLiteral("carte.ov1")));
    QVERIFY(transparent.open(QIODevice::WriteOnly));
    transparent.write(lines);
    transparent.close();

    session.start(1, transparent.fileName().toStdString());
    const TForm2& main = *editor->mainWindow();
    QVERIFY(!main.findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->isChecked());
    QVERIFY(main.findChild<QCheckBox*>(QStringLiteral("CheckBox3"))->isChecked());
    // The frame shows through the pattern, so card access is refused until it is opaque again.
    editor->mainWindow()->menus().elements.cardAccess->trigger();
    QCOMPARE(session.shownTexts().last(), QString::fromStdString(catalogue::text(Language::French, 1101)));
  }

  void okEndsAccessAndThenClosingOnlyHides() {
    QAction* access = editor->mainWindow()->menus().elements.cardAccess;
    access->trigger();
    QTest::mouseMove(card().frameEdit(2)->viewport(), QPoint(3, 3));
    card().okMenuItem()->trigger();
    QVERIFY(card().frameEdit(1)->isReadOnly());
    QVERIFY(card().frameEdit(2)->isReadOnly());
    QCOMPARE(frameColour(2), QColor(0xC0, 0xCD, 0xFF));
    QCOMPARE(access->text(), QStringLiteral("accès carte +"));
    QCOMPARE(editor->shell().state().accessCount, 0);

    card().close();
    QVERIFY(!card().isVisible());
    QVERIFY(!card().closed());
  }

  void closingBeforeOkDestroys() {
    card().close();
    QVERIFY(card().closed());
    QVERIFY(!card().isVisible());
  }

  void aCardFileOnTheCommandLineOpensWithItsDecorations() {
    startWithDecoratedCard();
    QVERIFY(prompter->shown.empty());
    QVERIFY(!card().isVisible());
    QVERIFY(!editor->card().frame(1).text.isEmpty());
    QVERIFY(card().frameEdit(1)->toPlainText().size() > 0);
    QVERIFY(!card().decorations().isNull());
    QVERIFY(editor->cardWindow().renderer().patternShown);
    QVERIFY(!card().iconLabel()->isHidden());
    QCOMPARE(card().iconLabel()->geometry(), QRect(editor->card().iconLeft, editor->card().iconTop,
                                                   editor->card().iconWidth, editor->card().iconHeight));
    QVERIFY(!editor->mainWindow()->findChild<QLabel*>(QStringLiteral("iconPreview1"))->pixmap().isNull());
    QVERIFY(editor->mainWindow()->menus().control.audit->isEnabled());
  }

  // The card file's card is 185 x 293, the start card 182 x 273: the window, its native window and the
  // decorations take the file's size, while hidden and once "voir carte" shows it.
  void theCardWindowIsTheCardsSizeFromTheCommandLine() {
    startWithDecoratedCard();
    const QSize cardSize(185, 293);
    QCOMPARE(QSize(editor->card().cardWidth, editor->card().cardHeight), cardSize);
    QCOMPARE(card().size(), cardSize);
    QVERIFY(card().windowHandle());
    QCOMPARE(card().windowHandle()->geometry().size(), cardSize);
    QCOMPARE(card().decorations().size(), cardSize);
    editor->mainWindow()->form1see();
    QVERIFY(card().isVisible());
    QCOMPARE(card().size(), cardSize);
    QCOMPARE(card().windowHandle()->geometry().size(), cardSize);
    QCOMPARE(card().grab().size(), cardSize);
  }

  void theFrameTextsWorkingCopiesGoWithTheMainWindow() {
    startWithDecoratedCard();
    const QDir folder(QString::fromStdString(editor->companions().workingCopyFolder));
    QCOMPARE(folder.entryList(QDir::Files), QStringList({"11.rtf", "12.rtf"}));
    editor->mainWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!editor->mainWindow());
    QVERIFY(folder.entryList(QDir::Files).isEmpty());
  }

  void mouseOverTheBackgroundSuspendsRepaintsUntilAppliquer() {
    startWithDecoratedCard();
    card().show();
    const qint64 painted = card().decorations().cacheKey();
    QTest::mouseMove(&card(), QPoint(150, 10));
    card().rpaint();
    QCOMPARE(card().decorations().cacheKey(), painted);

    QTest::mouseClick(editor->mainWindow()->findChild<QPushButton*>(QStringLiteral("Button17")),
                      Qt::LeftButton);
    QVERIFY(card().decorations().cacheKey() != painted);
    QVERIFY(card().frameEdit(1)->isVisible());

    // A move still queued when the repaint starts counts as well: the repaint delivers it first.
    const qint64 applied = card().decorations().cacheKey();
    const QPointF over(150, 10);
    QCoreApplication::postEvent(&card(), new QMouseEvent(QEvent::MouseMove, over, card().mapToGlobal(over),
                                                         Qt::NoButton, Qt::NoButton, Qt::NoModifier));
    card().rpaint();
    QCOMPARE(card().decorations().cacheKey(), applied);
  }

  void theFinalCloseReleasesThePictures() {
    startWithDecoratedCard();
    QVERIFY(editor->cardWindow().renderer().patternBitmap.has_value());
    card().close();
    QVERIFY(!editor->cardWindow().renderer().patternBitmap.has_value());
    QVERIFY(!editor->cardWindow().renderer().backgroundCopy.has_value());
    QVERIFY(card().decorations().isNull());
  }
};

ORVANE_APP_TEST_MAIN(CardWindowTest)
#include "card_window_test.moc"
