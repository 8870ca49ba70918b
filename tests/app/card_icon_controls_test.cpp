// The card size, spacing, vertical position and icon controls of the main window, driven with the
// keys and clicks a user gives them.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

#include "app_test_main.h"
#include "editor_under_test.h"

using namespace orvane;

class CardIconControlsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  std::unique_ptr<CardEditor>& editor = session.editor;

  TForm2& main() { return *editor->mainWindow(); }
  TForm1& cardWindow() { return editor->cardWindow(); }
  CardModel& card() { return editor->card(); }
  template <typename Control>
  Control* control(const QString& name) {
    auto* found = main().findChild<Control*>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
  }

  /// Types `text` over what the list shows and releases Enter.
  void confirm(const QString& list, const QString& text) {
    auto* box = control<QComboBox>(list);
    box->setFocus();
    box->lineEdit()->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }
  /// Steps to the item `steps` above what the list shows with the arrow key, then releases Enter.
  void stepUpAndConfirm(const QString& list, int steps) {
    auto* box = control<QComboBox>(list);
    box->setFocus();
    for (int step = 0; step < steps; ++step) QTest::keyClick(box, Qt::Key_Up);
    QTest::keyPress(box, Qt::Key_Return);
    QTest::keyRelease(box, Qt::Key_Return);
  }

 private slots:
  void init() { session.start(1); }
  void cleanup() { session.stop(); }

  void controlsStandInTheirGroupsWithTheirHints() {
    for (const char* name : {"ComboBox18", "ComboBox19", "ComboBox12"})
      QCOMPARE(control<QComboBox>(QString::fromLatin1(name))->parent()->objectName(),
               QStringLiteral("GroupBox3"));
    for (const char* name : {"ComboBox9", "ComboBox10", "ComboBox17", "ComboBox11"})
      QCOMPARE(control<QComboBox>(QString::fromLatin1(name))->parent()->objectName(),
               QStringLiteral("GroupBox2"));
    QCOMPARE(control<QComboBox>("ComboBox18")->currentText(), QStringLiteral("largeur"));
    QCOMPARE(control<QComboBox>("ComboBox17")->currentText(), QStringLiteral("marge"));
    QCOMPARE(control<QComboBox>("ComboBox12")->currentText(), QStringLiteral("écart"));
    QCOMPARE(control<QComboBox>("ComboBox12")->toolTip(),
             QStringLiteral("Ecartement entre les cartes à l'impression "));
    for (const char* name : {"CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8"}) {
      auto* box = control<QCheckBox>(QString::fromLatin1(name));
      QVERIFY(box->text().isEmpty());
      QCOMPARE(box->toolTip(), QStringLiteral("remise à l'état initial"));
    }
  }

  void cardListsResizeTheCardWindowOnEnterRelease() {
    const QSize before = cardWindow().size();
    stepUpAndConfirm("ComboBox18", 10);  // "largeur+10"
    QCOMPARE(control<QComboBox>("ComboBox18")->currentText(), QStringLiteral("largeur+10"));
    QCOMPARE(cardWindow().size(), before + QSize(10, 0));
    confirm("ComboBox19", "longueur -4");
    QCOMPARE(cardWindow().size(), before + QSize(10, -4));
    confirm("ComboBox19", "abc");
    QCOMPARE(cardWindow().size(), before + QSize(10, -4));
    QCOMPARE(card().cardWidth, before.width() + 10);

    // A key other than Enter does nothing.
    auto* width = control<QComboBox>("ComboBox18");
    width->lineEdit()->setText(QStringLiteral("+5"));
    QTest::keyClick(width, Qt::Key_Tab);
    QCOMPARE(card().cardWidth, before.width() + 10);
  }

  void aSizeTheLoaderWouldRefuseIsReportedAndLeftAsItWas() {
    const QSize before = cardWindow().size();
    confirm("ComboBox19", "longueur+65530");
    confirm("ComboBox18", "-500");
    QCOMPARE(cardWindow().size(), before);
    QCOMPARE(card().cardWidth, before.width());
    auto* warning = control<QLabel>("Label4");
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), QStringLiteral("Problème dimension\r\nInformation 110"));
    confirm("ComboBox9", "-100");
    QCOMPARE(card().iconWidth, 32);
    QVERIFY(session.shownTexts().isEmpty());
  }

  void resetBoxesRestoreTheDesignSizeAndUncheckThemselves() {
    confirm("ComboBox18", "+20");
    confirm("ComboBox19", "+30");
    for (const char* name : {"CheckBox5", "CheckBox6"}) {
      auto* box = control<QCheckBox>(QString::fromLatin1(name));
      QTest::mouseClick(box, Qt::LeftButton);
      QVERIFY(!box->isChecked());
    }
    QCOMPARE(cardWindow().size(), QSize(card().designWidth, card().designHeight));

    confirm("ComboBox17", "marge + 9");
    confirm("ComboBox11", "+3");
    QCOMPARE(cardWindow().iconLabel()->pos(), QPoint(card().designIconLeft + 9, card().designIconTop + 3));
    auto* marginBox = control<QCheckBox>("CheckBox7");
    auto* topBox = control<QCheckBox>("CheckBox8");
    QTest::mouseClick(marginBox, Qt::LeftButton);
    QTest::mouseClick(topBox, Qt::LeftButton);
    QVERIFY(marginBox->isChecked() && topBox->isChecked());  // left as the user set them
    QCOMPARE(cardWindow().iconLabel()->pos(), QPoint(card().designIconLeft, card().designIconTop));
    confirm("ComboBox17", "+4");
    QTest::mouseClick(marginBox, Qt::LeftButton);  // unchecking acts too
    QCOMPARE(card().iconLeft, card().designIconLeft);
  }

  void spacingKeepsWhatIsNoInteger() {
    confirm("ComboBox12", "15");
    QCOMPARE(card().spacing, 15);
    confirm("ComboBox12", "abc");
    QCOMPARE(card().spacing, 15);
    stepUpAndConfirm("ComboBox12", 0);  // the title "écart"
    QCOMPARE(card().spacing, 15);
    QVERIFY(session.prompter->shown.empty());
  }

  void movingTheIconTakesItsBackgroundAgainFromTheCard() {
    session.stop();
    QDir::setCurrent(QStringLiteral(ORVANE_TEST_DATA "/render"));
    session.start(1, ORVANE_TEST_DATA "/render/carte.ov1");
    const RendererState& pictures = cardWindow().renderer();
    QVERIFY(pictures.backgroundCopy);
    confirm("ComboBox17", "marge + 10");
    confirm("ComboBox11", "hauteur -2");
    const Rect under = Rect::fromSize(card().iconLeft, card().iconTop, card().iconWidth, card().iconHeight);
    QCOMPARE(cardWindow().iconLabel()->geometry(),
             QRect(card().iconLeft, card().iconTop, card().iconWidth, card().iconHeight));
    QVERIFY(pictures.iconBackground);
    const Image expected = pictures.backgroundCopy->cropped(under, opaquePixel(card().cardColor));
    QVERIFY(pictures.iconBackground->width() == expected.width());
    QVERIFY(std::equal(expected.bits(), expected.bits() + expected.width() * expected.height(),
                       pictures.iconBackground->bits()));
  }

  void trackBarMovesTheShownCardAndSnapsBackWhileItIsHidden() {
    auto* bar = control<QSlider>("tb1");
    QVERIFY(cardWindow().isVisible());
    QCOMPARE(cardWindow().y(), 41);  // the range given to the bar at start moved nothing
    bar->setValue(25);
    QCOMPARE(card().cardTop, 300);  // a quarter of the test screen
    QCOMPARE(cardWindow().y(), card().cardTop);
    QCOMPARE(editor->shell().cardWindow().trackBarTop, card().cardTop);

    cardWindow().hide();
    bar->setValue(60);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(card().cardTop, 300);  // a quarter of the test screen
  }
};

ORVANE_APP_TEST_MAIN(CardIconControlsTest)
#include "card_icon_controls_test.moc"
