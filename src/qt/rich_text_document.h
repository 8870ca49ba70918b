#pragma once
// The frames show their core RichText in QTextEdits; these carry a document across, run by run.

#include "richtext/rich_text.h"

class QTextDocument;

namespace orvane {

/// Replaces the content of `document` with `text`; the document keeps its margins.
void fillDocument(QTextDocument& document, const RichText& text);

/// The content of `document` as a RichText.
RichText readDocument(const QTextDocument& document);

/// Gives `document` the tab stops and the wrap of a card frame's text on a surface of `dotsPerInch`.
void setFrameTextOption(QTextDocument& document, int dotsPerInch);

/// Lays `document` out as a card frame shows its text, insets and tab stops included, so that the
/// frame on screen breaks its lines where the printed sheet does.
void setFrameLayout(QTextDocument& document, int dotsPerInch);

}  // namespace orvane
