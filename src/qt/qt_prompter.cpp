#include "qt/qt_prompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "qt/help_viewer.h"
#include "qt/qt_text.h"

namespace orvane {

namespace {

QMessageBox::Icon iconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information:
      return QMessageBox::Information;
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Confirmation:
      return QMessageBox::Question;
    case MessageKind::Plain:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::OkAbort:
      return QMessageBox::Ok | QMessageBox::Abort;
    case Buttons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

Answer answerOf(int button) {
  switch (button) {
    case QMessageBox::Cancel:
      return Answer::Cancel;
    case QMessageBox::Abort:
      return Answer::Abort;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Ok;
  }
}

// The answer of a box that closed without a click, when the run is ending: the one that changes nothing.
Answer cautiousAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
      return Answer::Cancel;
    case Buttons::OkAbort:
      return Answer::Abort;
    case Buttons::YesNo:
      return Answer::No;
    case Buttons::Ok:
      break;
  }
  return Answer::Ok;
}

}  // namespace

Answer QtPrompter::show(MessageKind kind, const std::string& text, Buttons buttons, int helpContext,
                        const std::string& title) {
  QMessageBox box(iconOf(kind), title.empty() ? QApplication::applicationName() : toQString(title),
                  toQString(text), buttonsOf(buttons), QApplication::activeWindow());
  if (helpContext != 0) {
    // Help opens the help document over the box and leaves the box waiting for its answer.
    QPushButton* help = box.addButton(QMessageBox::Help);
    QObject::disconnect(help, &QAbstractButton::clicked, nullptr, nullptr);
    QObject::connect(help, &QAbstractButton::clicked, &box,
                     [&box, helpContext, text] { openHelp(helpContext, text, &box); });
    // A lone OK still answers Escape, as it does without the Help button.
    if (buttons == Buttons::Ok) box.setEscapeButton(QMessageBox::Ok);
  }
  const int button = box.exec();
  return box.clickedButton() ? answerOf(button) : cautiousAnswer(buttons);
}

}  // namespace orvane
