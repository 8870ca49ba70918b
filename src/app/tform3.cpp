#include "app/tform3.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTextDocument>
#include <QTextEdit>

#include "app/outer_size.h"
#include "help/user_guide.h"
#include "qt/qt_text.h"
#include "qt/sheet_date_time.h"

namespace orvane {

namespace {

constexpr QSize designSize{696, 521};
constexpr const char* printerAccessError = "Erreur d'accès à l'imprimante.";

QPushButton* button(const char* name, const QString& caption, QRect geometry, QWidget* parent) {
  auto* pushButton = new QPushButton(caption, parent);
  pushButton->setObjectName(QString::fromLatin1(name));
  pushButton->setGeometry(geometry);
  return pushButton;
}

QRadioButton* radioButton(const char* name, const QString& caption, QRect geometry, QWidget* parent) {
  auto* radio = new QRadioButton(caption, parent);
  radio->setObjectName(QString::fromLatin1(name));
  radio->setGeometry(geometry);
  return radio;
}

bool askWithPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

TForm3::TForm3(Prompter& prompter, std::function<void()> endProgram, QWidget* parent)
    : QWidget(parent, Qt::Window),
      printDialog(askWithPrintDialog),
      prompter_(prompter),
      endProgram_(std::move(endProgram)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName(QStringLiteral("TForm3"));
  setWindowTitle(QStringLiteral("édition de cartes "));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowModality(Qt::ApplicationModal);
  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setGeometry(32, 24, 625, 297);
  RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(button("Button1", QStringLiteral("ok"), {400, 376, 81, 41}, this), &QPushButton::clicked, this,
          &TForm3::Button1Click);
  connect(button("Button2", QStringLiteral("imprimer"), {496, 376, 73, 41}, this), &QPushButton::clicked,
          this, &TForm3::Button2Click);
  connect(button("Button3", QStringLiteral("fin programme"), {584, 376, 73, 41}, this), &QPushButton::clicked,
          this, &TForm3::Button3Click);
  rb1 = radioButton("rb1", QStringLiteral("portrait"), {536, 432, 121, 17}, this);
  rb2 = radioButton("rb2", QStringLiteral("paysage"), {536, 456, 121, 17}, this);
  rb1->setChecked(true);
  connect(rb1, &QRadioButton::clicked, this, &TForm3::rb1_click);
  connect(rb2, &QRadioButton::clicked, this, &TForm3::rb2_click);
  new OuterSize(*this, designSize);
  fillGuide();
  sizeReference_ = outerSize();
}

TForm3::~TForm3() = default;

TForm3* TForm3::formload(Prompter& prompter, std::function<void()> endProgram) {
  auto* window = new TForm3(prompter, std::move(endProgram));
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  window->move(screen.center() - QPoint(designSize.width() / 2, designSize.height() / 2));
  window->show();
  return window;
}

void TForm3::fillGuide() {
  RichEdit1->clear();
  QStringList rows;
  for (const std::string& row : guideRows()) rows << toQString(row);
  RichEdit1->setPlainText(rows.join(QLatin1Char('\n')));
}

void TForm3::Button1Click() { close(); }

void TForm3::Button3Click() {
  close();
  if (endProgram_) endProgram_();
}

void TForm3::rb1_click() { setOrientation(); }

void TForm3::rb2_click() { setOrientation(); }

void TForm3::setOrientation() {
  printer_->setPageOrientation(rb1->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void TForm3::Button2Click() {
  rb1->setEnabled(true);
  rb2->setEnabled(true);
  setOrientation();
  if (!printDialog(*printer_, this)) return;
  const QString selection = RichEdit1->textCursor().selectedText();
  if (!selection.isEmpty()) {
    printSelection(selection);
    return;
  }
  printer_->setDocName(QStringLiteral("Orvane : assistance technique :") +
                       toQString(sheetDateTime(QDateTime::currentDateTime())));
  // The box shows each row of the guide unbroken, scrolled sideways; the page has no scroll bar, so
  // there the rows are wrapped to its width.
  const std::unique_ptr<QTextDocument> pages(RichEdit1->document()->clone());
  QTextOption wrapped = pages->defaultTextOption();
  wrapped.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  pages->setDefaultTextOption(wrapped);
  pages->print(printer_.get());
  // The whole text's printing says nothing of a printer it could not open: its state does.
  if (printer_->printerState() == QPrinter::Error)
    prompter_.show(MessageKind::Error, printerAccessError, Buttons::Ok);
}

void TForm3::printSelection(const QString& selection) {
  // Plain text, as typed, in the printer's own lines: the selection's paragraph ends become line ends.
  QString text = selection;
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  QPainter painter;
  if (!painter.begin(printer_.get())) {
    prompter_.show(MessageKind::Error, printerAccessError, Buttons::Ok);
    return;
  }
  painter.setFont(RichEdit1->font());
  painter.drawText(painter.viewport(), Qt::AlignLeft | Qt::AlignTop, text);
  if (!painter.end()) prompter_.show(MessageKind::Error, printerAccessError, Buttons::Ok);
}

WindowSize TForm3::outerSize() const {
  const QSize outer = frameGeometry().size();
  return {outer.width(), outer.height()};
}

void TForm3::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  form3_resize();
}

void TForm3::form3_resize() {
  const WindowSize now = outerSize();
  for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect place = control->geometry();
    const Rect scaled = scaleProportionally(
        Rect::fromSize(place.x(), place.y(), place.width(), place.height()), sizeReference_, now);
    control->setGeometry(scaled.left, scaled.top, scaled.width(), scaled.height());
  }
  sizeReference_ = now;
}

}  // namespace orvane
