#pragma once
// Documents handed to the system's print queues, and what the scheduler then did with them.

#include <QString>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QPrinter;

namespace orvane {

/// An option of a queued document, by its name in the print system: {"print-color-mode", "monochrome"}.
using QueueOption = std::pair<std::string, std::string>;

/// The options a document drawn for `printer` goes to its queue with: the options chosen in the print
/// dialog, the sides it chose, and what the program itself decides: A4 paper, the page orientation and
/// the colour mode `printer` was set to.
std::vector<QueueOption> queueOptions(const QPrinter& printer);

/// Hands the PDF document `file` to the system printer `printer` ("queue" or "queue/instance", the
/// instance's own options coming first) under the name `title`, with `options`; then asks the
/// scheduler for the job's state. Returns why the scheduler refused the document or abandoned the job,
/// or nothing when it holds it (waiting, printing or printed).
std::optional<std::string> queueDocument(const QString& printer, const QString& file, const QString& title,
                                         const std::vector<QueueOption>& options);

}  // namespace orvane
