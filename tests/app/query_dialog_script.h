#pragma once
// Answers the next query dialog as a user does: once it is up, the answer is typed into its edit and
// one of its buttons is pressed; what the dialog showed is kept for the test to check.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "app/tform10.h"

namespace orvane {

struct QueryDialogSeen {
  QString caption;
  QString proposed;  // the answer the dialog started with
};

/// Types `answer` into the next query dialog and presses `button` ("Button1" ok, "Button2" annuler).
inline void answerNextQueryDialog(const QString& answer, const char* button, QueryDialogSeen& seen) {
  QTimer::singleShot(0, [answer, button, &seen] {
    auto* dialog = dynamic_cast<TForm10*>(QApplication::activeModalWidget());
    if (!dialog) return;
    seen.caption = dialog->windowTitle();
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    seen.proposed = edit->text();
    edit->setText(answer);
    dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
  });
}

}  // namespace orvane
