// The About box's climbing block and its picture, and the query dialog's answers.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/tform10.h"
#include "app/tform4.h"
#include "app_test_main.h"
#include "editor_under_test.h"

using namespace orvane;

namespace {

const QColor yellow(255, 255, 0);
const QColor fallback(0xDC, 0xCF, 0xFC);  // the colour value 33345500
const QColor grey(0x80, 0x80, 0x80);

// Runs `answer` on the query dialog once it is up, then asks; returns the result.
QString ask(const QString& defaultAnswer, const std::function<void(TForm10&)>& answer,
            const QString& previous = QStringLiteral("avant")) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = dynamic_cast<TForm10*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    answer(*dialog);
    // A failed check must not leave the dialog waiting.
    if (QTest::currentTestFailed()) dialog->reject();
  });
  QString result = previous;
  QueryText(QStringLiteral("navigateur"), QStringLiteral("Quel navigateur ?\r\n1 : IE4\r\n3 : Safari"),
            defaultAnswer, result);
  return result;
}

void type(TForm10& dialog, const QString& text) {
  auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
  edit->clear();
  QTest::keyClicks(edit, text);
}

}  // namespace

class AboutQueryTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void theHelpPanelOpensTheAboutBoxWithoutWaiting() {
    EditorUnderTest session;
    session.start(1);
    session.editor->mainWindow()->menus().help.about->trigger();
    TForm4* box = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (widget->isVisible() && widget->objectName() == QLatin1String("TForm4"))
        box = dynamic_cast<TForm4*>(widget);
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("A propos de Orvane"));
    QCOMPARE(box->frameGeometry().size(), QSize(762, 299));
    QCOMPARE(box->windowModality(), Qt::NonModal);
    QVERIFY(box->timer()->isActive());
    QCOMPARE(box->timer()->interval(), 10);
    QVERIFY(!box->pictureMissing());
    QCOMPARE(box->animation().offset(), AboutAnimation::startOffset);
    box->timer()->stop();
    session.stop();
  }

  void theBlockClimbsOnYellowLinesAndStartsAgainBelow() {
    TForm4 box;
    box.show();
    box.timertic();
    // Line 0 begins 10 pixels under the block's top, which is 31 pixels above the bottom edge.
    QCOMPARE(box.surface().pixelColor(5, 299 - 31 + 11), yellow);
    while (box.animation().offset() != 0) box.timertic();
    QCOMPARE(box.surface().pixelColor(5, 5), grey);
    QCOMPARE(box.surface().pixelColor(700, 290), grey);
    // A lower window brings the restart nearer: the block restarts once past its height + 160.
    box.resize(762, 100);
    int ticks = 0;
    do {
      box.timertic();
      ++ticks;
    } while (box.animation().offset() != 0);
    QCOMPARE(ticks, 100 + AboutAnimation::restartBeyondHeight);
  }

  void withoutItsPictureTheBoxFallsBackOnItsOwnColours() {
    TForm4 box(QStringLiteral(":/no-such-picture"));
    box.show();
    QVERIFY(box.pictureMissing());
    box.timertic();
    QCOMPARE(box.surface().pixelColor(5, 299 - 31 + 11), fallback);
  }

  void okReturnsWhatWasTypedAndKeepsItAsTheLastAnswer() {
    const QString result = ask(QStringLiteral("1"), [](TForm10& dialog) {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Orvane : navigateur"));
      QCOMPARE(dialog.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText(),
               QStringLiteral("Quel navigateur ?\n1 : IE4\n3 : Safari"));
      QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("1"));
      QCOMPARE(dialog.focusWidget(), dialog.findChild<QLineEdit*>(QStringLiteral("Edit1")));
      type(dialog, QStringLiteral("3"));
      dialog.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    });
    QCOMPARE(result, QStringLiteral("3"));
    QCOMPARE(TForm10::lastConfirmedAnswer(), QStringLiteral("3"));
  }

  void annulerEscapeAndTheCloseBoxReturnTheTextTypedSoFar() {
    TForm10::lastConfirmedAnswer() = QStringLiteral("3");
    QCOMPARE(ask(QStringLiteral("1"),
                 [](TForm10& dialog) {
                   type(dialog, QStringLiteral("2"));
                   dialog.findChild<QPushButton*>(QStringLiteral("Button2"))->click();
                 }),
             QStringLiteral("2"));
    QCOMPARE(ask(QStringLiteral("1"),
                 [](TForm10& dialog) {
                   type(dialog, QStringLiteral("4"));
                   QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("Edit1")), Qt::Key_Escape);
                 }),
             QStringLiteral("4"));
    QCOMPARE(ask(QStringLiteral("5"), [](TForm10& dialog) { dialog.close(); }), QStringLiteral("5"));
    // Only "ok" changes the last confirmed answer.
    QCOMPARE(TForm10::lastConfirmedAnswer(), QStringLiteral("3"));
  }

  // Ending the run leaves no loop running in this program, so this case comes last.
  void aQueryEndedByTheEndOfTheRunLeavesTheResultAlone() {
    QCOMPARE(ask(QStringLiteral("1"), [](TForm10&) { QCoreApplication::exit(0); }), QStringLiteral("avant"));
  }
};

ORVANE_APP_TEST_MAIN(AboutQueryTest)
#include "about_query_test.moc"
