// The editable lists of the parameter groups: a value counts only when Enter is released.
#include "app/main/offset_combo_box.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWidget>

#include "app_test_main.h"

using namespace orvane;

class OffsetComboBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void onlyTheReleaseOfEnterConfirmsWhatTheListShows() {
    QWidget window;
    OffsetComboBox list(frame1WidthList, {8, 8, 130, 22}, &window);
    list.fill(Language::French);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(list.objectName(), QStringLiteral("ComboBox1"));
    QCOMPARE(list.currentText(), QStringLiteral("largeur"));
    QSignalSpy confirmed(&list, &OffsetComboBox::confirmed);

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);  // steps to the item above without confirming it
    QCOMPARE(list.currentText(), QStringLiteral("largeur + 1"));
    QTest::keyPress(&list, Qt::Key_Return);
    QCOMPARE(confirmed.count(), 0);
    QTest::keyRelease(&list, Qt::Key_Return);
    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.takeFirst().at(0).toString(), QStringLiteral("largeur + 1"));

    list.lineEdit()->clear();
    QTest::keyClicks(&list, QStringLiteral("+7"));
    QCOMPARE(confirmed.count(), 0);
    QTest::keyClick(&list, Qt::Key_Enter);
    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.takeFirst().at(0).toString(), QStringLiteral("+7"));
    QCOMPARE(list.count(), 41);  // a typed value is not added to the items

    list.showPopup();
    QVERIFY(!QApplication::activePopupWidget());
  }

  void aReleaseWhosePressWentElsewhereIsIgnored() {
    QWidget window;
    OffsetComboBox list(frame1WidthList, {8, 8, 130, 22}, &window);
    QLineEdit other(&window);
    other.setGeometry(8, 40, 130, 22);
    list.fill(Language::French);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy confirmed(&list, &OffsetComboBox::confirmed);

    // Enter pressed in another widget (a message box closing on the press), released on the list.
    other.setFocus();
    QTest::keyPress(&other, Qt::Key_Return);
    list.setFocus();
    QTest::keyRelease(&list, Qt::Key_Return);
    QTest::keyRelease(list.lineEdit(), Qt::Key_Enter);
    QCOMPARE(confirmed.count(), 0);

    // Pressed here, then the focus left before the release: nothing to confirm on a later release.
    QTest::keyPress(&list, Qt::Key_Return);
    other.setFocus();
    list.setFocus();
    QTest::keyRelease(&list, Qt::Key_Return);
    QCOMPARE(confirmed.count(), 0);

    // Each confirmation needs its own press: a second release confirms nothing.
    QTest::keyClick(list.lineEdit(), Qt::Key_Return);
    QTest::keyRelease(list.lineEdit(), Qt::Key_Return);
    QCOMPARE(confirmed.count(), 1);
  }
};

ORVANE_APP_TEST_MAIN(OffsetComboBoxTest)
#include "offset_combo_box_test.moc"
