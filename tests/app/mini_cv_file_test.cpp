// The mini-CV file from the windows: the editor's "sauvegarder CV" and "simple" items, the main
// window's mini-CV "Sauvegarder" and "Charger", and the editor alone on a file named at start.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "app/mini_cv_alone.h"
#include "app_test_main.h"
#include "editor_under_test.h"
#include "minicv/cv_file_save.h"
#include "minicv/zone_layout.h"
#include "qt/rich_text_document.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"

using namespace orvane;

class MiniCvFileTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedFileDialogs files;
  ScriptedDialogs colours;
  ScriptedInputQuery query;
  QTemporaryDir folder;

  TForm2& main() { return *session.editor->mainWindow(); }
  MiniCvCommands& commands() { return session.editor->miniCvCommands(); }
  TForm7& cv() { return *commands().editor(); }
  minicv::CvSheet& sheet() { return cv().sheet(); }
  std::string file(const char* name) { return folder.filePath(QString::fromUtf8(name)).toStdString(); }

  // Writes `cv` under `name` in the test's folder, zone files beside it.
  void writeCv(const minicv::CvSheet& cv, const char* name, const char* base) {
    CompanionFiles companions(*session.prompter, Language::French);
    QVERIFY(minicv::writeCvFile(cv, file(name), base, companions, *session.prompter));
  }

  // "simple" on `name`, from the editor opened as the main window's "Editer" opens it.
  void openAndLoad(const char* name) {
    main().menus().miniCv.edit->trigger();
    files.choose(file(name), "ov4");
    cv().menus().action("mono1")->trigger();
  }

  bool savingAllowed() { return cv().menus().action("sauvegarder1")->isEnabled(); }

  void startEditor() {
    session.start(1);
    files = {};
    colours = {};
    query = {};
    commands().setDialogs({&files, &colours, &query});
  }

 private slots:
  void cleanup() { session.stop(); }

  void savedFromTheEditorAndLoadedBack() {
    startEditor();
    QVERIFY(!main().menus().miniCv.save->isEnabled());
    main().menus().miniCv.edit->trigger();
    QVERIFY(main().menus().miniCv.save->isEnabled());
    sheet()["Edit2"].text = "DUPONT";
    cv().syncFromModel();

    files.choose(file("cv.ov4"), "ov4");
    cv().menus().action("sauvegarder1")->trigger();
    QVERIFY(QFile::exists(QString::fromStdString(file("element/R4cv.rtf"))));
    QCOMPARE(session.editor->workingDirectories().directory(SettingKind::ParametersDirectory),
             folder.path().toStdString() + "/");

    sheet()["Edit2"].text = "autre";
    files.choose(file("cv.ov4"), "ov4");
    cv().menus().action("mono1")->trigger();
    QCOMPARE(qobject_cast<QLineEdit*>(cv().widgets().widget("Edit2"))->text(), QStringLiteral("DUPONT"));
    QCOMPARE(cv().windowTitle(), QString::fromStdString(file("cv")));
    QVERIFY(cv().menus().action("synchronicit1")->isEnabled());
    // The file names no photo: asked about, and the load goes on.
    QCOMPARE(session.shownTexts(),
             QStringList{QStringLiteral("Fichier photo identité absent ou non défini")});

    // The main window's "Sauvegarder" is the editor's; the same name is proposed and replaced.
    session.prompter->answers = {Answer::Yes};
    files.choose(file("cv.ov4"), "ov4");
    main().menus().miniCv.save->trigger();
    QCOMPARE(files.saveRequests.back().initialName, file("cv.ov4"));
    QVERIFY(!QFile::exists(QString::fromStdString(file("cv1.ov4"))));
  }

  void chargerFromTheMainWindowShowsTheLoadedCvInItsLanguage() {
    startEditor();
    {
      minicv::CvSheet english(Language::English);
      english["Edit1"].text = "Anne";
      english["Label11"].text = "Idiomas";
      minicv::setZoneText(english, 2, RichText::fromPlainText("TITLE\tDATES\ncourse\t2019\nmaster\t2021"));
      CompanionFiles companions(*session.prompter, Language::English);
      QVERIFY(minicv::writeCvFile(english, file("anglais.ov4"), "anglais", companions, *session.prompter));
    }
    files.choose(file("anglais.ov4"), "ov4");
    main().menus().miniCv.load->trigger();
    QVERIFY(commands().editor());
    QVERIFY(QTest::qWaitForWindowExposed(&cv()));
    QVERIFY(!main().isVisible());
    QCOMPARE(qobject_cast<QLineEdit*>(cv().widgets().widget("Edit1"))->text(), QStringLiteral("Anne"));
    QCOMPARE(sheet()["Label11"].text, std::string("Idiomas"));
    QCOMPARE(cv().menus().action("modeverbeux1")->text(), QStringLiteral("verbose mode"));
    QCOMPARE(session.editor->shell().state().interfaceLanguage, Language::English);
    // Loaded before the editor was ever opened, the zones still grow to show all their lines.
    auto* zone = qobject_cast<QTextEdit*>(cv().widgets().widget("REdit2"));
    const std::vector<DisplayLine> lines = displayLinesOf(*zone->document());
    QCOMPARE(lines.size(), std::size_t{3});
    QVERIFY(lines.back().top + lines.back().height <= zone->height());
  }

  void typedFieldsAndZonesAreChangesUntilSaved() {
    startEditor();
    writeCv(minicv::CvSheet(), "suivi.ov4", "suivi");
    openAndLoad("suivi.ov4");
    QVERIFY(!savingAllowed());
    const qsizetype shownAfterLoad = session.shownTexts().size();

    auto* surname = qobject_cast<QLineEdit*>(cv().widgets().widget("Edit2"));
    QTest::keyClicks(surname, QStringLiteral("Durand"));
    QVERIFY(savingAllowed());
    session.prompter->answers = {Answer::Cancel};
    QTest::mouseClick(qobject_cast<QPushButton*>(cv().widgets().widget("Button2")), Qt::LeftButton);
    QCOMPARE(session.shownTexts().mid(shownAfterLoad),
             QStringList{QStringLiteral("Vous avez des changements non transférés dans la sauvegarde")});
    QVERIFY(cv().isVisible());

    // Typed away again, the field is as the file holds it; a zone typed into is a change too.
    surname->selectAll();
    QTest::keyClick(surname, Qt::Key_Delete);
    QVERIFY(!savingAllowed());
    QTextCursor(qobject_cast<QTextEdit*>(cv().widgets().widget("REdit3"))->document()).insertText("Lumen");
    QVERIFY(savingAllowed());

    // Saved, there is nothing left to lose: "fin" leaves without a word.
    session.prompter->answers = {Answer::Yes};
    files.choose(file("suivi.ov4"), "ov4");
    cv().menus().action("sauvegarder1")->trigger();
    QVERIFY(!savingAllowed());
    const qsizetype shownAfterSave = session.shownTexts().size();
    QTest::mouseClick(qobject_cast<QPushButton*>(cv().widgets().widget("Button2")), Qt::LeftButton);
    QCOMPARE(session.shownTexts().size(), shownAfterSave);
    QVERIFY(main().isVisible());
  }

  void aLongCvScrollsInAWindowHeldOnTheScreen() {
    startEditor();
    {
      minicv::CvSheet written;
      QString lines;
      for (int line = 1; line <= 120; ++line) lines += QStringLiteral("poste %1\n").arg(line);
      minicv::setZoneText(written, 3, RichText::fromPlainText(lines.toStdString()));
      // A colour slipped into the width percentage.
      written.state.widthPercentage = "8323072";
      writeCv(written, "long.ov4", "long");
    }
    openAndLoad("long.ov4");
    QVERIFY(session.shownTexts().contains(QStringLiteral(
        "Orvane : valeurs hors limites ramenées dans leurs limites. Vérifier les lignes suivantes "
        "du fichier :\n19 - % de largeur : 8323072 -> 105")));

    const QRect screen = cv().screen()->availableGeometry();
    QVERIFY(sheet().window().height > screen.height());
    QVERIFY(screen.contains(cv().frameGeometry()));
    // The whole sheet is there, scrolled: every line of the zone, and "fin" within reach.
    QWidget* root = cv().widgets().widget(minicv::ControlId{0});
    QCOMPARE(root->height(), sheet().window().height);
    QCOMPARE(cv().widgets().widget("REdit3")->height(), sheet()["REdit3"].height);
    // Once the window has laid itself out, only the bar down its side shows.
    QCoreApplication::processEvents();
    auto* scroller = cv().findChild<QScrollArea*>();
    QVERIFY(scroller->verticalScrollBar()->isVisible());
    QVERIFY(!scroller->horizontalScrollBar()->isVisible());
    scroller->ensureWidgetVisible(cv().widgets().widget("Button2"));
    QTest::mouseClick(qobject_cast<QPushButton*>(cv().widgets().widget("Button2")), Qt::LeftButton);
    QVERIFY(!cv().isVisible());
  }

  void aFileNamedAtStartOpensTheEditorAlone() {
    startEditor();
    minicv::CvSheet written;
    written["Edit3"].text = "41";
    CompanionFiles companions(*session.prompter, Language::French);
    QVERIFY(minicv::writeCvFile(written, file("seul.ov4"), "seul", companions, *session.prompter));
    session.stop();

    ScriptedPrompter prompter;
    ScriptedPrinterService printers = ScriptedPrinterService::withPrinters(1);
    ScriptedSettingsStore settings;
    MiniCvAlone alone(prompter, printers, settings);
    alone.open(file("seul.ov4"));
    QVERIFY(QTest::qWaitForWindowExposed(&alone.editor()));
    QCOMPARE(alone.editor().sheet()["Edit3"].text, std::string("41"));
    QVERIFY(alone.editor().sheet().state.cvLoaded);
    QCOMPARE(alone.fileSession().rememberedFile, file("seul.ov4"));
    QTimer::singleShot(0, &alone.editor(), [&alone] { alone.editor().close(); });
    alone.run();
    QVERIFY(!alone.editor().isVisible());
  }
};

ORVANE_APP_TEST_MAIN(MiniCvFileTest)
#include "mini_cv_file_test.moc"
