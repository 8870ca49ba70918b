// Every window shows each of its captions whole, in French, English and German, in the one interface
// font; Qt's own dialogs and buttons speak the interface language.
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "app/main/colour_font_controls.h"
#include "app/main/offset_combo_box.h"
#include "app/minicv/tform7.h"
#include "app/tform10.h"
#include "app/tform11.h"
#include "app/tform3.h"
#include "app/tform4.h"
#include "app/tform9.h"
#include "app_test_main.h"
#include "caption_fit.h"
#include "catalogue/catalogue.h"
#include "editor_under_test.h"
#include "qt/help_viewer.h"
#include "qt/qt_file_dialogs.h"
#include "qt/qt_prompter.h"

using namespace orvane;
using orvane::test::cutCaptions;

namespace {

constexpr std::array languages{Language::French, Language::English, Language::German};

QString nameOf(Language language) { return QString::fromLatin1(languageCode(language).data(), 2); }

// Runs `check` on the modal window that `open` brings up, then closes it.
void whileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& check) {
  QTimer::singleShot(0, [check] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal);
    check(*modal);
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  });
  open();
}

// Every warning the frame groups can show in `language`: each message with each numbered information.
QStringList frameWarnings(Language language) {
  QStringList messages;
  for (int id : {1147, 1149, 1150, 1151}) messages << QString::fromStdString(catalogue::text(language, id));
  for (int id : {1146, 1148}) messages << QString::fromStdString(catalogue::format(language, id, "2"));
  QStringList warnings;
  for (const QString& message : messages)
    for (const char* information : {"100", "110", "120"})
      warnings << message + QStringLiteral("\r\nInformation ") + QLatin1String(information);
  warnings << QString::fromStdString(catalogue::text(language, 1149)) + QStringLiteral(" - Information 100")
           << QStringLiteral("Texte trop large (1234)/(185)\r\nInformation 140");
  return warnings;
}

// The captions cut while each item of each list of `window` is the one shown.
QStringList cutListItems(QWidget& window) {
  QStringList cut;
  for (QComboBox* list : window.findChildren<QComboBox*>()) {
    if (!list->lineEdit()) continue;
    const QSignalBlocker quiet(list);
    const QString shown = list->currentText();
    for (int item = 0; item < list->count(); ++item) {
      list->lineEdit()->setText(list->itemText(item));
      cut << cutCaptions(*list);
    }
    list->lineEdit()->setText(shown);
  }
  return cut;
}

QString report(Language language, const QStringList& cut) {
  return nameOf(language) + QStringLiteral(":\n") + cut.join(QLatin1Char('\n'));
}

}  // namespace

class CaptionsTest : public QObject {
  Q_OBJECT

  ScriptedPrompter prompter;

  static void switchTo(TForm2& main, Language language) {
    const PopupMenus& menus = main.menus();
    QAction* item = language == Language::French    ? menus.control.french
                    : language == Language::English ? menus.control.english
                                                    : menus.control.german;
    item->trigger();
  }

 private slots:
  void cleanup() {
    for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void theWindowsUseTheInterfaceFont() {
    // The face is installed with the program's packages: no other face stands in for it.
    QWidget window;
    QCOMPARE(window.fontInfo().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(window.fontInfo().pixelSize(), 11);
  }

  void theMainWindowShowsEveryCaptionAndWarningWhole() {
    EditorUnderTest session;
    session.start(1);
    TForm2& main = *session.editor->mainWindow();
    auto* fontControls = main.findChild<ColourFontControls*>(QStringLiteral("colourFontControls"));
    QVERIFY(fontControls);
    QStringList problems;
    for (Language language : languages) {
      switchTo(main, language);
      QStringList cut = cutCaptions(main) + cutListItems(main);
      // A warning is a notice laid over the group for a moment: its own text shows whole.
      for (const QString& warning : frameWarnings(language)) {
        for (int frame : {1, 2}) {
          fontControls->showFrameWarning(frame, warning);
          cut << cutCaptions(main).filter(QRegularExpression(QStringLiteral("^Label[47] ")));
          fontControls->showFrameWarning(frame, {});
        }
      }
      cut.removeDuplicates();
      if (!cut.isEmpty()) problems << report(language, cut);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
  }

  void aWarningOfTheFrameControlsShowsWhole() {
    EditorUnderTest session;
    session.start(1);
    TForm2& main = *session.editor->mainWindow();
    // A frame 1 much wider than the card is cut back to it, and the group says so.
    auto* width = main.findChild<OffsetComboBox*>(QStringLiteral("ComboBox1"));
    QVERIFY(width);
    width->setEditText(QStringLiteral("largeur +400"));
    QTest::keyClick(width->lineEdit(), Qt::Key_Return);
    auto* warning = main.findChild<QLabel*>(QStringLiteral("Label4"));
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), QStringLiteral("Cadre 1 redimensionné automatiquement\r\nInformation 120"));
    const QStringList cut = cutCaptions(main);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
  }

  void theOtherWindowsShowEveryCaptionWhole() {
    QTemporaryDir folder;
    QStringList problems;
    for (Language language : languages) {
      QApplication* application = qApp;
      dynamic_cast<OrvaneApplication*>(application)->speak(language);
      QStringList cut;

      TForm3* help = TForm3::formload(prompter, {});
      cut << cutCaptions(*help);
      help->close();

      TForm4* about = TForm4::formload();
      cut << cutCaptions(*about);
      // A window manager's frame takes its room from the client area: the button stays inside it.
      about->resize(about->width() - 8, about->height() - 30);
      cut << cutCaptions(*about);
      about->close();

      QWidget owner;
      HelpViewer* helpDocument = openHelp(100, {}, &owner);
      cut << cutCaptions(*helpDocument);
      helpDocument->close();

      TForm9 chooser(nullptr, folder.path());
      chooser.show();
      cut << cutCaptions(chooser);
      chooser.close();

      FontOptions options;
      TForm11 fontOptions(options, language, nullptr);
      fontOptions.show();
      cut << cutCaptions(fontOptions);
      fontOptions.close();

      QString answer;
      whileModal(
          [&answer] { QueryText(QStringLiteral("navigateur"), QStringLiteral("1 : IE4"), {}, answer); },
          [&cut](QWidget& query) { cut << cutCaptions(query); });

      QtPrompter boxes;
      for (Buttons buttons :
           {Buttons::Ok, Buttons::OkCancel, Buttons::OkAbort, Buttons::YesNo, Buttons::YesNoCancel}) {
        whileModal([&boxes, buttons] { boxes.show(MessageKind::Warning, "Orvane", buttons, 9, {}); },
                   [&cut](QWidget& box) { cut << cutCaptions(box); });
      }
      if (!cut.isEmpty()) problems << report(language, cut);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    dynamic_cast<OrvaneApplication*>(qApp)->speak(Language::French);
  }

  void qtsOwnButtonsAndDialogsSpeakTheInterfaceLanguage() {
    EditorUnderTest session;
    session.start(1);
    TForm2& main = *session.editor->mainWindow();
    switchTo(main, Language::English);
    switchTo(main, Language::French);
    QtPrompter boxes;
    QStringList captions;
    whileModal([&boxes] { boxes.show(MessageKind::Confirmation, "Orvane", Buttons::YesNoCancel, 0, {}); },
               [&captions](QWidget& box) {
                 for (auto* button : box.findChildren<QAbstractButton*>()) captions << button->text();
               });
    whileModal([&boxes] { boxes.show(MessageKind::Warning, "Orvane", Buttons::OkAbort, 0, {}); },
               [&captions](QWidget& box) {
                 for (auto* button : box.findChildren<QAbstractButton*>()) captions << button->text();
               });
    captions.sort();
    QCOMPARE(captions,
             (QStringList{QStringLiteral("&Non"), QStringLiteral("&Oui"), QStringLiteral("Abandonner"),
                          QStringLiteral("Annuler"), QStringLiteral("OK")}));

    QtFileDialogs files;
    QStringList fileButtons;
    whileModal(
        [&files] {
          files.openFile({"texte|*.rtf", "", "", "", "rtf", 0, false});
        },
        [&fileButtons](QWidget& dialog) {
          for (auto* button : dialog.findChild<QDialogButtonBox*>()->buttons()) fileButtons << button->text();
        });
    whileModal(
        [&files] {
          files.saveFile({"texte|*.rtf", "", "", "", "rtf", 0, false});
        },
        [&fileButtons](QWidget& dialog) {
          fileButtons << dialog.windowTitle();
          for (auto* button : dialog.findChild<QDialogButtonBox*>()->buttons()) fileButtons << button->text();
        });
    QCOMPARE(fileButtons, (QStringList{QStringLiteral("&Ouvrir"), QStringLiteral("Annuler"),
                                       QStringLiteral("Enregistrer sous"), QStringLiteral("&Enregistrer"),
                                       QStringLiteral("Annuler")}));

    QString colourTitle;
    whileModal([] { QColorDialog::getColor(); },
               [&colourTitle](QWidget& dialog) { colourTitle = dialog.windowTitle(); });
    QCOMPARE(colourTitle, QStringLiteral("Sélectionner une couleur"));
    QString fontTitle;
    whileModal(
        [] {
          bool chosen = false;
          QFontDialog::getFont(&chosen);
        },
        [&fontTitle](QWidget& dialog) { fontTitle = dialog.windowTitle(); });
    QCOMPARE(fontTitle, QStringLiteral("Choisir une police"));

    switchTo(main, Language::German);
    QString germanYes;
    whileModal([&boxes] { boxes.show(MessageKind::Confirmation, "Orvane", Buttons::YesNo, 0, {}); },
               [&germanYes](QWidget& box) {
                 germanYes = qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Yes)->text();
               });
    QCOMPARE(germanYes, QStringLiteral("&Ja"));

    // The mini-CV editor switches the same interface language.
    main.menus().miniCv.edit->trigger();
    TForm7* cvEditor = session.editor->miniCvCommands().editor();
    QVERIFY(cvEditor);
    cvEditor->changeLanguage(Language::English);
    QString englishYes;
    whileModal([&boxes] { boxes.show(MessageKind::Confirmation, "Orvane", Buttons::YesNo, 0, {}); },
               [&englishYes](QWidget& box) {
                 englishYes = qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Yes)->text();
               });
    QCOMPARE(englishYes, QStringLiteral("&Yes"));
    cvEditor->changeLanguage(Language::French);
  }
};

ORVANE_APP_TEST_MAIN(CaptionsTest)
#include "captions_test.moc"
