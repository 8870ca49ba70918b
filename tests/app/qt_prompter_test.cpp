// The program's message boxes when the run ends under them (a signal asks the editor to stop): the
// open box and every box after it close at once with the answer that changes nothing.
#include "qt/qt_prompter.h"

#include <QTimer>

#include "app_test_main.h"

using namespace orvane;

class QtPrompterTest : public QObject {
  Q_OBJECT

 private slots:
  // Ending the run leaves no loop running in this program, so this is the suite's only case.
  void boxesClosedByTheEndOfTheRunAnswerWhatChangesNothing() {
    QtPrompter prompter;
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCOMPARE(prompter.show(MessageKind::Confirmation, "Remplacer le fichier ?", Buttons::YesNo, 0, {}),
             Answer::No);
    QCOMPARE(prompter.show(MessageKind::Warning, "continuer ?", Buttons::OkCancel, 9, {}), Answer::Cancel);
    QCOMPARE(prompter.show(MessageKind::Error, "ligne 12", Buttons::OkAbort, 9, {}), Answer::Abort);
    QCOMPARE(prompter.show(MessageKind::Confirmation, "enregistrer ?", Buttons::YesNoCancel, 0, {}),
             Answer::Cancel);
    QCOMPARE(prompter.show(MessageKind::Information, "fait", Buttons::Ok, 0, {}), Answer::Ok);
  }
};

ORVANE_APP_TEST_MAIN(QtPrompterTest)
#include "qt_prompter_test.moc"
