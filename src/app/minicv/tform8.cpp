#include "app/minicv/tform8.h"

#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "qt/rich_text_document.h"

namespace orvane {

TForm8::TForm8(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TForm8"));
  setWindowTitle(QStringLiteral("Orvane : mini-cv"));
  setFixedSize(696, 311);
  richEdit1_ = new QTextEdit(this);
  richEdit1_->setObjectName(QStringLiteral("RichEdit1"));
  richEdit1_->setGeometry(32, 48, 625, 153);
  richEdit1_->setReadOnly(true);
  // The schema is read column by column: lines never wrap, both scroll bars stay.
  richEdit1_->setLineWrapMode(QTextEdit::NoWrap);
  richEdit1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  bitBtn1_ = new QPushButton(QStringLiteral("ok"), this);
  bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
  bitBtn1_->setGeometry(296, 232, 81, 33);
  connect(bitBtn1_, &QPushButton::clicked, this, [this] { done(1); });
}

void TForm8::setText(const RichText& text) {
  fillDocument(*richEdit1_->document(), text);
  richEdit1_->moveCursor(QTextCursor::Start);
}

int showTabSchema(QWidget* parent, const RichText& schema) {
  TForm8 view(parent);
  view.setText(schema);
  return view.exec();
}

}  // namespace orvane
