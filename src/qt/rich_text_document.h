#pragma once
// The frames show their core RichText in QTextEdits; these carry a document across, run by run.

#include <vector>

#include "richtext/rich_text.h"
#include "services/text_metrics.h"

class QTextDocument;

namespace orvane {

/// Replaces the content of `document` with `text`; the document keeps its margins.
void fillDocument(QTextDocument& document, const RichText& text);

/// The content of `document` as a RichText.
RichText readDocument(const QTextDocument& document);

/// Gives `document` tab stops every `tabStop` pixels and the wrap of a text control.
void setFrameTextOption(QTextDocument& document, int tabStop);

/// Lays `document` out as a text control of `box` shows its text, insets and tab stops included. The
/// windows' text controls and the layout the printed pages draw both take it, so that they break
/// their lines alike.
void setTextBoxLayout(QTextDocument& document, const TextBox& box);

/// The lines `document` displays, as laid out now.
std::vector<DisplayLine> displayLinesOf(const QTextDocument& document);

/// The lines of `text` in a text control of `box`, laid out as the windows lay it out.
std::vector<DisplayLine> layOutTextBox(const RichText& text, const TextBox& box);

}  // namespace orvane
