// The "éléments" panel's texts, icon and pattern, and the clipboard both ways, driven through their
// menu items and button with the real picture reader and the platform's clipboard.
#include "app/main/element_commands.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>

#include "app_test_main.h"
#include "editor_under_test.h"
#include "support/scripted_file_dialogs.h"

using namespace orvane;

class ElementCommandsTest : public QObject {
  Q_OBJECT

  EditorUnderTest session;
  ScriptedFileDialogs dialogs;
  QTemporaryDir folder;

  void start() {
    session.start(1);
    session.editor->elementCommands().setFileDialogs(dialogs);
  }
  TForm2& main() { return *session.editor->mainWindow(); }
  TForm1& cardWindow() { return session.editor->cardWindow(); }
  CardModel& card() { return session.editor->card(); }
  std::string file(const QString& name, const QByteArray& bytes) {
    QFile out(folder.filePath(name));
    if (!out.open(QIODevice::WriteOnly)) return {};
    out.write(bytes);
    return out.fileName().toStdString();
  }
  std::string bitmap(const QString& name, QColor colour) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = folder.filePath(name);
    return image.save(path, "BMP") ? path.toStdString() : std::string();
  }
  static QImage pixels(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

 private slots:
  void init() {
    QVERIFY(folder.isValid());
    dialogs = ScriptedFileDialogs();
  }
  void cleanup() { session.stop(); }

  void aFrameTextLoadedFromTheMenuShowsOnTheCardAndSavesAsRichText() {
    start();
    dialogs.choose(file(QStringLiteral("adresse.txt"), "12 rue des Lilas\r\nParis\r\n"), "");
    main().menus().elements.frame2Text.load->trigger();
    QCOMPARE(cardWindow().frameEdit(2)->toPlainText(), QStringLiteral("12 rue des Lilas\nParis"));
    QCOMPARE(card().frame(2).frameTextFile, folder.filePath(QStringLiteral("adresse.txt")).toStdString());
    QVERIFY(session.shownTexts().isEmpty());

    const std::string saved = folder.filePath(QStringLiteral("copie.txt")).toStdString();
    dialogs.choose(saved, "txt");
    main().menus().elements.frame2Text.save->trigger();
    QFile written(QString::fromStdString(saved));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.startsWith("{\\rtf1\\ansi\\"));
    QVERIFY(bytes.contains("Lilas"));
  }

  void iconAndPatternComeFromPictureFilesOnly() {
    start();
    dialogs.choose(bitmap(QStringLiteral("logo.bmp"), Qt::red), "");
    main().menus().elements.icon->trigger();
    QCOMPARE(card().iconKind, IconKind::Bitmap);
    QVERIFY(cardWindow().iconLabel()->isVisible());
    QCOMPARE(pixels(cardWindow().iconLabel()->pixmap().toImage())
                 .pixel(card().iconWidth / 2, card().iconHeight / 2),
             QColor(Qt::red).rgba());

    const std::string pattern = bitmap(QStringLiteral("motif.bmp"), Qt::blue);
    dialogs.choose(pattern, "");
    main().menus().elements.pattern->trigger();
    QCOMPARE(card().patternFile, pattern);
    QVERIFY(main().findChild<QCheckBox*>(QStringLiteral("CheckBox2"))->isEnabled());
    QCOMPARE(pixels(cardWindow().decorations()).pixel(card().cardWidth - 2, card().cardHeight - 2),
             QColor(Qt::blue).rgba());

    // Text under a picture's name is refused by the real reader: said so, and nothing changes.
    const std::string fake = file(QStringLiteral("faux.bmp"), "pas une image");
    dialogs.choose(fake, "");
    main().menus().elements.pattern->trigger();
    dialogs.choose(fake, "");
    main().menus().elements.icon->trigger();
    const QString refused =
        QStringLiteral("ne peut ouvrir le fichier image : ") + QString::fromStdString(fake);
    QCOMPARE(session.shownTexts(), (QStringList{refused, refused}));
    QCOMPARE(card().patternFile, pattern);
    QCOMPARE(card().iconFile, folder.filePath(QStringLiteral("logo.bmp")).toStdString());
  }

  void theCardGoesToTheClipboardAndComesBackTheSame() {
    start();
    card().frame(1).text = RichText::fromPlainText("Jeanne Martin");
    cardWindow().showModel();
    cardWindow().drawDecorations();
    QGuiApplication::clipboard()->clear();
    main().menus().file.clipboardCopy->trigger();
    QCOMPARE(session.shownTexts(),
             QStringList{QStringLiteral("Erreur de copie du presse-papier : vérifier son contenu")});

    const QImage shown = pixels(cardWindow().grab().toImage());
    main().cardCopyButton()->click();
    const QImage held = pixels(QGuiApplication::clipboard()->image());
    QCOMPARE(held.size(), QSize(card().cardWidth, card().cardHeight));
    QCOMPARE(held, shown);

    // The card's own surface changes, then the clipboard's picture is painted back over it.
    card().cardColor = 0x00FF00;
    cardWindow().drawDecorations();
    QVERIFY(pixels(cardWindow().decorations()) != shown);
    main().menus().file.clipboardCopy->trigger();
    QCOMPARE(session.shownTexts().size(), 1);
    QCOMPARE(pixels(cardWindow().decorations()), shown);
  }
};

ORVANE_APP_TEST_MAIN(ElementCommandsTest)
#include "element_commands_test.moc"
