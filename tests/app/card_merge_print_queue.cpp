// "Publipostage" from the editor's file menu on a real print queue, which the script beside this suite
// sets up on a private scheduler: ORVANE_TEST_QUEUE writes each job it is given into the PDF file
// ORVANE_TEST_QUEUE_OUTPUT. The cards of each row come back on the right pages, and Cancel pressed part
// way leaves no job in the queue.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QTimer>
#include <memory>

#include "app/card_editor.h"
#include "app_test_main.h"
#include "pdf_words.h"
#include "qt/qt_printer_service.h"
#include "shell/card_merge_export.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_services.h"

using namespace orvane;

class CardMergePrintQueue : public QObject {
  Q_OBJECT

  const QString queue = qEnvironmentVariable("ORVANE_TEST_QUEUE");
  const QString output = qEnvironmentVariable("ORVANE_TEST_QUEUE_OUTPUT");
  ScriptedPrompter prompter;
  QtPrinterService printers;
  ScriptedSettingsStore settings;
  ScriptedPrintDialogs printDialogs;
  ScriptedFileDialogs fileDialogs;
  std::unique_ptr<CardEditor> editor;

  // The queue's jobs as the scheduler lists them: `which` is "all" or "not-completed".
  QStringList jobs(const QString& which) {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-W"), which, QStringLiteral("-o"), queue});
    if (!lpstat.waitForFinished(60000)) return {QStringLiteral("lpstat did not answer")};
    return QString::fromUtf8(lpstat.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  // "Publipostage" of a team whose column Nom holds `names`, on the printer in colour.
  void printTeam(const QStringList& names, bool mixed) {
    const QString data = QDir::temp().filePath(QStringLiteral("equipe.csv"));
    QFile csv(data);
    QVERIFY(csv.open(QIODevice::WriteOnly | QIODevice::Truncate));
    csv.write(QStringLiteral("Nom\n%1\n").arg(names.join(QLatin1Char('\n'))).toUtf8());
    csv.close();
    fileDialogs.choose(data.toStdString(), "csv");
    prompter.answers = {mixed ? Answer::Yes : Answer::No, Answer::Yes, Answer::Yes};
    editor->mainWindow()->menus().file.cardMerge->trigger();
  }

  // The team's names on each page of the document the queue wrote, once the queue is done with it.
  QList<QStringList> printedPages() {
    const bool done = QTest::qWaitFor(
        [this] { return jobs(QStringLiteral("not-completed")).isEmpty() && QFile(output).size() > 0; },
        120000);
    if (!done) return {};
    QList<QStringList> pages;
    for (const PdfWord& word : pdfWords(output)) {
      while (pages.size() < word.page) pages << QStringList();
      if (word.text.startsWith(QStringLiteral("Membre"))) pages[word.page - 1] << word.text;
    }
    return pages;
  }

  static QStringList team(int count) {
    QStringList names;
    for (int row = 1; row <= count; ++row)
      names << QStringLiteral("Membre%1").arg(row, 2, 10, QLatin1Char('0'));
    return names;
  }

 private slots:
  void initTestCase() {
    if (queue.isEmpty()) QSKIP("no print queue given: the script beside this suite starts one");
    QVERIFY(printers.selectPrinter(queue.toStdString()));
    editor = std::make_unique<CardEditor>(prompter, printers, settings);
    editor->startCardEditor({});
    editor->mainWindow()->show();
    editor->cardFileCommands().setFileDialogs(fileDialogs);
    editor->printCommands().setPrintDialogs(printDialogs);
    editor->card().frame(1).text = RichText::fromPlainText("\u00abNom\u00bb");
    editor->cardWindow().showModel();
  }
  void cleanupTestCase() {
    editor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void init() { QFile::remove(output); }

  void cancelPressedPartWaySendsNoJob() {
    const qsizetype before = jobs(QStringLiteral("all")).size();
    const std::size_t said = prompter.texts().size();
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [this] {
      auto* dialog = editor->mainWindow()->findChild<QProgressDialog*>(QStringLiteral("bitmapProgress"));
      if (dialog && dialog->value() >= 2) dialog->cancel();
    });
    canceller.start(0);
    printTeam(team(4), false);
    canceller.stop();
    // The job is handed to the queue only once drawn whole: the pages drawn are dropped with it.
    QCOMPARE(jobs(QStringLiteral("all")).size(), before);
    QCOMPARE(QDir::temp().entryList({QStringLiteral("orvane-*.pdf")}, QDir::Files), QStringList());
    QCOMPARE(prompter.texts().size(), said + 3);  // the three questions, and nothing after them
    QCOMPARE(editor->card().frame(1).text.plainText(), std::string("\u00abNom\u00bb"));
  }

  void eachRowHasASheetOfItsOwnInOneJob() {
    const qsizetype before = jobs(QStringLiteral("all")).size();
    printTeam(team(3), false);
    QCOMPARE(jobs(QStringLiteral("all")).size(), before + 1);
    const QList<QStringList> pages = printedPages();
    QCOMPARE(pages.size(), 3);
    for (int page = 0; page < 3; ++page) QCOMPARE(pages[page], QStringList(12, team(3)[page]));
    QCOMPARE(QString::fromStdString(prompter.texts().back()),
             QString::fromStdString(cardMergePrintedMessage(Language::French, queue.toStdString(), {})));
  }

  void mixedRowsFillConsecutiveCardsPageAfterPage() {
    printTeam(team(14), true);
    const QList<QStringList> pages = printedPages();
    QCOMPARE(pages.size(), 2);
    QStringList first = pages[0];
    first.sort();
    QCOMPARE(first, team(12));
    QStringList second = pages[1];
    second.sort();
    QCOMPARE(second, team(14).mid(12));
  }
};

ORVANE_APP_TEST_MAIN(CardMergePrintQueue)
#include "card_merge_print_queue.moc"
