// The settings store on QSettings, the directory chooser, "répertoire de travail" and the file
// association written for the desktop.
#include "settings/settings.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileSystemModel>
#include <QImage>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <memory>

#include "app/card_editor.h"
#include "app/main/working_directory_commands.h"
#include "app/tform9.h"
#include "app_test_main.h"
#include "qt/qt_file_association.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_text.h"
#include "support/scripted_services.h"

using namespace orvane;

namespace {

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void makeFile(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

/// Clicks `buttonName` in the modal dialog that is about to open.
void clickInNextDialog(const char* buttonName) {
  QTimer::singleShot(0, [buttonName] {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(buttonName)), Qt::LeftButton);
  });
}

}  // namespace

class SettingsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> scratch;
  ScriptedPrompter prompter;
  ScriptedPrinterService printers = ScriptedPrinterService::withPrinters(1);
  ScriptedSettingsStore store;
  std::unique_ptr<CardEditor> editor;
  QByteArray savedPath;
  QByteArray savedDataHome;

  QString scratchPath(const QString& relative) const { return scratch->filePath(relative); }

  void startEditor() {
    editor = std::make_unique<CardEditor>(prompter, printers, store);
    editor->startCardEditor({});
  }
  const PopupMenus& menus() const { return editor->mainWindow()->menus(); }

  /// Tools that record their arguments stand in for the desktop's cache refreshers.
  void useRecordingTools() {
    QDir(scratch->path()).mkpath(QStringLiteral("bin"));
    for (const char* tool : {"update-mime-database", "update-desktop-database"}) {
      const QString path = scratchPath(QStringLiteral("bin/") + QString::fromLatin1(tool));
      QFile script(path);
      QVERIFY(script.open(QIODevice::WriteOnly));
      // Shell built-ins only: the PATH holds nothing else.
      script.write("#!/bin/sh\necho \"${0##*/} $1\" >> \"${0%/*}/calls\"\n");
      script.close();
      script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    qputenv("PATH", scratchPath(QStringLiteral("bin")).toLocal8Bit());
  }

 private slots:
  void initTestCase() {
    savedPath = qgetenv("PATH");
    savedDataHome = qgetenv("XDG_DATA_HOME");
  }

  void init() {
    scratch = std::make_unique<QTemporaryDir>();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratchPath(QStringLiteral("config")));
    prompter = {};
    store = {};
  }

  void cleanup() {
    editor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qputenv("PATH", savedPath);
    qputenv("XDG_DATA_HOME", savedDataHome);
  }

  void accentedValueNamesSurviveTheSettingsFile() {
    QtSettingsStore settingsStore;
    QCOMPARE(settingsStore.read("Répertoire paramêtres"), std::nullopt);
    const std::string values[] = {"/home/lucie/textes, brouillons/", "@images/", "/home/lucie/cartes é/", ""};
    for (std::size_t i = 0; i < settingDefinitions.size(); ++i) {
      QVERIFY(settingsStore.write(std::string(settingDefinitions[i].valueName), values[i]));
    }
    // A copy is parsed afresh, as the next run would read the file.
    const QString file = scratchPath(QStringLiteral("config/Brevanel/Orvane.conf"));
    QVERIFY(QFile::copy(file, scratchPath(QStringLiteral("copy.conf"))));
    QSettings nextRun(scratchPath(QStringLiteral("copy.conf")), QSettings::IniFormat);
    for (std::size_t i = 0; i < settingDefinitions.size(); ++i) {
      const QString name = toQString(std::string(settingDefinitions[i].valueName));
      QCOMPARE(nextRun.value(name).toString(), toQString(values[i]));
      QCOMPARE(settingsStore.read(std::string(settingDefinitions[i].valueName)), values[i]);
    }
  }

  void chooserShowsTheTreesDirectoryAndItsFiles() {
    QDir(scratch->path()).mkpath(QStringLiteral("cartes/anciennes"));
    makeFile(scratchPath(QStringLiteral("cartes/b.ov1")));
    makeFile(scratchPath(QStringLiteral("cartes/A.ov1")));
    QDir(scratch->path()).mkpath(QStringLiteral("cartes/sous-dossier"));
    TForm9 chooser(nullptr, scratchPath(QStringLiteral("cartes")));
    QCOMPARE(chooser.windowTitle(), QStringLiteral("Orvane"));
    QCOMPARE(chooser.directory(), scratchPath(QStringLiteral("cartes")));
    QCOMPARE(chooser.fileNames(), QStringList({"A.ov1", "b.ov1"}));

    auto* tree = chooser.findChild<QTreeView*>(QStringLiteral("DirectoryListBox1"));
    auto* model = static_cast<QFileSystemModel*>(tree->model());
    tree->setCurrentIndex(model->index(scratchPath(QStringLiteral("cartes/anciennes"))));
    QCOMPARE(chooser.directory(), scratchPath(QStringLiteral("cartes/anciennes")));
    QVERIFY(chooser.fileNames().isEmpty());

    auto* drives = chooser.findChild<QComboBox*>(QStringLiteral("DriveComboBox1"));
    QVERIFY(scratch->path().startsWith(drives->currentData().toString()));
    const int root = drives->findData(QStringLiteral("/"));
    QVERIFY(root >= 0);
    emit drives->activated(root);
    QCOMPARE(chooser.directory(), QStringLiteral("/"));
    QCOMPARE(tree->rootIndex(), model->index(QStringLiteral("/")));
    QCOMPARE(chooser.fileNames(),
             QDir(QStringLiteral("/")).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
  }

  void chooserShowsItsStartFolderInView() {
    // Enough folders beside the start folder that the tree cannot show them all at once.
    for (int number = 0; number < 80; ++number)
      QDir(scratch->path()).mkpath(QStringLiteral("dossiers/%1").arg(number, 2, 10, QLatin1Char('0')));
    const QString start = scratchPath(QStringLiteral("dossiers/77"));
    TForm9 chooser(nullptr, start);
    auto* tree = chooser.findChild<QTreeView*>(QStringLiteral("DirectoryListBox1"));
    auto* model = static_cast<QFileSystemModel*>(tree->model());
    // The model reads the folders in the background; each one read on the way adds rows above.
    QStringList loaded;
    connect(model, &QFileSystemModel::directoryLoaded, this,
            [&loaded](const QString& path) { loaded << path; });
    chooser.show();
    const QString drive =
        chooser.findChild<QComboBox*>(QStringLiteral("DriveComboBox1"))->currentData().toString();
    for (QDir folder(scratchPath(QStringLiteral("dossiers"))); folder.absolutePath().startsWith(drive);
         folder.cdUp()) {
      QTRY_VERIFY2(loaded.contains(folder.absolutePath()), qPrintable(folder.absolutePath()));
      if (folder.isRoot()) break;
    }
    QCoreApplication::processEvents();
    QCOMPARE(model->filePath(tree->currentIndex()), start);
    QVERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
  }

  void chooserOkGivesTheDirectoryCancelNothing() {
    QDir(scratch->path()).mkpath(QStringLiteral("travail"));
    clickInNextDialog("BitBtn1");
    QCOMPARE(chooseDirectoryWithTForm9(nullptr, toStdString(scratchPath(QStringLiteral("travail")))),
             toStdString(scratchPath(QStringLiteral("travail"))));
    clickInNextDialog("BitBtn2");
    QCOMPARE(chooseDirectoryWithTForm9(nullptr, toStdString(scratch->path())), std::nullopt);

    TForm9 startsElsewhere(nullptr, scratchPath(QStringLiteral("absent")));
    QCOMPARE(startsElsewhere.directory(), QDir::toNativeSeparators(QDir::currentPath()));
  }

  void workingDirectoryCommand() {
    store.values["Répertoire paramêtres"] = "/home/lucie/cartes/";
    startEditor();
    WorkingDirectories& directories = editor->workingDirectories();
    QCOMPARE(directories.directory(SettingKind::ParametersDirectory), std::string("/home/lucie/cartes/"));

    std::vector<std::string> startedAt;
    std::optional<std::string> answer = " /home/lucie/nouvelles";
    editor->workingDirectoryCommands().setChooser([&](const std::string& start) {
      startedAt.push_back(start);
      return answer;
    });
    menus().file.workingDirectory->trigger();
    QCOMPARE(startedAt, std::vector<std::string>{"/home/lucie/cartes/"});
    QCOMPARE(store.values.at("Répertoire paramêtres"), std::string("/home/lucie/nouvelles"));
    QVERIFY(directories.workingDirectory()->chosen);

    answer = std::nullopt;
    menus().file.workingDirectory->trigger();
    QCOMPARE(store.values.at("Répertoire paramêtres"), std::string("/home/lucie/nouvelles"));
    QCOMPARE(directories.workingDirectory()->path, settingsRootDirectory());
    QVERIFY(!directories.workingDirectory()->chosen);
    QVERIFY(prompter.shown.empty());
  }

  void fileAssociationWritesTheDesktopFilesAndReports() {
    useRecordingTools();
    const QString data = scratchPath(QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    startEditor();
    menus().help.fileAssociation->trigger();

    const QByteArray entry = readFile(data + QStringLiteral("/applications/orvane-carte.desktop"));
    const QString program = QCoreApplication::applicationFilePath();
    QVERIFY(entry.contains(("\nExec=\"" + program + "\" %f\n").toUtf8()));
    QVERIFY(entry.contains("\nMimeType=application/x-orvane-carte;\n"));
    QVERIFY(entry.contains("\nComment=Présentation de carte Orvane\n"));
    QVERIFY(entry.contains("\nIcon=orvane\n"));
    QCOMPARE(QImage(data + QStringLiteral("/icons/hicolor/32x32/apps/orvane.png")).size(), QSize(32, 32));
    QCOMPARE(readFile(data + QStringLiteral("/mime/packages/orvane-carte.xml")),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                        "    <mime-type type=\"application/x-orvane-carte\">\n"
                        "        <comment>Présentation de carte Orvane</comment>\n"
                        "        <glob pattern=\"*.ov1\" case-sensitive=\"false\"/>\n"
                        "    </mime-type>\n"
                        "</mime-info>\n"));
    QCOMPARE(readFile(scratchPath(QStringLiteral("bin/calls"))),
             ("update-mime-database " + data + "/mime\nupdate-desktop-database " + data + "/applications\n")
                 .toUtf8());
    QCOMPARE(prompter.texts().size(), std::size_t{1});
    QVERIFY(prompter.texts()[0].starts_with("L'association des fichiers \".ov1\" a réussi."));
    QCOMPARE(prompter.shown[0].kind, MessageKind::Information);
  }

  void aRefusedAssociationEndsSilently() {
    const QString data = scratchPath(QStringLiteral("not-a-folder"));
    makeFile(data);
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    startEditor();
    menus().help.fileAssociation->trigger();
    QVERIFY(prompter.shown.empty());
  }

  void execLinesQuoteWhatTheDesktopWouldSplit() {
    FileTypeRegistration type =
        fileTypeRegistration(AssociatedFile::MiniCv, "/opt/mes outils/100% \"$x\\y`/orvane");
    QVERIFY(desktopEntryText(type).contains(
        "\nExec=\"/opt/mes outils/100%% \\\\\"\\\\$x\\\\\\\\y\\\\`/orvane\" %f\n"));
    QVERIFY(mimePackageText(type).contains("<glob pattern=\"*.ov4\""));
    QCOMPARE(desktopTypeName(type), QStringLiteral("orvane-mini-cv"));
  }

  void classKeysGoUnderTheirOwnPaths() {
    QSettings classes(scratchPath(QStringLiteral("classes.ini")), QSettings::IniFormat);
    QVERIFY(writeClassKeys(
        classes, classEntries(fileTypeRegistration(AssociatedFile::Card, "C:\\Orvane\\orvane.exe"))));
    QCOMPARE(classes.value(QStringLiteral(".OV1/Default")).toString(), QStringLiteral("Orvane_carte"));
    QCOMPARE(classes.value(QStringLiteral("Orvane_carte/Shell/open/command/Default")).toString(),
             QStringLiteral("\"C:\\Orvane\\orvane.exe\" \"%1\""));
    QCOMPARE(classes.value(QStringLiteral("Orvane_carte/DefaultIcon/Default")).toString(),
             QStringLiteral("C:\\Orvane\\orvane.exe,3"));

    makeFile(scratchPath(QStringLiteral("blocked")));
    QSettings refused(scratchPath(QStringLiteral("blocked/classes.ini")), QSettings::IniFormat);
    QVERIFY(!writeClassKeys(refused, classEntries(fileTypeRegistration(AssociatedFile::Card, "orvane.exe"))));
  }
};

ORVANE_APP_TEST_MAIN(SettingsTest)
#include "settings_test.moc"
