// The "language" submenu of the main window: every caption, hint, menu entry and list item follows
// the chosen language, and the card stays as it was.
#include "app/main/language_switch.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QTextEdit>

#include "app/main/command_panels.h"
#include "app/main/popup_menus.h"
#include "app_test_main.h"
#include "card/control_lists.h"
#include "cardfile/card_file_writer.h"
#include "catalogue/catalogue.h"
#include "editor_under_test.h"
#include "qt/qt_text.h"
#include "shell/main_window_captions.h"

using namespace orvane;

namespace {

// What a control shows as its caption, read the way a user sees it.
QString shownCaption(QObject* target) {
  if (auto* action = qobject_cast<QAction*>(target)) return action->text();
  if (auto* menu = qobject_cast<QMenu*>(target)) return menu->menuAction()->text();
  if (auto* group = qobject_cast<QGroupBox*>(target)) return group->title();
  if (auto* button = qobject_cast<QAbstractButton*>(target)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(target)) return label->text();
  if (auto* panel = qobject_cast<CommandPanel*>(target)) return panel->caption();
  return QStringLiteral("(no caption)");
}

QString hintOf(QObject* target) {
  if (auto* action = qobject_cast<QAction*>(target)) return action->toolTip();
  return qobject_cast<QWidget*>(target)->toolTip();
}

QStringList itemsOf(const QComboBox& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
  return items;
}

QStringList itemsOf(const ItemList& list) {
  QStringList items;
  for (const std::string& item : list.items) items << toQString(item);
  return items;
}

}  // namespace

class LanguageSwitchTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;

  TForm2& main() { return *session.editor->mainWindow(); }
  TForm1& card() { return session.editor->cardWindow(); }
  const PopupMenus& menus() { return main().menus(); }
  LanguageSwitch& languageSwitch() { return main().languageSwitch(); }
  QComboBox* list(int number) {
    return main().findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(number));
  }

  // Everything that makes the card: its parameter lines, its frames' texts and the card window.
  QStringList cardState() {
    QStringList state;
    for (const std::string& line : cardFileLines(card().card(), "carte", 96)) state << toQString(line);
    for (int frame : {1, 2}) state << card().frameEdit(frame)->toHtml();
    const QRect place = card().geometry();
    state
        << QStringLiteral("%1 %2 %3 %4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height());
    return state;
  }

  void verifyWindowIn(Language language) {
    QCOMPARE(session.editor->shell().state().interfaceLanguage, language);
    QCOMPARE(session.editor->companions().language, language);
    for (const ResolvedCaption& caption : resolveCaptions(mainWindowCaptions(), language)) {
      const QString name = toQString(caption.control);
      QObject* target = languageSwitch().targets().find(name);
      QVERIFY2(target, qPrintable(name));
      // The lists show their items again: checked below, list by list.
      if (qobject_cast<QComboBox*>(target)) continue;
      const QString shown = caption.part == CaptionPart::Hint ? hintOf(target) : shownCaption(target);
      QVERIFY2(shown == toQString(caption.text), qPrintable(name + QStringLiteral(": ") + shown));
    }
    for (ControlList number : allControlLists()) {
      const ItemList expected = controlList(number, language);
      QComboBox* shown = list(number);
      QCOMPARE(itemsOf(*shown), itemsOf(expected));
      QCOMPARE(shown->currentIndex(), expected.shown);
      QCOMPARE(shown->currentText(), toQString(expected.items.at(expected.shown)));
    }
    // The frame alignment lists explain themselves in the language too.
    for (auto [number, id] : {std::pair{5, 1169}, {6, 1170}, {13, 1171}})
      QCOMPARE(list(number)->toolTip(), toQString(catalogue::text(language, id)));
  }

 private slots:
  void init() {
    session.start(1);
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
  }
  void cleanup() { session.stop(); }

  void everyTextFollowsTheLanguageAndTheCardStays() {
    // Some choices made before the switch: a format, a frame width, the card window shown.
    list(16)->setCurrentIndex(2);
    QVERIFY(card().size() != QSize(182, 273));
    const QRect frame1 = card().frameEdit(1)->geometry();
    list(1)->setFocus();
    list(1)->setCurrentIndex(3);
    QTest::keyClick(list(1), Qt::Key_Return);
    QVERIFY(card().frameEdit(1)->geometry() != frame1);
    main().findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    // A step taken in a list but not confirmed is no change of the card.
    list(20)->setCurrentIndex(2);
    list(14)->setCurrentIndex(1);
    menus().control.silentMode->setChecked(true);
    const QStringList before = cardState();

    menus().control.english->trigger();
    verifyWindowIn(Language::English);
    QCOMPARE(list(14)->itemText(0), QStringLiteral("left edge + 10"));
    QCOMPARE(cardState(), before);

    menus().control.german->trigger();
    verifyWindowIn(Language::German);
    QCOMPARE(cardState(), before);

    menus().control.french->trigger();
    verifyWindowIn(Language::French);
    QCOMPARE(cardState(), before);
    QVERIFY(menus().control.silentMode->isChecked());
    QVERIFY(menus().control.automaticBackup->isChecked());
  }

  void everyMenuEntryHasItsRowInTheTable() {
    QSet<QAction*> captioned;
    for (const CaptionEntry& entry : mainWindowCaptions()) {
      QObject* target = languageSwitch().targets().find(toQString(std::string(entry.control)));
      if (auto* menu = qobject_cast<QMenu*>(target)) target = menu->menuAction();
      if (auto* action = qobject_cast<QAction*>(target)) captioned << action;
    }
    // No catalogue entry names the export: it reads the same in every language. The card stock and
    // calibration items are captioned by the print commands whenever the menu opens, and the stocks
    // are named by their template files.
    captioned << menus().file.exportPdf;
    QMenu* stocks = menus().file.menu->findChild<QMenu*>(QStringLiteral("mfeuillecartes"));
    captioned << stocks->menuAction();
    for (const char* item : {"mpagecalibrage_click", "mcalibrage_click"})
      captioned << menus().file.menu->findChild<QAction*>(QString::fromLatin1(item));
    for (QMenu* menu : main().findChildren<QMenu*>()) {
      if (menu == stocks) continue;
      for (QAction* action : menu->actions())
        QVERIFY2(action->isSeparator() || captioned.contains(action), qPrintable(action->text()));
    }
  }
};

ORVANE_APP_TEST_MAIN(LanguageSwitchTest)
#include "language_switch_test.moc"
