// The size, position and alignment lists of "CADRE 1" and "CADRE 2", driven with the keyboard: the
// card window follows each change and the warning lines report the corrections.
#include <QLabel>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextEdit>

#include "app/main/offset_combo_box.h"
#include "app_test_main.h"
#include "editor_under_test.h"

using namespace orvane;

class FrameControlsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;

  TForm2& main() { return *session.editor->mainWindow(); }
  TForm1& card() { return session.editor->cardWindow(); }
  OffsetComboBox* list(int number) {
    auto* control = main().findChild<OffsetComboBox*>(QStringLiteral("ComboBox%1").arg(number));
    if (!control) qFatal("no ComboBox%d", number);
    return control;
  }
  QLabel* label(const char* name) { return main().findChild<QLabel*>(QString::fromLatin1(name)); }

  /// Types `text` into list `number` and releases Enter, as a user confirms a value.
  void type(int number, const QString& text) {
    OffsetComboBox* control = list(number);
    control->setFocus();
    control->lineEdit()->clear();
    QTest::keyClicks(control, text);
    QTest::keyClick(control, Qt::Key_Return);
  }
  /// Steps `steps` items up (negative: down) in list `number`, then releases Enter.
  void step(int number, int steps) {
    OffsetComboBox* control = list(number);
    control->setFocus();
    for (int i = 0; i < std::abs(steps); ++i) QTest::keyClick(control, steps > 0 ? Qt::Key_Up : Qt::Key_Down);
    QTest::keyClick(control, Qt::Key_Return);
  }

 private slots:
  void init() { session.start(1); }
  void cleanup() { session.stop(); }

  void theGroupsStartWithTheirWordsAndNoWarning() {
    QCOMPARE(list(1)->currentText(), QStringLiteral("largeur"));
    QCOMPARE(list(4)->currentText(), QStringLiteral("longueur"));
    QCOMPARE(list(7)->currentText(), QStringLiteral("hauteur"));
    QCOMPARE(list(15)->currentText(), QStringLiteral("bord gauche"));
    QCOMPARE(list(5)->currentText(), QStringLiteral("texte"));
    QCOMPARE(list(13)->currentText(), QStringLiteral("cadre"));
    QCOMPARE(list(13)->toolTip(), QStringLiteral("alignement du cadre 2 : gauche par défaut"));
    QCOMPARE(label("Label3")->text(), QStringLiteral("Alignement du texte"));
    QVERIFY(list(1)->parentWidget()->objectName() == QStringLiteral("GroupBox5"));
    QVERIFY(list(2)->parentWidget()->objectName() == QStringLiteral("GroupBox4"));
    QVERIFY(label("Label4")->isHidden());
    QVERIFY(label("Label7")->isHidden());
  }

  void widthChangesReachTheCardAndCutsAreReported() {
    step(1, 7);  // "largeur + 7"
    QCOMPARE(list(1)->currentText(), QStringLiteral("largeur + 7"));
    QCOMPARE(card().frameEdit(1)->geometry(), QRect(43, 24, 96, 81));
    QVERIFY(label("Label4")->isHidden());

    type(1, QStringLiteral("+100"));
    QCOMPARE(card().frameEdit(1)->geometry(), QRect(0, 24, 182, 81));
    QLabel* warning = label("Label4");
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), QStringLiteral("Cadre 1 redimensionné automatiquement\r\nInformation 120"));
    QCOMPARE(warning->palette().color(QPalette::Window), QColor(Qt::red));
    QVERIFY(warning->autoFillBackground());

    // Frame 2 starts wider than the card: the neutral item cuts it, on its own warning line.
    step(2, 0);
    QCOMPARE(card().frameEdit(2)->geometry(), QRect(0, 144, 182, 145));
    QCOMPARE(label("Label7")->text(), QStringLiteral("redimension automatique\r\nInformation 120"));
    QVERIFY(label("Label4")->isVisible());

    // A change that needs no correction empties and hides the line of its frame.
    type(1, QStringLiteral("largeur -2"));
    QCOMPARE(card().frameEdit(1)->geometry(), QRect(1, 24, 180, 81));
    QVERIFY(label("Label4")->isHidden());
    QVERIFY(label("Label4")->text().isEmpty());
    QVERIFY(session.prompter->shown.empty());
  }

  void anEnterPressedElsewhereAppliesNoOffsetAgain() {
    type(1, QStringLiteral("largeur -10"));
    const int width = card().frameEdit(1)->width();
    // A dialog closed with Enter takes the press; its release reaches the list once the dialog is gone.
    for (int i = 0; i < 3; ++i) {
      QTest::keyPress(&main(), Qt::Key_Return);
      QTest::keyRelease(list(1)->lineEdit(), Qt::Key_Return);
      QTest::keyRelease(list(1), Qt::Key_Return);
    }
    QCOMPARE(card().frameEdit(1)->width(), width);
  }

  void topLeftAndLengthListsMoveTheFrameOnTheCard() {
    type(7, QStringLiteral("hauteur + 10"));
    type(14, QStringLiteral("bord gauche -3"));
    QCOMPARE(card().frameEdit(1)->geometry(), QRect(45, 34, 89, 81));
    type(14, QStringLiteral("3"));  // a bare number is no left offset
    QCOMPARE(card().frameEdit(1)->x(), 45);
    step(4, 0);  // Enter on the neutral item
    QCOMPARE(card().frameEdit(2)->geometry(), QRect(0, 128, 185, 145));
    QCOMPARE(label("Label7")->text(), QStringLiteral("reposition automatique\r\nInformation 120"));
    // What is typed counts as typed, though longer items start with the same letters.
    type(3, QStringLiteral("longueur + 1"));
    QCOMPARE(card().frameEdit(1)->height(), 82);
    type(1, QStringLiteral("largeur"));
    QCOMPARE(card().frameEdit(1)->width(), 89);
    // Only Enter confirms: a typed value without it changes nothing.
    list(3)->setFocus();
    QTest::keyClicks(list(3), QStringLiteral("+9"));
    QCOMPARE(card().frameEdit(1)->height(), 82);
  }

  void alignmentAndPlacementListsActOnTheirItemsOnly() {
    session.editor->card().frame(2).text = RichText::fromPlainText("Nom\nadresse");
    step(6, -3);  // "droite"
    const QTextDocument* text = card().frameEdit(2)->document();
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
      QCOMPARE(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(session.editor->card().frame(2).frameAlignment, int(alignRight));
    QCOMPARE(card().frameEdit(2)->textCursor().selectionEnd(), 0);

    step(13, -2);  // "centré"
    QCOMPARE(card().frameEdit(2)->x(), -2);
    step(13, 2);  // back to the title, which changes nothing
    QCOMPARE(list(13)->currentText(), QStringLiteral("cadre"));
    QCOMPARE(card().frameEdit(2)->x(), -2);
    QVERIFY(session.prompter->shown.empty());
  }

  void aTransparentFrameAsksForOpaqueFramesOnceAndOnlyForGeometry() {
    session.editor->card().frame(1).frameTransparent = true;
    step(5, -2);
    QVERIFY(session.prompter->shown.empty());
    type(7, QStringLiteral("+1"));
    type(13, QStringLiteral("gauche"));
    QCOMPARE(session.shownTexts(),
             QStringList{QStringLiteral(
                 "Les modifications seront appliquées après avoir rendu les deux cadres opaques")});
    QCOMPARE(session.editor->card().frame(1).frameTop, 25);
  }
};

ORVANE_APP_TEST_MAIN(FrameControlsTest)
#include "frame_controls_test.moc"
