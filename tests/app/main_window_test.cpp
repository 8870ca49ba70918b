// The card editor's two windows at start, "voir carte", the command panels, card access, printers,
// closing and errors that escape a handler.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <memory>
#include <stdexcept>

#include "app/main/command_panels.h"
#include "app_test_main.h"
#include "editor_under_test.h"

using namespace orvane;

namespace {

const QString noPrinterWarning =
    QStringLiteral("Aucune imprimante définie, vous ne pourrez pas lancer d'impression - Avertissement 10");

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  std::unique_ptr<CardEditor>& editor = session.editor;
  std::unique_ptr<ScriptedPrompter>& prompter = session.prompter;

  void start(int printerCount, const std::string& path = {}) { session.start(printerCount, path); }
  TForm2& main() { return *editor->mainWindow(); }
  QPushButton* voirCarte() { return main().findChild<QPushButton*>(QStringLiteral("Button1")); }
  int screenWidth() { return main().screen()->geometry().width(); }

 private slots:
  void cleanup() { session.stop(); }

  void startState() {
    start(1);
    TForm1& card = editor->cardWindow();
    QVERIFY(card.isVisible());
    QVERIFY(card.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(card.geometry(), QRect(9, 41, 182, 273));
    QCOMPARE(card.frameEdit(1)->geometry(), QRect(48, 24, 89, 81));
    QCOMPARE(card.frameEdit(2)->geometry(), QRect(0, 144, 185, 145));
    QVERIFY(card.frameEdit(1)->isReadOnly());
    QCOMPARE(card.iconLabel()->geometry(), QRect(8, 24, 32, 32));
    QCOMPARE(card.iconLabel()->pixmap().size(), QSize(32, 32));

    QCOMPARE(main().windowTitle(), QStringLiteral("édition de cartes"));
    QCOMPARE(main().frameGeometry().size(), QSize(638, 555));
    const QRect screen = main().screen()->geometry();
    QCOMPARE(main().x(), CardEditorShell::centred(screen.width(), 638));
    QCOMPARE(voirCarte()->text(), QStringLiteral(" voir carte"));
    QVERIFY(!main().findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->isEnabled());
    QVERIFY(!main().findChild<QCheckBox*>(QStringLiteral("CheckBox3"))->isEnabled());
    auto* slider = main().findChild<QSlider*>(QStringLiteral("tb1"));
    QCOMPARE(slider->minimum(), 1);
    QCOMPARE(slider->maximum(), 100);
    QVERIFY(!main().menus().control.audit->isEnabled());
    QVERIFY(!main().menus().miniCv.print->isEnabled());
    QVERIFY(!main().menus().miniCv.save->isEnabled());
    QVERIFY(main().menus().control.automaticBackup->isChecked());
    QVERIFY(!main().menus().control.silentMode->isChecked());

    const QString banner = main().findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->toPlainText();
    QCOMPARE(banner, QStringLiteral("\n     O\n\n     R\n\n     V\n\n     A\n\n     N\n\n     E\n\n"));
    QVERIFY(prompter->shown.empty());
  }

  void bannerShowsEveryLetterOnItsLine() {
    start(1);
    auto* banner = main().findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    QCOMPARE(banner->geometry(),
             QRect(main().width() - banner->width(), 0, banner->width(), main().height()));
    QVERIFY(!banner->verticalScrollBar()->isVisible());
    QVERIFY(!banner->horizontalScrollBar()->isVisible());
    for (QTextBlock line = banner->document()->begin(); line.isValid(); line = line.next())
      QCOMPARE(line.layout()->lineCount(), 1);
    // Nothing else stands under the banner, and everything fits in the window.
    for (auto* child : main().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isWindow()) continue;  // the pop-up menus
      QVERIFY2(main().rect().contains(child->geometry()), qPrintable(child->objectName()));
      if (child != banner)
        QVERIFY2(!child->geometry().intersects(banner->geometry()), qPrintable(child->objectName()));
    }

    // Six bands of ink, one per letter, none touching an edge where the banner would cut it.
    const QImage shown = banner->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = shown.pixel(0, 0);
    auto inkInRow = [&](int y) {
      for (int x = 0; x < shown.width(); ++x)
        if (shown.pixel(x, y) != background) return true;
      return false;
    };
    int bands = 0;
    for (int y = 0; y < shown.height(); ++y)
      if (inkInRow(y) && (y == 0 || !inkInRow(y - 1))) ++bands;
    QCOMPARE(bands, 6);
    QVERIFY(!inkInRow(0));
    QVERIFY(!inkInRow(shown.height() - 1));
    for (int y = 0; y < shown.height(); ++y) {
      QCOMPARE(shown.pixel(0, y), background);
      QCOMPARE(shown.pixel(shown.width() - 1, y), background);
    }

    // A size the user gives the window stays, and the banner keeps to the right edge.
    main().resize(700, 600);
    QCOMPARE(main().size(), QSize(700, 600));
    QCOMPARE(banner->geometry(), QRect(700 - banner->width(), 0, banner->width(), 600));
  }

  void panelsAndTheirMenus() {
    start(1);
    struct Expected {
      CommandPanel* CommandPanels::*slot;
      const char* name;
      QString caption;
      QString hint;
      int tag;
      QStringList items;
    };
    const Expected panels[] = {
        {&CommandPanels::file,
         "Panel1",
         "fichier",
         "commandes de fichier et d'imprimante",
         1,
         {"&Charger", "&Sauvegarder", "répertoire de travail", "Copie du &Presse papier", "&Imprimante",
          "Impression &noir et blanc", "Impression &couleurs", "Feuille de cartes",
          "Imprimer la page de calibrage", "Calibrage de l'imprimante...", "Exporter en PDF",
          "Exporter pour l'imprimeur", "Publipostage", "&Quitter"}},
        {&CommandPanels::elements,
         "Panel2",
         "éléments",
         "commandes d'ajout d'éléments",
         2,
         {"accès carte", "Texte_&1", "Texte_&2", "&Icone", "&Motif", "contact", "Exporter le contact"}},
        {&CommandPanels::control,
         "Panel4",
         "contrôle",
         "commande de contrôle des paramêtres",
         4,
         {"audit ", "test impression", "options", "test bitmap", "language"}},
        {&CommandPanels::miniCv,
         "Panel5",
         "Mini-CV",
         "",
         5,
         {"Editer", "Imprimer", "Sauvegarder", "Charger"}},
        {&CommandPanels::help,
         "Panel3",
         "aide",
         "",
         3,
         {"&Assistance", "A &propos", "Association des fichiers "}},
    };
    for (const Expected& expected : panels) {
      CommandPanel* panel = main().commandPanels().*expected.slot;
      QCOMPARE(panel->objectName(), QString::fromLatin1(expected.name));
      QCOMPARE(panel->caption(), expected.caption);
      QCOMPARE(panel->toolTip(), expected.hint);
      QCOMPARE(panel->tag(), expected.tag);
      QStringList items;
      for (QAction* action : main().menus().byTag(expected.tag)->actions()) items << action->text();
      QCOMPARE(items, expected.items);
    }
    auto submenuItems = [](const QMenu* submenu) {
      QStringList items;
      for (QAction* action : submenu->actions()) items << action->text();
      return items;
    };
    const PopupMenus& menus = main().menus();
    QCOMPARE(submenuItems(menus.elements.frame1Text.menu), QStringList({"charger", "sauvegarder"}));
    QCOMPARE(submenuItems(menus.elements.frame2Text.menu), QStringList({"charger", "sauvegarder"}));
    QCOMPARE(submenuItems(menus.control.bitmapCheck),
             QStringList({"fichier unique", "groupe de fichiers", "sauvegarde auto", "mode silencieux"}));
    QCOMPARE(submenuItems(menus.control.language), QStringList({"français", "anglais", "allemand"}));
    QCOMPARE(submenuItems(menus.control.options), QStringList({"polices"}));

    // The typed items are the ones of their menus: a member wired to the wrong item would run the
    // wrong command or enable the wrong item.
    const std::pair<const QAction*, QString> items[] = {
        {menus.file.workingDirectory, "répertoire de travail"},
        {menus.file.printerSetup, "&Imprimante"},
        {menus.file.printBlackWhite, "Impression &noir et blanc"},
        {menus.file.printColour, "Impression &couleurs"},
        {menus.file.exportPdf, "Exporter en PDF"},
        {menus.file.exportPrintShop, "Exporter pour l'imprimeur"},
        {menus.file.cardMerge, "Publipostage"},
        {menus.file.quit, "&Quitter"},
        {menus.elements.cardAccess, "accès carte"},
        {menus.elements.frame2Text.save, "sauvegarder"},
        {menus.control.audit, "audit "},
        {menus.control.automaticBackup, "sauvegarde auto"},
        {menus.control.silentMode, "mode silencieux"},
        {menus.miniCv.print, "Imprimer"},
        {menus.miniCv.save, "Sauvegarder"},
        {menus.help.fileAssociation, "Association des fichiers "},
    };
    for (const auto& [action, caption] : items) QCOMPARE(action->text(), caption);
    QCOMPARE(menus.elements.frame2Text.save->parent(), menus.elements.frame2Text.menu);
  }

  void panelMenuPopsUpUnderThePanel() {
    start(1);
    main().move(100, 20);
    auto* group = main().findChild<QWidget*>(QStringLiteral("GroupBox1"));
    const QRect window = main().frameGeometry();
    const int title = window.height() - main().height();
    for (CommandPanel* panel : main().commandPanels().all()) {
      QTest::mouseClick(panel, Qt::LeftButton);
      QMenu* menu = main().menus().byTag(panel->tag());
      QVERIFY(menu->isVisible());
      // The card panels' own offsets are relative to the "carte" group, not to GroupBox1.
      QCOMPARE(menu->pos(), QPoint(window.left() + group->x() + panel->x(),
                                   window.top() + title + group->y() + panel->y() + panel->height()));
      menu->hide();
    }
  }

  void panelHighlightFollowsTheMouse() {
    start(1);
    CommandPanel* file = main().commandPanels().file;
    CommandPanel* help = main().commandPanels().help;
    const QColor face = help->palette().color(QPalette::Window);
    QTest::mouseMove(file);
    main().onpanelmmove(file);
    QCOMPARE(file->palette().color(QPalette::Window), QColor(0, 128, 0));
    QVERIFY(editor->shell().state().mouseOverPanel);
    main().onpanelmmove(help);
    QVERIFY(!file->highlighted());
    QCOMPARE(file->palette().color(QPalette::Window), face);
    QVERIFY(help->highlighted());
    main().onform2move();
    QVERIFY(!help->highlighted());
    QVERIFY(!editor->shell().state().panelHighlighted);
    QVERIFY(!editor->shell().state().mouseOverPanel);
  }

  void voirCarteThreeClicks() {
    start(1);
    TForm1& card = editor->cardWindow();
    const int centre = CardEditorShell::centred(screenWidth(), 638);
    const int beside = card.x() + card.width() + 5;
    const int expectedLeft = beside > (screenWidth() - 638) * 0.5 ? beside : centre;

    QTest::mouseClick(voirCarte(), Qt::LeftButton);
    QVERIFY(card.isVisible());
    QCOMPARE(voirCarte()->text(), QStringLiteral("masquer"));
    QCOMPARE(main().x(), expectedLeft);

    main().move(300, main().y());
    QTest::mouseClick(voirCarte(), Qt::LeftButton);
    QVERIFY(!card.isVisible());
    QCOMPARE(voirCarte()->text(), QStringLiteral("voir"));
    QCOMPARE(main().x(), 300);

    QTest::mouseClick(voirCarte(), Qt::LeftButton);
    QVERIFY(card.isVisible());
    QCOMPARE(voirCarte()->text(), QStringLiteral("masquer"));
    QCOMPARE(main().x(), expectedLeft);
  }

  void aMissingCardFileOnTheCommandLineIsReported() {
    start(1, "absente.ov1");
    QVERIFY(!editor->cardWindow().isVisible());
    QCOMPARE(session.shownTexts(), QStringList{"Fichier non trouvé : absente.ov1"});
    QVERIFY(!main().menus().control.audit->isEnabled());
  }

  void cardAccessOnAndOff() {
    start(1);
    TForm1& card = editor->cardWindow();
    QAction* access = main().menus().elements.cardAccess;
    access->trigger();
    QCOMPARE(access->text(), QStringLiteral("accès carte -"));
    QVERIFY(!card.frameEdit(1)->isReadOnly());
    QVERIFY(!card.frameEdit(2)->isReadOnly());

    QTest::keyClicks(card.frameEdit(1), QStringLiteral("Lucie"));
    QCOMPARE(editor->card().frame(1).text.plainText(), std::string("Lucie"));

    access->trigger();
    QCOMPARE(access->text(), QStringLiteral("accès carte +"));
    QVERIFY(card.frameEdit(1)->isReadOnly());
    QVERIFY(card.frameEdit(2)->isReadOnly());
    QCOMPARE(editor->shell().state().accessCount, 0);
    QVERIFY(prompter->shown.empty());
  }

  void cardAccessRefusedWithATransparentFrame() {
    start(1);
    editor->card().frame(1).frameTransparent = true;
    QAction* access = main().menus().elements.cardAccess;
    access->trigger();
    QCOMPARE(
        session.shownTexts(),
        QStringList{"Pour l'accès à la carte veuillez préalablement rendre opaques les zones d'édition"});
    QCOMPARE(access->text(), QStringLiteral("accès carte"));
    QVERIFY(editor->cardWindow().frameEdit(1)->isReadOnly());
  }

  void zeroOneOrTwoPrinters_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("printerItem");
    QTest::addColumn<bool>("printItems");
    QTest::newRow("none") << 0 << true << false << false;
    QTest::newRow("one") << 1 << false << true << true;
    QTest::newRow("two") << 2 << false << true << false;
  }

  void zeroOneOrTwoPrinters() {
    QFETCH(int, count);
    QFETCH(bool, warned);
    QFETCH(bool, printerItem);
    QFETCH(bool, printItems);
    start(count);
    QCOMPARE(session.shownTexts(), warned ? QStringList{noPrinterWarning} : QStringList{});
    QCOMPARE(main().menus().file.printerSetup->isEnabled(), printerItem);
    QCOMPARE(main().menus().file.printColour->isEnabled(), printItems);
    QCOMPARE(main().menus().file.printBlackWhite->isEnabled(), printItems);
  }

  void closingWhileCardAccessIsOnOnlyHides() {
    start(1);
    main().menus().elements.cardAccess->trigger();
    main().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(editor->mainWindow());
    QVERIFY(!editor->mainWindow()->isVisible());
    QVERIFY(editor->cardWindow().isVisible());
  }

  void closingFreesTheMainWindowAndClosesTheCard() {
    start(1);
    bool ended = false;
    connect(&main(), &TForm2::modalRunEnded, this, [&ended] { ended = true; });
    main().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ended);
    QVERIFY(!editor->mainWindow());
    QVERIFY(editor->cardWindow().closed());
    QVERIFY(!editor->cardWindow().isVisible());
  }

  void anErrorWhileLoadingTheStartFileIsReportedAndTheEditorOpens() {
    // The first message box fails, as a full disk or a failed allocation would.
    struct FailingOncePrompter : ScriptedPrompter {
      Answer show(MessageKind kind, const std::string& text, Buttons buttons, int help,
                  const std::string& title) override {
        if (shown.empty() && !failed) {
          failed = true;
          throw std::runtime_error("disque indisponible");
        }
        return ScriptedPrompter::show(kind, text, buttons, help, title);
      }
      bool failed = false;
    } failingPrompter;
    ScriptedPrinterService onePrinter = ScriptedPrinterService::withPrinters(1);
    ScriptedSettingsStore settings;
    CardEditor failing(failingPrompter, onePrinter, settings);
    failing.startCardEditor("absente.ov1");
    QCOMPARE(
        failingPrompter.texts(),
        std::vector<std::string>({"Orvane : une erreur non gérée s'est produite", "disque indisponible"}));
    QVERIFY(failing.mainWindow());
  }

  void quitterEndsTheModalRun() {
    start(1);
    bool ended = false;
    connect(&main(), &TForm2::modalRunEnded, this, [&ended] { ended = true; });
    main().menus().file.quit->trigger();
    QVERIFY(ended);
    QVERIFY(editor->shell().state().quitting);
    QVERIFY(!editor->cardWindow().isVisible());
  }

  void anErrorEscapingAHandlerIsReportedAndTheProgramGoesOn() {
    start(1);
    auto* application = static_cast<OrvaneApplication*>(QCoreApplication::instance());
    application->setUnhandledErrorHandler([this](const std::string& what) { editor->appexception(what); });
    QMetaObject::invokeMethod(
        &main(), [] { throw std::runtime_error("division par zéro"); }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    QCOMPARE(session.shownTexts(),
             QStringList({"Orvane : une erreur non gérée s'est produite", "division par zéro"}));
    QCOMPARE(prompter->shown[1].kind, MessageKind::Error);
    application->setUnhandledErrorHandler({});

    QTest::mouseClick(voirCarte(), Qt::LeftButton);
    QCOMPARE(voirCarte()->text(), QStringLiteral("masquer"));
  }
};

ORVANE_APP_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
