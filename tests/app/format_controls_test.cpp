// The standard formats list, the orientation list and "ajustement A4" of the "CARTE" group, driven
// through the real controls.
#include "app/main/format_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

#include "app/main/offset_combo_box.h"
#include "app_test_main.h"
#include "editor_under_test.h"

using namespace orvane;

class FormatControlsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;

  TForm2& main() { return *session.editor->mainWindow(); }
  TForm1& card() { return session.editor->cardWindow(); }
  QComboBox* formats() { return main().findChild<QComboBox*>(QStringLiteral("ComboBox16")); }
  OffsetComboBox* orientation() { return main().findChild<OffsetComboBox*>(QStringLiteral("ComboBox20")); }
  QPushButton* fitA4() { return main().findChild<QPushButton*>(QStringLiteral("Button3")); }
  FormatControls* group() { return main().findChild<FormatControls*>(QStringLiteral("formatControls")); }

  void choose(const QString& format) { formats()->setCurrentIndex(formats()->findText(format)); }
  void confirmOrientation(int stepsDown) {
    orientation()->setFocus();
    for (int step = 0; step < stepsDown; ++step) QTest::keyClick(orientation(), Qt::Key_Down);
    QTest::keyClick(orientation(), Qt::Key_Return);
  }

 private slots:
  void init() {
    session.start(1);
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
  }
  void cleanup() { session.stop(); }

  void theControlsStartOnTheirTitles() {
    QCOMPARE(formats()->currentText(), QStringLiteral("formats standards"));
    QCOMPARE(formats()->count(), 6);
    QCOMPARE(orientation()->currentText(), QStringLiteral("orientation"));
    QCOMPARE(fitA4()->text(), QStringLiteral("ajustement A4"));
    QVERIFY(fitA4()->isEnabled());
    QCOMPARE(card().size(), QSize(182, 273));
  }

  void aFormatThenATurnLayTheCardOutAgain() {
    choose(QStringLiteral("normal"));
    QCOMPARE(card().size(), QSize(207, 321));
    QCOMPARE(card().frameEdit(1)->geometry(), QRect(53, 28, 101, 95));
    QVERIFY(fitA4()->isEnabled());

    confirmOrientation(2);
    QCOMPARE(group()->orientationListText(), QStringLiteral("horizontal"));
    QCOMPARE(card().size(), QSize(321, 207));
    QCOMPARE(card().frameEdit(1)->geometry(), QRect(72, 14, 177, 47));
    QCOMPARE(card().frameEdit(2)->geometry(), QRect(2, 120, 318, 85));
    QCOMPARE(card().iconLabel()->geometry(), QRect(18, 14, 32, 32));

    choose(QStringLiteral("grand"));
    QCOMPARE(card().size(), QSize(480, 313));
    QVERIFY(!fitA4()->isEnabled());
    choose(QStringLiteral("défaut"));
    QVERIFY(fitA4()->isEnabled());
    QTest::mouseClick(fitA4(), Qt::LeftButton);
    QCOMPARE(card().size(), QSize(363, 189));
  }

  void theSquareFormatCannotBeTurned() {
    choose(QStringLiteral("carré"));
    QCOMPARE(card().size(), QSize(302, 302));
    QVERIFY(!fitA4()->isEnabled());
    const QRect frame1 = card().frameEdit(1)->geometry();
    confirmOrientation(2);
    QCOMPARE(card().size(), QSize(302, 302));
    QCOMPARE(card().frameEdit(1)->geometry(), frame1);
  }

  void refillingTheListsLeavesTheCard() {
    choose(QStringLiteral("moyen"));
    group()->fill(Language::English);
    QCOMPARE(formats()->currentText(), QStringLiteral("standard formats"));
    QCOMPARE(fitA4()->text(), QStringLiteral("A4 fitting"));
    QCOMPARE(card().size(), QSize(245, 370));
    QCOMPARE(session.editor->card().formatIndex, 2);
  }
};

ORVANE_APP_TEST_MAIN(FormatControlsTest)
#include "format_controls_test.moc"
