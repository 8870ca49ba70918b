// The colour, font, pattern mode and transparency controls of the main window, with scripted dialogs.
#include "app/main/colour_font_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include "app/tform11.h"
#include "app_test_main.h"
#include "catalogue/catalogue.h"
#include "editor_under_test.h"
#include "support/scripted_dialogs.h"

using namespace orvane;

class ColourFontControlsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedDialogs dialogs;
  std::vector<std::pair<int, QString>> warnings;

  TForm2& main() { return *session.editor->mainWindow(); }
  TForm1& cardWindow() { return session.editor->cardWindow(); }
  CardModel& card() { return session.editor->card(); }
  ColourFontControls& controls() {
    return *main().findChild<ColourFontControls*>(QStringLiteral("colourFontControls"));
  }
  template <typename Widget>
  Widget* control(const char* name) {
    return main().findChild<Widget*>(QString::fromLatin1(name));
  }
  void click(const char* name) { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }

  void start(int printerCount, const std::string& path = {}) {
    session.start(printerCount, path);
    dialogs = ScriptedDialogs();
    warnings.clear();
    controls().useDialogs(dialogs);
    controls().showFrameWarning = [this](int frame, const QString& text) {
      warnings.emplace_back(frame, text);
    };
  }

 private slots:
  void cleanup() { session.stop(); }

  void aColourChosenForFrame1RepaintsIt() {
    start(1);
    dialogs.colours = {rgb(10, 20, 30), std::nullopt, rgb(200, 100, 50)};
    click("Button11");
    QCOMPARE(cardWindow().frameEdit(1)->palette().color(QPalette::Base), QColor(10, 20, 30));
    QCOMPARE(card().frame(1).frameColor, rgb(10, 20, 30));
    // Cancel leaves frame 2 alone; the card's own button paints the card.
    const Colour frame2 = card().frame(2).frameColor;
    click("Button12");
    QCOMPARE(card().frame(2).frameColor, frame2);
    click("Button15");
    QCOMPARE(card().cardColor, rgb(200, 100, 50));
    QCOMPARE(cardWindow().palette().color(QPalette::Window), QColor(200, 100, 50));
  }

  void patternModeCyclesThreeStatesWithLabel5sWords() {
    start(1);
    auto* motif = control<QCheckBox>("CheckBox1");
    QCOMPARE(motif->text(), QStringLiteral("MOTIF "));
    QStringList words;
    std::vector<PatternMode> modes;
    for (int clicks = 0; clicks < 3; ++clicks) {
      QTest::mouseClick(motif, Qt::LeftButton);
      words << control<QLabel>("Label5")->text();
      modes.push_back(card().patternMode);
    }
    QCOMPARE(words, (QStringList{"brush", "stretch", "dim"}));
    QVERIFY(
        (modes == std::vector<PatternMode>{PatternMode::Tile, PatternMode::Stretch, PatternMode::BySize}));
    QCOMPARE(motif->checkState(), Qt::Unchecked);

    QTest::mouseClick(control<QCheckBox>("CheckBox4"), Qt::LeftButton);
    QCOMPARE(control<QLabel>("Label6")->text(), QStringLiteral("flood"));
    QCOMPARE(card().fillStyle, FillStyle::Flood);
  }

  void fontButtonsChangeTheFrameAndReportAWideLine() {
    start(0);
    card().frame(1).text =
        RichText::fromPlainText("Jean Dupont, ingénieur en chef\ndeux\ntrois\nquatre\ncinq\nsix");
    cardWindow().showModel();
    FontSpec header;
    header.name = "Arial";
    header.size = 14;
    header.style.bold = true;
    dialogs.fonts = {header, std::nullopt};
    cardWindow().frameEdit(1)->selectAll();
    click("Button9");
    QCOMPARE(card().frame(1).headerFont, header);
    QVERIFY(headerFontMatches(card(), 1));
    QVERIFY(!cardWindow().frameEdit(1)->textCursor().hasSelection());
    // The frame shows its header line, not the end of the text.
    QCOMPARE(cardWindow().frameEdit(1)->textCursor().position(), 0);
    QVERIFY(cardWindow().frameEdit(1)->verticalScrollBar()->maximum() > 0);
    QCOMPARE(cardWindow().frameEdit(1)->verticalScrollBar()->value(), 0);
    const QTextDocument& shown = *cardWindow().frameEdit(1)->document();
    QVERIFY(shown.firstBlock().begin().fragment().charFormat().font().bold());
    QVERIFY(!shown.lastBlock().begin().fragment().charFormat().font().bold());
    // The first line does not fit the 89 pixels of frame 1 in a 14-point font.
    QCOMPARE(warnings.size(), std::size_t{1});
    QCOMPARE(warnings[0].first, 1);
    QVERIFY(warnings[0].second.startsWith(QStringLiteral("Texte trop large (")));
    QVERIFY(warnings[0].second.endsWith(QStringLiteral(")/(89)\r\nInformation 140")));

    // Without a printer the screen fonts are announced once; a cancelled dialog leaves the warning.
    click("Button14");
    const QString notice = QString::fromStdString(catalogue::text(Language::French, 143));
    QCOMPARE(session.shownTexts().count(notice), 1);
    QCOMPARE(warnings.size(), std::size_t{1});
  }

  void fontOptionsWindowAddsAndRemovesOptionsAtOnce() {
    start(1);
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* window = qobject_cast<TForm11*>(QApplication::activeModalWidget());
      QVERIFY(window);
      QCOMPARE(window->windowTitle(), QStringLiteral("Options de sélection de fontes"));
      auto* limitSize = window->findChild<QCheckBox*>(QStringLiteral("CheckBox7"));
      QCOMPARE(limitSize->text(), QStringLiteral("Limit Size"));
      QTest::mouseClick(limitSize, Qt::LeftButton);
      seen = controls().fontOptions().has(FontOption::LimitSize);
      QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    });
    main().menus().control.fonts->trigger();
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
    dialogs.fonts = {std::nullopt};
    click("Button13");
    QCOMPARE(dialogs.fontRequests.back().sizes, (SizeRange{8, 12}));
  }

  void t1MakesFrame1TransparentOverAPatternAndRefusesCardAccess() {
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    start(1, ORVANE_TEST_DATA "/render/carte.ov1");
    auto* t1 = control<QCheckBox>("CheckBox2");
    controls().enableTransparency(true);
    QVERIFY(cardWindow().renderer().patternShown);
    QVERIFY(t1->isEnabled());
    QTest::mouseClick(t1, Qt::LeftButton);
    QVERIFY(card().frame(1).frameTransparent);
    QVERIFY(cardWindow().renderer().transparencyComposite);
    QVERIFY(cardWindow().frameEdit(1)->isHidden());

    main().menus().elements.cardAccess->trigger();
    QCOMPARE(session.shownTexts().last(), QString::fromStdString(catalogue::text(Language::French, 1101)));
    QVERIFY(!card().cardAccess);

    QTest::mouseClick(t1, Qt::LeftButton);
    QVERIFY(!card().frame(1).frameTransparent);
    QVERIFY(!cardWindow().renderer().transparencyComposite);
    QVERIFY(!cardWindow().frameEdit(1)->isHidden());

    // Shown from the card, the boxes change through their handlers; "disable" greys both.
    controls().showTransparency(true, true);
    QVERIFY(card().frame(1).frameTransparent && card().frame(2).frameTransparent);
    controls().enableTransparency(false);
    QVERIFY(!t1->isEnabled());
  }

  void t1ActsAtOnceWhileTheCardsRepaintIsSuspended() {
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    start(1, ORVANE_TEST_DATA "/render/carte.ov1");
    controls().enableTransparency(true);
    cardWindow().form1_mmove();  // the mouse crossed the card: its own repaints wait for "appliquer"
    QVERIFY(!session.editor->shell().cardWindow().repaintAllowed(session.editor->shell().state()));
    const QImage before = cardWindow().decorations();
    QTest::mouseClick(control<QCheckBox>("CheckBox2"), Qt::LeftButton);
    QVERIFY(cardWindow().frameEdit(1)->isHidden());
    QVERIFY(cardWindow().decorations() != before);
    QTest::mouseClick(control<QCheckBox>("CheckBox2"), Qt::LeftButton);
    QVERIFY(!cardWindow().frameEdit(1)->isHidden());
    QVERIFY(cardWindow().decorations() == before);
  }
};

ORVANE_APP_TEST_MAIN(ColourFontControlsTest)
#include "colour_font_controls_test.moc"
