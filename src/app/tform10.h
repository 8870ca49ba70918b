#pragma once
// The query dialog: a prompt of one or more lines and one line of answer.

#include <QDialog>
#include <QString>

#include "secondary/query_answer.h"
#include "services/input_query.h"

class QLineEdit;
class QPlainTextEdit;

namespace orvane {

class TForm10 : public QDialog {
 public:
  explicit TForm10(QWidget* parent = nullptr);

  /// The answer confirmed by the latest "ok", shared by every query.
  static QString& lastConfirmedAnswer();

  void Button1Click();  // "ok"
  void Button2Click();  // "annuler"
  QueryEnding ending() const { return ending_; }

  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend QueryEnding QueryText(const QString&, const QString&, const QString&, QString&);

  QPlainTextEdit* Memo1 = nullptr;
  QLineEdit* Edit1 = nullptr;
  QueryEnding ending_ = QueryEnding::Other;
};

/// Asks `prompt` (lines separated by CR LF) under the caption "Orvane : " + `title`, with
/// `defaultAnswer` ready in the edit; sets `result` by the way the dialog ended, and returns that way.
QueryEnding QueryText(const QString& title, const QString& prompt, const QString& defaultAnswer,
                      QString& result);

/// The questions of the mini-CV's HTML menu and of its print orientation, asked in this dialog: a
/// cancel still answers with the text typed; nothing only when the dialog ended any other way.
class TForm10Query : public InputQuery {
 public:
  std::optional<std::string> ask(const std::string& title, const std::string& prompt,
                                 const std::string& proposed) override;
};

}  // namespace orvane
