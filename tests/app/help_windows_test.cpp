// The help window with the guide, its printing and resizing, and the help document that message
// boxes and F1 open at the entry of a help context.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "app/tform3.h"
#include "app_test_main.h"
#include "editor_under_test.h"
#include "help/user_guide.h"
#include "qt/help_viewer.h"
#include "qt/qt_prompter.h"

using namespace orvane;

namespace {

template <typename Window>
Window* topLevel(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String(name) && widget->isVisible())
      return dynamic_cast<Window*>(widget);
  }
  return nullptr;
}

QString guideText() {
  QStringList rows;
  for (const std::string& row : guideRows()) rows << QString::fromStdString(row);
  return rows.join(QLatin1Char('\n'));
}

// The text and page size of a PDF the print wrote, through the system's PDF tools.
QString pdfText(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  tool.waitForFinished();
  return QString::fromUtf8(tool.readAllStandardOutput());
}

QString pdfInfo(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdfinfo"), {path});
  tool.waitForFinished();
  return QString::fromUtf8(tool.readAllStandardOutput());
}

// How many times each word occurs in `text`.
QMap<QString, int> wordCounts(const QString& text) {
  QMap<QString, int> counts;
  for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
    ++counts[word];
  return counts;
}

bool landscape(const QString& info) {
  // "Page size:      842 x 595 pts (A4)"
  const QStringList words =
      info.section(QStringLiteral("Page size:"), 1).simplified().split(QLatin1Char(' '));
  return words.size() > 2 && words[0].toDouble() > words[2].toDouble();
}

}  // namespace

class HelpWindowsTest : public QObject {
  Q_OBJECT

  ScriptedPrompter prompter;
  QTemporaryDir folder;

  // A help window whose print dialog chooses a PDF file at `path`, then is confirmed or cancelled.
  TForm3* helpWindow(const QString& path = {}, bool confirm = true) {
    auto* window = TForm3::formload(prompter, {});
    window->printDialog = [path, confirm](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      return confirm;
    };
    return window;
  }

  static bool pdfToolsMissing() {
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
  }

  void selectWord(TForm3* window, const QString& word) {
    auto* text = window->findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    QTextCursor cursor = text->document()->find(word);
    QVERIFY(!cursor.isNull());
    text->setTextCursor(cursor);
  }

 private slots:
  void cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    prompter.shown.clear();
  }

  // Sizes the window by its outer size, frame included, which is the size its controls follow.
  static void resizeOuter(QWidget* window, QSize outer) {
    window->resize(outer - (window->frameGeometry().size() - window->size()));
  }

  void resizingKeepsEveryControlInProportion() {
    TForm3* window = helpWindow();
    QMap<QString, QRect> before;
    const auto controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 6);
    for (QWidget* control : controls) before[control->objectName()] = control->geometry();
    QCOMPARE(before[QStringLiteral("Button1")], QRect(400, 376, 81, 41));
    QCOMPARE(window->frameGeometry().size(), QSize(696, 521));

    resizeOuter(window, {1392, 1042});
    for (QWidget* control : controls) {
      const QRect was = before[control->objectName()];
      QCOMPARE(control->geometry(), QRect(was.x() * 2, was.y() * 2, was.width() * 2, was.height() * 2));
    }
    resizeOuter(window, {696, 521});
    for (QWidget* control : controls) QCOMPARE(control->geometry(), before[control->objectName()]);
  }

  void printsASelectionAsPlainTextInTheChosenOrientation() {
    if (pdfToolsMissing()) QSKIP("pdftotext and pdfinfo (package poppler-utils) read the printed pages back");
    const QString path = folder.filePath(QStringLiteral("selection.pdf"));
    TForm3* window = helpWindow(path);
    selectWord(window, QStringLiteral("REPERTORIES"));
    window->findChild<QRadioButton*>(QStringLiteral("rb2"))->click();
    window->Button2Click();
    QCOMPARE(pdfText(path).trimmed(), QStringLiteral("REPERTORIES"));
    QVERIFY(landscape(pdfInfo(path)));
    QVERIFY(prompter.shown.empty());
  }

  void printsTheWholeGuideUnderItsJobTitle() {
    if (pdfToolsMissing()) QSKIP("pdftotext and pdfinfo (package poppler-utils) read the printed pages back");
    const QString path = folder.filePath(QStringLiteral("guide.pdf"));
    TForm3* window = helpWindow(path);
    window->Button2Click();
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("AIDE DU PROGRAMME D'EDITION DE CARTES DE VISITE")));
    QVERIFY(text.contains(QStringLiteral("Message 500 :")));
    const QString info = pdfInfo(path);
    QVERIFY(!landscape(info));
    QVERIFY2(info.contains(QStringLiteral("Title:           Orvane : assistance technique :")),
             qPrintable(info));
  }

  // The box shows the guide's rows unbroken; on paper they are wrapped to the page, so that no word is
  // cut at the right margin, in either orientation.
  void everyWordOfTheGuidePrintsInBothOrientations() {
    if (pdfToolsMissing()) QSKIP("pdftotext and pdfinfo (package poppler-utils) read the printed pages back");
    const QMap<QString, int> guide = wordCounts(guideText());
    for (const char* orientation : {"rb1", "rb2"}) {
      const QString path = folder.filePath(QLatin1String(orientation) + QStringLiteral(".pdf"));
      TForm3* window = helpWindow(path);
      window->findChild<QRadioButton*>(QLatin1String(orientation))->click();
      window->Button2Click();
      // The page's ligatures ("ﬁ") read back as their letters.
      const QMap<QString, int> printed = wordCounts(pdfText(path).normalized(QString::NormalizationForm_KC));
      for (auto word = guide.cbegin(); word != guide.cend(); ++word)
        QVERIFY2(printed.value(word.key()) >= word.value(),
                 qPrintable(QStringLiteral("%1: \"%2\" printed %3 times of %4")
                                .arg(QLatin1String(orientation), word.key())
                                .arg(printed.value(word.key()))
                                .arg(word.value())));
      window->close();
    }
  }

  void cancellingThePrintDialogPrintsNothing() {
    const QString path = folder.filePath(QStringLiteral("cancelled.pdf"));
    TForm3* window = helpWindow(path, false);
    selectWord(window, QStringLiteral("MOTIF"));
    window->Button2Click();
    window->findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->setTextCursor({});
    window->Button2Click();
    QVERIFY(!QFile::exists(path));
    QVERIFY(prompter.shown.empty());
  }

  // The whole text used to fail without a word; it is now reported as a selection's failure is.
  void aPrinterThatCannotBeOpenedIsReportedAndTheWindowStays() {
    TForm3* window = helpWindow(folder.filePath(QStringLiteral("missing/folder/out.pdf")));
    selectWord(window, QStringLiteral("MOTIF"));
    window->Button2Click();
    window->findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->setTextCursor({});
    window->Button2Click();
    const std::string failure = "Erreur d'accès à l'imprimante.";
    QCOMPARE(prompter.texts(), (std::vector<std::string>{failure, failure}));
    QCOMPARE(prompter.shown.front().kind, MessageKind::Error);
    QVERIFY(window->isVisible());
  }

  void theHelpPanelOpensTheGuideAndFinProgrammeEndsTheEditor() {
    EditorUnderTest session;
    session.start(1);
    QSignalSpy ended(session.editor->mainWindow(), &TForm2::modalRunEnded);
    session.editor->mainWindow()->menus().help.assistance->trigger();
    auto* window = topLevel<TForm3>("TForm3");
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("édition de cartes "));
    QCOMPARE(window->windowModality(), Qt::ApplicationModal);
    QCOMPARE(window->findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->toPlainText(), guideText());
    window->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!topLevel<TForm3>("TForm3"));
    QCOMPARE(ended.count(), 1);
    QVERIFY(session.editor->cardWindow().closed());
    session.stop();
  }

  void eachContextOpensTheHelpDocumentAtItsEntry() {
    QWidget owner;
    for (int context : {100, 310, 500}) {
      HelpViewer* viewer = openHelp(context, {}, &owner);
      QCoreApplication::processEvents();
      const int row = helpEntryRow(context);
      QCOMPARE(viewer->entryRow(), row);
      // The entry comes to the top, unless the guide ends before it can.
      const QScrollBar* scroll =
          viewer->findChild<QTextBrowser*>(QStringLiteral("helpText"))->verticalScrollBar();
      if (scroll->value() < scroll->maximum())
        QCOMPARE(viewer->firstShownRow(), row);
      else
        QVERIFY(viewer->firstShownRow() <= row && scroll->maximum() > 0);
      QVERIFY(
          QString::fromStdString(guideRows()[row]).startsWith(QStringLiteral("Message %1 :").arg(context)));
      viewer->close();
    }
  }

  void aBoxWithAHelpContextOffersHelpAndStillWaitsForItsAnswer() {
    QtPrompter boxes;
    bool helped = false;
    QTimer::singleShot(0, [&helped] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      QAbstractButton* help = box->button(QMessageBox::Help);
      QVERIFY(help);
      help->click();
      auto* viewer = box->findChild<HelpViewer*>(QStringLiteral("HelpViewer"));
      QVERIFY(viewer);
      QCOMPARE(viewer->entryRow(), helpEntryRow(310));
      QVERIFY(box->isVisible());
      helped = true;
      viewer->close();
      box->button(QMessageBox::No)->click();
    });
    QCOMPARE(
        boxes.show(MessageKind::Warning, "Conseil 1 : diminuez la longueur du cadre 1 - Avertissement 310",
                   Buttons::YesNo, helpContextMessageList, {}),
        Answer::No);
    QVERIFY(helped);

    QTimer::singleShot(0, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      QVERIFY(!box->button(QMessageBox::Help));
      box->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(boxes.show(MessageKind::Information, "fait", Buttons::Ok, 0, {}), Answer::Ok);
  }

  void f1InTheMainWindowOpensTheHelpDocument() {
    EditorUnderTest session;
    session.start(1);
    TForm2& main = *session.editor->mainWindow();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_F1);
    auto* viewer = main.findChild<HelpViewer*>(QStringLiteral("HelpViewer"));
    QVERIFY(viewer);
    QCOMPARE(viewer->entryRow(), 0);
    viewer->close();
    session.stop();
  }
};

ORVANE_APP_TEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
