// The card's contact and QR code in the editor: the contact dialog of the "éléments" panel filled and
// accepted, the QR code group beside the icon's lists, the code drawn above the frames on the card
// window, and the vCard export.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/contact_dialog.h"
#include "app_test_main.h"
#include "contact/vcard.h"
#include "editor_under_test.h"
#include "qt/qt_picture_service.h"
#include "support/scripted_file_dialogs.h"

using namespace orvane;

class ContactQrTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedFileDialogs dialogs;

  TForm2& main() { return *session.editor->mainWindow(); }
  TForm1& cardWindow() { return session.editor->cardWindow(); }
  CardModel& card() { return session.editor->card(); }
  template <typename Control>
  Control* control(const QString& name) {
    auto* found = main().findChild<Control*>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
  }

  /// Opens the contact dialog from the menu; `fill` types into it before OK (or Cancel) is pressed.
  void editContact(const std::function<void(ContactDialog&)>& fill, QDialogButtonBox::StandardButton button) {
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
      auto* dialog = qobject_cast<ContactDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      seen = true;
      fill(*dialog);
      dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
    main().menus().elements.contact->trigger();
    QVERIFY(seen);
  }
  static void type(ContactDialog& dialog, const char* field, const QString& text) {
    dialog.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(text);
  }

  /// Types `text` over what the list shows and releases Enter.
  void confirm(const QString& list, const QString& text) {
    auto* box = control<QComboBox>(list);
    box->setFocus();
    box->lineEdit()->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }

 private slots:
  void init() {
    session.start(1);
    dialogs = ScriptedFileDialogs();
    session.editor->elementCommands().setFileDialogs(dialogs);
  }
  void cleanup() { session.stop(); }

  void theQrCodeGroupStandsInTheIconGroupClearOfItsControls() {
    auto* group = control<QGroupBox>(QStringLiteral("GroupBox7"));
    QCOMPARE(group->parent()->objectName(), QStringLiteral("GroupBox2"));
    QCOMPARE(group->title(), QStringLiteral("QR CODE"));
    const QRect iconGroup = control<QGroupBox>(QStringLiteral("GroupBox2"))->rect();
    QVERIFY(iconGroup.contains(group->geometry()));
    for (const char* name : {"ComboBox9", "ComboBox10", "ComboBox17", "ComboBox11", "CheckBox7", "CheckBox8",
                             "iconPreview1", "iconPreview2"})
      QVERIFY2(!group->geometry().intersects(control<QWidget>(QString::fromLatin1(name))->geometry()), name);
    for (const char* name : {"ComboBox21", "ComboBox22", "ComboBox23", "CheckBox9", "CheckBox10"}) {
      QWidget* inside = control<QWidget>(QString::fromLatin1(name));
      QVERIFY2(group->rect().contains(inside->geometry()), name);
    }
    QCOMPARE(control<QComboBox>(QStringLiteral("ComboBox23"))->currentText(), QStringLiteral("taille"));

    main().menus().control.german->trigger();
    QCOMPARE(group->title(), QStringLiteral("QR-CODE"));
    QCOMPARE(control<QCheckBox>(QStringLiteral("CheckBox9"))->text(), QStringLiteral("zeigen"));
    QCOMPARE(main().menus().elements.exportContact->text(), QStringLiteral("Kontakt exportieren"));
  }

  void anAcceptedContactIsTheCardsAndItsCodeShowsAboveTheFrames() {
    editContact(
        [](ContactDialog& dialog) {
          type(dialog, "givenName", QStringLiteral("Hélène"));
          type(dialog, "familyName", QStringLiteral("Dupré"));
          type(dialog, "telephone2", QStringLiteral("06 12, 34; 56"));
          dialog.findChild<QPlainTextEdit*>(QStringLiteral("address"))
              ->setPlainText(QStringLiteral("12 rue des Lilas\n75011 Paris"));
        },
        QDialogButtonBox::Ok);
    Contact expected;
    expected.givenName = "Hélène";
    expected.familyName = "Dupré";
    expected.telephones[1] = "06 12, 34; 56";
    expected.address = "12 rue des Lilas\n75011 Paris";
    QCOMPARE(card().contact.contact, expected);
    QVERIFY(!cardWindow().qrCodeLabel()->isVisible());

    // Shown over frame 1, the code lies above it: its top-left finder corner is dark on the window.
    const FrameModel& frame = card().frame(1);
    confirm(QStringLiteral("ComboBox21"), QString::number(frame.frameLeft - card().contact.qr.left));
    confirm(QStringLiteral("ComboBox22"), QString::number(frame.frameTop - card().contact.qr.top));
    control<QCheckBox>(QStringLiteral("CheckBox9"))->click();
    QVERIFY(card().contact.qr.shown);
    cardWindow().show();
    QVERIFY(cardWindow().qrCodeLabel()->isVisible());
    QVERIFY(cardWindow().qrCodeLabel()->geometry().contains(QRect(frame.frameLeft, frame.frameTop, 80, 80)));
    const QImage shown = cardWindow().grab().toImage().scaled(cardWindow().size());
    const std::optional<QrCode> code = QtPictureService().encodeQrCode(writeVCard(expected));
    QVERIFY(code);
    const int module = 80 / (code->width + 8);
    const int margin = (80 - module * (code->width + 8)) / 2 + 4 * module;
    QCOMPARE(shown.pixelColor(frame.frameLeft + margin, frame.frameTop + margin), QColor(Qt::black));
    QCOMPARE(shown.pixelColor(frame.frameLeft + margin - 1, frame.frameTop + margin), QColor(Qt::white));

    // The size list grows the code; a size too small for any code is refused.
    confirm(QStringLiteral("ComboBox23"), QStringLiteral("taille+10"));
    QCOMPARE(card().contact.qr.size, 90);
    confirm(QStringLiteral("ComboBox23"), QStringLiteral("taille -80"));
    QCOMPARE(card().contact.qr.size, 90);

    // Cancel keeps the contact; an emptied contact hides the code and unchecks its box.
    editContact([](ContactDialog& dialog) { type(dialog, "familyName", QStringLiteral("X")); },
                QDialogButtonBox::Cancel);
    QCOMPARE(card().contact.contact, expected);
    editContact(
        [](ContactDialog& dialog) {
          for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) edit->clear();
          dialog.findChild<QPlainTextEdit*>()->clear();
        },
        QDialogButtonBox::Ok);
    QVERIFY(card().contact.contact.isEmpty());
    QVERIFY(!cardWindow().qrCodeLabel()->isVisible());
    QVERIFY(!control<QCheckBox>(QStringLiteral("CheckBox9"))->isChecked());
  }

  void theExportWritesTheVCardTheCodeEncodes() {
    QTemporaryDir folder;
    card().contact.contact.email = "anne@exemple.fr";
    const std::string path = folder.filePath(QStringLiteral("anne.vcf")).toStdString();
    dialogs.choose(path, "vcf");
    main().menus().elements.exportContact->trigger();
    QFile written(QString::fromStdString(path));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().toStdString(), writeVCard(card().contact.contact));
    QVERIFY(session.shownTexts().isEmpty());
  }
};

ORVANE_APP_TEST_MAIN(ContactQrTest)
#include "contact_qr_test.moc"
