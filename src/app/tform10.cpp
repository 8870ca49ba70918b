#include "app/tform10.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/outer_size.h"
#include "qt/qt_text.h"

namespace orvane {

TForm10::TForm10(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm10"));
  setWindowTitle(QStringLiteral("Orvane : "));
  new OuterSize(*this, {696, 269});
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(48, 24, 593, 73);
  Memo1->setReadOnly(true);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(128, 128, 513, 21);
  auto* ok = new QPushButton(QStringLiteral("ok"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setGeometry(464, 176, 81, 33);
  connect(ok, &QPushButton::clicked, this, &TForm10::Button1Click);
  auto* cancel = new QPushButton(QStringLiteral("annuler"), this);
  cancel->setObjectName(QStringLiteral("Button2"));
  cancel->setGeometry(560, 176, 81, 33);
  connect(cancel, &QPushButton::clicked, this, &TForm10::Button2Click);
  // `formcreate`: the window sees keys before its controls, so Escape ends it from any of them.
  Memo1->installEventFilter(this);
  Edit1->installEventFilter(this);
}

QString& TForm10::lastConfirmedAnswer() {
  static QString answer;
  return answer;
}

void TForm10::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Edit1->setFocus();
}

bool TForm10::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    reject();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TForm10::Button1Click() {
  lastConfirmedAnswer() = Edit1->text();
  accept();
}

void TForm10::Button2Click() { reject(); }

void TForm10::accept() {
  ending_ = QueryEnding::Confirmed;
  QDialog::accept();
}

// "annuler", Escape and the close box all end here.
void TForm10::reject() {
  ending_ = QueryEnding::Cancelled;
  QDialog::reject();
}

QueryEnding QueryText(const QString& title, const QString& prompt, const QString& defaultAnswer,
                      QString& result) {
  TForm10 dialog;
  dialog.setWindowTitle(dialog.windowTitle() + title);
  dialog.Edit1->setText(defaultAnswer);
  QString lines = prompt;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  dialog.Memo1->setPlainText(lines);
  dialog.exec();
  result = toQString(queryAnswer(dialog.ending(), toStdString(TForm10::lastConfirmedAnswer()),
                                 toStdString(dialog.Edit1->text()), toStdString(result)));
  return dialog.ending();
}

std::optional<std::string> TForm10Query::ask(const std::string& title, const std::string& prompt,
                                             const std::string& proposed) {
  QString result;
  if (QueryText(toQString(title), toQString(prompt), toQString(proposed), result) == QueryEnding::Other)
    return std::nullopt;
  return toStdString(result);
}

}  // namespace orvane
