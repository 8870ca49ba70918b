// The "test bitmap" submenu of the "contrôle" panel: its two options with their check marks, one file
// and a group of files checked from the menu, and the progress dialog of a large group.
#include "app/main/bitmap_commands.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "app_test_main.h"
#include "catalogue/catalogue.h"
#include "editor_under_test.h"
#include "support/bitmap_maker.h"
#include "support/scripted_file_dialogs.h"

using namespace orvane;

namespace {

QByteArray brokenBitmap() {
  std::string bytes = testing::makeBitmap({});
  testing::setField32(bytes, 34, 0);
  return QByteArray::fromStdString(bytes);
}

}  // namespace

class BitmapCommandsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedFileDialogs dialogs;
  std::unique_ptr<QTemporaryDir> folder;
  DirectoryListing listing;

  BitmapCommands& commands() { return session.editor->bitmapCommands(); }
  const ControlMenu& menu() { return session.editor->mainWindow()->menus().control; }
  QString message(int id) { return QString::fromStdString(catalogue::text(Language::French, id)); }
  void put(const QString& name, const QByteArray& bytes) {
    QFile file(folder->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    listing.fileNames.push_back(name.toStdString());
  }
  QByteArray read(const QString& name) {
    QFile file(folder->filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    listing = {folder->path().toStdString(), {}};
    dialogs = ScriptedFileDialogs();
    session.start(1);
    commands().setFileDialogs(dialogs);
    commands().setDirectoryLister([this] { return listing; });
  }
  void cleanup() { session.stop(); }

  void theOptionsStartAsTheirCheckMarksShowAndToggle() {
    QVERIFY(menu().automaticBackup->isChecked());
    QVERIFY(!menu().silentMode->isChecked());
    menu().automaticBackup->trigger();
    menu().silentMode->trigger();
    QVERIFY(!commands().options().autoBackup);
    QVERIFY(commands().options().silentMode);
    QVERIFY(!menu().automaticBackup->isChecked());
    QVERIFY(menu().silentMode->isChecked());
    menu().silentMode->trigger();
    QVERIFY(!commands().options().silentMode);
    QVERIFY(!menu().silentMode->isChecked());
  }

  void aGroupConfirmedGloballyLeavesSilentModeCheckedAndRepairs() {
    for (const QString& name : {QStringLiteral("a.bmp"), QStringLiteral("b.bmp"), QStringLiteral("c.bmp")})
      put(name, brokenBitmap());
    menu().checkFileGroup->trigger();
    QVERIFY(commands().options().silentMode);
    QVERIFY(menu().silentMode->isChecked());
    QCOMPARE(session.shownTexts().size(), 3);
    QVERIFY(session.shownTexts().back().startsWith(message(1111) + QStringLiteral("\r\n3")));
    QCOMPARE(read(QStringLiteral("c.bmp")), QByteArray::fromStdString(testing::makeBitmap({})));
  }

  void aFileThatCannotBeOpenedIsReportedAsAnError() {
    dialogs.choose(folder->filePath(QStringLiteral("missing.bmp")).toStdString(), "bmp");
    menu().checkOneFile->trigger();
    const QStringList shown = session.shownTexts();
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown.at(1).contains(QStringLiteral("missing.bmp")));
  }

  void aLargeGroupShowsItsProgressAndCancelStopsIt() {
    menu().silentMode->trigger();
    const int count = static_cast<int>(bitmapProgressShownAbove) + 20;
    for (int index = 0; index < count; ++index)
      put(QStringLiteral("f%1.bmp").arg(1000 + index), brokenBitmap());
    TForm2* mainWindow = session.editor->mainWindow();
    QString label;
    // Cancel is pressed as soon as the dialog lets events through, early in the run.
    QTimer::singleShot(0, [mainWindow, &label] {
      if (auto* dialog = mainWindow->findChild<QProgressDialog*>(QStringLiteral("bitmapProgress"))) {
        label = dialog->labelText();
        dialog->cancel();
      }
    });
    menu().checkFileGroup->trigger();
    QCOMPARE(label, message(1127) + QString::number(count) + message(1128));
    // The run stops at the next file after Cancel, and still sums up what it did.
    QVERIFY(session.shownTexts().back().startsWith(message(1111)));
    QVERIFY(!session.shownTexts().back().startsWith(message(1111) + QStringLiteral("\r\n") +
                                                    QString::number(count)));
    QCOMPARE(read(QStringLiteral("f%1.bmp").arg(1000 + count - 1)), brokenBitmap());
    QVERIFY(!mainWindow->findChild<QProgressDialog*>(QStringLiteral("bitmapProgress")));
  }
};

ORVANE_APP_TEST_MAIN(BitmapCommandsTest)
#include "bitmap_commands_test.moc"
