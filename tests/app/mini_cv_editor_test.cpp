// The mini-CV editor as the main window opens it: the widgets mirror the sheet after every rule, the
// pop-up menu opens at the window's right edge, and "fin" gives the screen back to the main window.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include "app/mini_cv_alone.h"
#include "app/minicv/tform8.h"
#include "app_test_main.h"
#include "editor_under_test.h"
#include "help/user_guide.h"
#include "minicv/change_tracking.h"
#include "minicv/cv_file_save.h"
#include "minicv/element_table.h"
#include "qt/help_viewer.h"
#include "qt/rich_text_document.h"
#include "query_dialog_script.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_input_query.h"
#include "support/scripted_shell.h"

using namespace orvane;

class MiniCvEditorTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedFileDialogs files;
  ScriptedDialogs colours;
  ScriptedInputQuery query;
  ScriptedShell shell;

  TForm2& main() { return *session.editor->mainWindow(); }
  TForm7& cv() { return *session.editor->miniCvCommands().editor(); }
  minicv::CvSheet& sheet() { return cv().sheet(); }
  template <typename Widget = QWidget>
  Widget* widget(const char* name) {
    return qobject_cast<Widget*>(cv().widgets().widget(name));
  }

  /// Starts the card editor and opens the mini-CV editor from the "Mini-CV" panel's "Editer".
  void openEditor() {
    session.start(1);
    files = {};
    colours = {};
    query = {};
    shell = {};
    session.editor->miniCvCommands().setDialogs({&files, &colours, &query, &shell});
    main().menus().miniCv.edit->trigger();
    QVERIFY(session.editor->miniCvCommands().editor());
    QVERIFY(QTest::qWaitForWindowExposed(&cv()));
  }

  /// Clicks element box `name` on its box (a click beside a short caption misses it), long enough
  /// after the last click not to make a double click of the two.
  void clickBox(const char* name) {
    QWidget* box = widget(name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(7, box->height() / 2),
                      QApplication::doubleClickInterval() + 10);
  }

  /// Every widget stands where its control is, shown or hidden as it is.
  void checkWidgetsMirrorTheSheet() {
    for (minicv::ControlId id = 1; id < static_cast<minicv::ControlId>(sheet().tree.size()); ++id) {
      const minicv::Control& control = sheet().tree.at(id);
      QWidget* shown = cv().widgets().widget(id);
      QVERIFY2(shown, control.name.c_str());
      QCOMPARE(shown->geometry(), QRect(control.left, control.top, control.width, control.height));
      QCOMPARE(shown->isHidden(), !control.visible);
    }
    QCOMPARE(cv().size(), QSize(sheet().window().width, sheet().window().height));
  }

 private slots:
  void cleanup() { session.stop(); }

  void editerHidesTheMainWindowAndShowsTheEditor() {
    openEditor();
    QVERIFY(cv().isVisible());
    QVERIFY(!main().isVisible());
    QVERIFY(!session.editor->cardWindow().isVisible());
    // As built, widened where the element column needs room for its captions.
    QCOMPARE(cv().height(), 598);
    QVERIFY(cv().width() >= 647);
    QCOMPARE(cv().width(), sheet().window().width);
    QCOMPARE(cv().widgets().widget(minicv::ControlId{0})->toolTip(), QStringLiteral("zone clicable"));
    QCOMPARE(widget<QCheckBox>("CheckBox1")->text(), QStringLiteral("photo"));
    QCOMPARE(widget<QCheckBox>("CheckBox16")->text(), QStringLiteral("nationalité"));
    QVERIFY(widget<QCheckBox>("CheckBox2")->isChecked());
    QCOMPARE(widget<QPushButton>("Button2")->text(), QStringLiteral("fin"));
    QCOMPARE(widget("Panel6")->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(widget<QGroupBox>("GroupBox2")->toolTip(), QStringLiteral("Coordonnées"));
    checkWidgetsMirrorTheSheet();
    // Opened once, the mini-CV's print and save commands of the main window are usable.
    QVERIFY(main().menus().miniCv.print->isEnabled());
    QVERIFY(main().menus().miniCv.save->isEnabled());
    // F1 opens the guide at the editor's own entry.
    cv().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&cv()));
    QTest::keyClick(&cv(), Qt::Key_F1);
    auto* viewer = cv().findChild<HelpViewer*>(QStringLiteral("HelpViewer"));
    QVERIFY(viewer);
    QCOMPARE(viewer->entryRow(), helpEntryRow(minicv::miniCvHelpContext));
    viewer->close();
  }

  void elementClicksMoveTheRealWidgets() {
    openEditor();
    auto click = [this](int element) {
      clickBox(minicv::elementTable()[static_cast<std::size_t>(element)].checkBox.data());
    };
    const int nationalityBefore = widget("Edit17")->x();
    click(minicv::ageElement);
    QCOMPARE(sheet().state.elemstat[minicv::ageElement], 0);
    QVERIFY(widget("Edit3")->isHidden());
    QVERIFY(widget("Edit17")->x() < nationalityBefore);  // nationality takes the age's place
    checkWidgetsMirrorTheSheet();

    click(minicv::photoElement);
    QVERIFY(!widget("zImage1")->isHidden());
    click(minicv::zone1Element);
    click(minicv::zone2Element);
    click(minicv::fixedPhoneElement);
    QVERIFY(!widget("Edit10")->isHidden());  // the web site takes the telephone's row
    checkWidgetsMirrorTheSheet();

    // A zone's text grows the zone, its frames and the window, line by line: 15 a line at least, and
    // down to the last line's bottom.
    const int heightBefore = cv().height();
    QTextCursor typing(widget<QTextEdit>("REdit3")->document());
    typing.select(QTextCursor::Document);
    typing.insertText(QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh\ni\nj"));
    const std::vector<DisplayLine> lines = displayLinesOf(*widget<QTextEdit>("REdit3")->document());
    QCOMPARE(lines.size(), std::size_t{10});
    QVERIFY(sheet().tree["REdit3"].height >= 150);
    QVERIFY(lines.back().top + lines.back().height <= sheet().tree["REdit3"].height);
    QVERIFY(cv().height() > heightBefore);
    checkWidgetsMirrorTheSheet();
  }

  void typedTextGoesIntoTheSheet() {
    openEditor();
    QTest::keyClicks(widget<QLineEdit>("Edit2"), QStringLiteral("Durand"));
    QCOMPARE(sheet().tree["Edit2"].text, std::string("Durand"));
  }

  void backgroundClickOpensTheMenuAtTheRightEdge() {
    openEditor();
    cv().move(100, 50);
    // Between the sheet and the element column lies the window's own background.
    QCOMPARE(cv().childAt(460, 300), cv().widgets().widget(minicv::ControlId{0}));
    QTest::mouseClick(&cv(), Qt::LeftButton, {}, QPoint(460, 300));
    QMenu* menu = cv().menus().menu(minicv::EditorMenu::Main);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), cv().mapToGlobal(QPoint(cv().width(), cv().height() / 2)));
    menu->hide();

    QTest::mouseClick(widget("Panel3"), Qt::LeftButton);
    QMenu* tests = cv().menus().menu(minicv::EditorMenu::Tests);
    QVERIFY(tests->isVisible());
    QCOMPARE(tests->pos(), widget("Panel3")->mapToGlobal(QPoint(0, 0)));
    tests->hide();
  }

  void finGivesTheScreenBackToTheMainWindow() {
    openEditor();
    QTest::mouseClick(widget<QPushButton>("Button2"), Qt::LeftButton);
    QVERIFY(!cv().isVisible());
    QVERIFY(main().isVisible());
    QVERIFY(session.shownTexts().isEmpty());

    // Opened again, the same editor comes back; its close box also shows the main window.
    TForm7* first = &cv();
    main().menus().miniCv.edit->trigger();
    QCOMPARE(&cv(), first);
    QVERIFY(cv().isVisible());
    cv().close();
    QVERIFY(main().isVisible());
  }

  void finAsksWhenTheElementsDifferFromTheLoadedFile() {
    openEditor();
    sheet().state.cvLoaded = true;
    minicv::markSaved(sheet());
    cv().syncFromModel();  // as a file load leaves it
    clickBox("CheckBox1");
    // A change since the file: saving is allowed again, and leaving asks first.
    QCOMPARE(widget("Panel6")->palette().color(QPalette::Window), QColor(255, 0, 0));
    session.prompter->answers = {Answer::Cancel};
    QTest::mouseClick(widget<QPushButton>("Button2"), Qt::LeftButton);
    QCOMPARE(session.shownTexts(),
             QStringList{QStringLiteral("Vous avez des changements non transférés dans la sauvegarde")});
    QVERIFY(cv().isVisible());

    // Back as the file had it: nothing to save, "tout quitter" usable, Panel6 green.
    clickBox("CheckBox1");
    QCOMPARE(widget("Panel6")->palette().color(QPalette::Window), QColor(0, 128, 0));
    QVERIFY(cv().menus().action("toutquitter1")->isEnabled());
    QVERIFY(!cv().menus().action("sauvegarder1")->isEnabled());
    QTest::mouseClick(widget<QPushButton>("Button2"), Qt::LeftButton);
    QVERIFY(main().isVisible());
  }

  void verboseModeAndSynchronisation() {
    openEditor();
    sheet().state.cvLoaded = true;
    minicv::markSaved(sheet());
    cv().syncFromModel();  // as a file load leaves it
    QAction* verbose = cv().menus().action("modeverbeux1");
    QCOMPARE(verbose->text(), QStringLiteral("mode verbeux"));
    verbose->trigger();
    QCOMPARE(verbose->text(), QStringLiteral("mode verbeux-"));
    cv().menus().action("synchronicit1")->trigger();
    QCOMPARE(session.shownTexts(), QStringList{QStringLiteral("Rien à signaler")});
    clickBox("CheckBox1");
    QCOMPARE(session.shownTexts().last(),
             QStringLiteral("Le champ suivant n'est plus dans son état initial : 0 photo"));
    verbose->trigger();
    QCOMPARE(verbose->text(), QStringLiteral("mode verbeux+"));
  }

  void languageIsSharedWithTheMainWindow() {
    openEditor();
    cv().menus().action("anglais1")->trigger();
    QCOMPARE(widget<QPushButton>("Button2")->text(), QStringLiteral("end"));
    QCOMPARE(cv().menus().action("modeverbeux1")->text(), QStringLiteral("verbose mode"));
    QCOMPARE(session.editor->shell().state().interfaceLanguage, Language::English);
    QTest::mouseClick(widget<QPushButton>("Button2"), Qt::LeftButton);

    // Switched back to French elsewhere, the editor follows at its next opening.
    session.editor->shell().state().interfaceLanguage = Language::French;
    main().menus().miniCv.edit->trigger();
    QCOMPARE(widget<QPushButton>("Button2")->text(), QStringLiteral("fin"));
    QCOMPARE(cv().menus().action("synchronicit1")->text(), QStringLiteral("synchronisation"));
  }

  void okShowsTheTabSchemaOfAZoneWhoseTabsDisagree() {
    openEditor();
    // Line 2 has its tabs at places 2 and 4 (signature 6), line 1 at place 2 only (signature 2).
    widget<QTextEdit>("REdit3")->setPlainText(QStringLiteral("x\ty\na\tb\tc"));
    QString schema;
    QTimer::singleShot(0, this, [&schema] {
      auto* view = qobject_cast<TForm8*>(QApplication::activeModalWidget());
      if (!view) return;
      schema = view->richEdit1()->toPlainText();
      QTest::mouseClick(view->bitBtn1(), Qt::LeftButton);
    });
    QTest::mouseClick(widget<QPushButton>("Button1"), Qt::LeftButton);
    const QStringList shown = session.shownTexts();
    QCOMPARE(shown.size(), 2);
    QVERIFY(shown[0].startsWith(QStringLiteral("Erreur de formatage de texte dans la zone ")));
    QCOMPARE(shown[1], QStringLiteral("Voulez-vous visualiser les tabulations de la zone ?"));
    QVERIFY2(schema.contains(QStringLiteral("1######8")), qPrintable(schema));
  }

  void alignmentAndWidthPercentageMoveTheWidgets() {
    openEditor();
    const int firstNameLeft = widget("Edit1")->x();
    query.answers = {"20"};
    cv().menus().action("cadre11")->trigger();
    QCOMPARE(query.asked.at(0).prompt,
             std::string("Veuillez indiquer le décalage en valeurs entières positives ou négatives"));
    QCOMPARE(widget("Edit1")->x(), firstNameLeft + 20);
    QCOMPARE(widget("Edit4")->x(), firstNameLeft + 20);

    const int sheetWidth = widget("Panel1")->width();
    auto* widthList = widget<QComboBox>("ComboBox3");
    widthList->setCurrentIndex(10);
    emit widthList->activated(10);
    QCOMPARE(session.shownTexts(), QStringList{QStringLiteral("prise en compte changement largeur")});
    QVERIFY(widget("Panel1")->width() > sheetWidth);
    checkWidgetsMirrorTheSheet();
  }

  void photoZoneTitleAndBackgroundColour() {
    openEditor();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("portrait.bmp"));
    QImage portrait(100, 200, QImage::Format_RGB32);
    portrait.fill(Qt::blue);
    QVERIFY(portrait.save(path, "BMP"));
    files.choose(path.toStdString(), "bmp");
    cv().menus().action("chargerphoto1")->trigger();
    auto* photo = widget<QLabel>("zImage1");
    QVERIFY(!photo->isHidden());
    const QImage shown = photo->pixmap().toImage();
    QCOMPARE(shown.size(), QSize(110, 130));
    QCOMPARE(QColor(shown.pixel(55, 65)), QColor(Qt::blue));
    QCOMPARE(QColor(shown.pixel(2, 65)), QColor(0xC0, 0xCD, 0xFF));  // the window's colour beside it

    colours.colours = {rgb(0, 255, 0)};
    cv().menus().action("couleur1")->trigger();
    QCOMPARE(cv().widgets().widget(minicv::ControlId{0})->palette().color(QPalette::Window),
             QColor(0, 255, 0));
    QCOMPARE(QColor(photo->pixmap().toImage().pixel(2, 65)), QColor(0, 255, 0));

    query.answers = {"2", "Formations"};
    cv().menus().action("titresdescadres1")->trigger();
    QCOMPARE(widget<QLabel>("Label12")->text(), QStringLiteral("Formations"));
    QCOMPARE(widget("REdit2")->toolTip(), QStringLiteral("Formations"));
  }

  void htmlMenuExportsTheEnlargedSheetAndFinLetsItGo() {
    QTemporaryDir folder;
    session.settings.values["Répertoire exportation"] = folder.path().toStdString();
    openEditor();
    const minicv::ControlTree before = sheet().tree;
    // The questions are the query dialog's: a cancel keeps what was typed.
    QueryDialogSeen seen;
    answerNextQueryDialog(QStringLiteral("2"), "Button2", seen);
    cv().menus().action("browser1")->trigger();
    QCOMPARE(seen.caption, QStringLiteral("Orvane : Propriétés de conversion html"));
    QCOMPARE(session.editor->miniCvCommands().htmlMenu()->exporter().browserNumber(), 8);
    answerNextQueryDialog(QStringLiteral("3"), "Button1", seen);
    cv().menus().action("facteuragrandissement1")->trigger();
    QCOMPARE(seen.caption, QStringLiteral("Orvane : Facteur de grossissement"));
    colours.colours = {rgb(0, 0, 128)};
    cv().menus().action("couleur1")->trigger();
    cv().menus().action("export1")->trigger();
    const std::string page = folder.filePath(QStringLiteral("minicv-export.html")).toStdString();
    QCOMPARE(session.shownTexts().last(),
             QStringLiteral("Le fichier HTML a été exporté à l'endroit suivant : ") +
                 QString::fromStdString(folder.path().toStdString() + "\\minicv-export.html"));
    QFile written(QString::fromStdString(page));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray markup = written.readAll();
    QVERIFY(markup.contains("Width=\"165\""));  // the photo at 1.5
    QVERIFY(markup.contains("Navy"));
    QVERIFY(cv().isVisible());
    QCOMPARE(sheet()["zImage1"].width, before["zImage1"].width);
    QCOMPARE(widget("zImage1")->width(), before["zImage1"].width);

    // The page browsed is the converter's file: kept in the scratch folder, not the current one.
    minicv::CvHtmlExport& exporter = session.editor->miniCvCommands().htmlMenu()->exporter();
    exporter.converter().ExportFName = folder.filePath(QStringLiteral("vue.html")).toStdString();
    cv().menus().action("browse1")->trigger();
    QCOMPARE(shell.opened, std::vector<std::string>{exporter.converter().ExportFName});
    QVERIFY(cv().isVisible());

    QCOMPARE(exporter.converter().MainContainer(), sheet().tree.find("Panel1"));
    QTest::mouseClick(widget("Button2"), Qt::LeftButton);
    QVERIFY(exporter.converter().MainContainer() != sheet().tree.find("Panel1"));
  }

  void theEditorAloneOnAFileHasItsHtmlMenu() {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("seul.ov4")).toStdString();
    ScriptedPrompter prompter;
    {
      CompanionFiles companions(prompter, Language::French);
      minicv::CvSheet written;
      written["Edit1"].text = "Élise";
      QVERIFY(minicv::writeCvFile(written, path, "seul", companions, prompter));
    }
    ScriptedPrinterService printers = ScriptedPrinterService::withPrinters(1);
    ScriptedSettingsStore settings;
    MiniCvAlone alone(prompter, printers, settings);
    shell = {};
    alone.setShell(shell);
    alone.open(path);
    minicv::CvHtmlExport& exporter = alone.htmlMenu().exporter();
    exporter.converter().ExportFName = folder.filePath(QStringLiteral("vue.html")).toStdString();
    alone.editor().menus().action("browse1")->trigger();
    QCOMPARE(shell.opened, std::vector<std::string>{exporter.converter().ExportFName});
    QFile page(folder.filePath(QStringLiteral("vue.html")));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QByteArray markup = page.readAll();
    QVERIFY(markup.contains("Name=\"Panel1_GroupBox1_Edit1\""));
    QVERIFY(markup.contains("Value=\"\xC9lise\">"));
  }
};

ORVANE_APP_TEST_MAIN(MiniCvEditorTest)
#include "mini_cv_editor_test.moc"
