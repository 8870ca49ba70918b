#include "qt/help_viewer.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "help/user_guide.h"
#include "qt/qt_text.h"

namespace orvane {

HelpViewer::HelpViewer(int entryRow, QWidget* parent) : QDialog(parent), entryRow_(entryRow) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Orvane : aide"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Over a message box the help must take the input the box holds, so it is modal as well.
  setWindowModality(Qt::ApplicationModal);
  resize(700, 480);
  text_ = new QTextBrowser(this);
  text_->setObjectName(QStringLiteral("helpText"));
  // One row per line, as the guide is written: the entry rows are rows of the document.
  text_->setLineWrapMode(QTextEdit::NoWrap);
  QStringList rows;
  for (const std::string& row : guideRows()) rows << toQString(row);
  text_->setPlainText(rows.join(QLatin1Char('\n')));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
}

void HelpViewer::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  const QTextBlock entry = text_->document()->findBlockByNumber(entryRow_);
  QTextCursor cursor(entry);
  text_->setTextCursor(cursor);
  const auto top = text_->document()->documentLayout()->blockBoundingRect(entry).top();
  text_->verticalScrollBar()->setValue(static_cast<int>(top));
}

int HelpViewer::firstShownRow() const { return text_->cursorForPosition({0, 0}).blockNumber(); }

HelpViewer* openHelp(int context, const std::string& messageText, QWidget* parent) {
  auto* viewer = new HelpViewer(helpEntryRow(context, messageText), parent);
  viewer->show();
  return viewer;
}

void installHelpKey(QWidget& window, int context) {
  auto* key = new QShortcut(QKeySequence::HelpContents, &window);
  key->setObjectName(QStringLiteral("helpKey"));
  QObject::connect(key, &QShortcut::activated, &window,
                   [&window, context] { openHelp(context, {}, &window); });
}

}  // namespace orvane
