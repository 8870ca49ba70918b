#pragma once
// The frames show their core RichText in QTextEdits; these carry a document across, run by run.

#include "richtext/rich_text.h"

class QTextDocument;

namespace orvane {

/// Replaces the content of `document` with `text`.
void fillDocument(QTextDocument& document, const RichText& text);

/// The content of `document` as a RichText.
RichText readDocument(const QTextDocument& document);

}  // namespace orvane
