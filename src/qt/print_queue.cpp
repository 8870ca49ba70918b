#include "qt/print_queue.h"

#include <cups/cups.h>

#include <QFile>
#include <QPrintEngine>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryFile>
#include <array>
#include <string_view>

namespace orvane {

namespace {

// The paper of every page the program lays out, by its name in the print system.
constexpr const char* a4Media = "iso_a4_210x297mm";
constexpr const char* portraitRequested = "3";
constexpr const char* landscapeRequested = "4";
constexpr int schedulerTimeoutMs = 30000;
// Where the print dialog keeps the queue options it offers (pages per sheet, banners, the driver's
// own settings), as name and value one after the other.
constexpr auto dialogQueueOptions = static_cast<QPrintEngine::PrintEnginePropertyKey>(0xfe00);

// The sides the print dialog chose, by their names in the print system.
const char* sides(const QPrinter& printer) {
  switch (printer.duplex()) {
    case QPrinter::DuplexNone:
      return "one-sided";
    case QPrinter::DuplexLongSide:
      return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
      return "two-sided-short-edge";
    case QPrinter::DuplexAuto:
      break;
  }
  // Both sides, bound on the edge that keeps the pages upright as they are turned.
  return printer.pageLayout().orientation() == QPageLayout::Portrait ? "two-sided-long-edge"
                                                                     : "two-sided-short-edge";
}

// The options of one document, freed with it.
class CupsOptions {
 public:
  CupsOptions() = default;
  CupsOptions(const CupsOptions&) = delete;
  CupsOptions& operator=(const CupsOptions&) = delete;
  ~CupsOptions() { cupsFreeOptions(count_, options_); }

  // A later value of the same option replaces the earlier one.
  void add(const char* name, const char* value) { count_ = cupsAddOption(name, value, count_, &options_); }
  int count() const { return count_; }
  cups_option_t* options() const { return options_; }

 private:
  int count_ = 0;
  cups_option_t* options_ = nullptr;
};

// Whether a choice of a printer's colour model prints in shades of grey: "Gray", "KGray", "Mono"...
bool greyChoice(const QString& choice) {
  for (const char* grey : {"gray", "grey", "mono", "black"})
    if (choice.contains(QLatin1String(grey), Qt::CaseInsensitive)) return true;
  return false;
}

// The choices of the "ColorModel" option in the description (PPD) of `queue`, in its order; none when
// the queue has no such description or option.
QStringList colourModels(const std::string& queue) {
  QTemporaryFile description;
  if (!description.open()) return {};
  description.close();
  const std::string resource = "/printers/" + queue + ".ppd";
  // Files are fetched on a connection of their own: the default one serves requests only.
  http_t* scheduler = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                   schedulerTimeoutMs, nullptr);
  if (!scheduler) return {};
  const http_status_t fetched =
      cupsGetFile(scheduler, resource.c_str(), QFile::encodeName(description.fileName()).constData());
  httpClose(scheduler);
  if (fetched != HTTP_STATUS_OK) return {};
  QFile lines(description.fileName());
  if (!lines.open(QIODevice::ReadOnly)) return {};
  // "*ColorModel RGB/Color: ..." is one choice; "*DefaultColorModel: Gray" and "*OpenUI *ColorModel" are not.
  static const QRegularExpression choiceLine(QStringLiteral("^\\*ColorModel\\s+([^/:\\s]+)"));
  QStringList choices;
  while (!lines.atEnd()) {
    const QRegularExpressionMatch choice = choiceLine.match(QString::fromLatin1(lines.readLine()));
    if (choice.hasMatch()) choices << choice.captured(1);
  }
  return choices;
}

// The choice of `queue`'s colour model that prints in colour, or in grey; nothing when it has none.
std::optional<std::string> colourModel(const std::string& queue, bool colour) {
  for (const QString& choice : colourModels(queue))
    if (greyChoice(choice) != colour) return choice.toStdString();
  return std::nullopt;
}

// What the scheduler says went wrong with the last request.
std::string lastError() {
  const char* text = cupsLastErrorString();
  return text && *text ? text : ippErrorString(cupsLastError());
}

// The scheduler's explanation of a job's state: the printer's message about it, or else the reasons.
std::string jobStateReason(ipp_t* job) {
  ipp_attribute_t* message = ippFindAttribute(job, "job-printer-state-message", IPP_TAG_TEXT);
  const char* text = message ? ippGetString(message, 0, nullptr) : nullptr;
  if (text && *text) return text;
  std::string reasons;
  ipp_attribute_t* why = ippFindAttribute(job, "job-state-reasons", IPP_TAG_KEYWORD);
  for (int i = 0; why && i < ippGetCount(why); ++i) {
    if (i > 0) reasons += ", ";
    reasons += ippGetString(why, i, nullptr);
  }
  return reasons;
}

// Why job `id` was abandoned (cancelled or aborted), from its state as the scheduler reports it now.
std::optional<std::string> abandonedJob(int id) {
  ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
  std::array<char, HTTP_MAX_URI> uri{};
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri.data(), static_cast<int>(uri.size()), "ipp", nullptr, "localhost",
                   ippPort(), "/jobs/%d", id);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.data());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  constexpr std::array<const char*, 3> wanted = {"job-state", "job-state-reasons",
                                                 "job-printer-state-message"};
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(wanted.size()), nullptr, wanted.data());
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  // A job the scheduler accepted and no longer describes was not abandoned as far as anyone can tell.
  if (!response) return std::nullopt;
  std::optional<std::string> reason;
  ipp_attribute_t* state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM);
  const int value = state ? ippGetInteger(state, 0) : 0;
  if (value == IPP_JSTATE_CANCELED || value == IPP_JSTATE_ABORTED)
    reason = std::string("job ") + ippEnumString("job-state", value) + " (" + jobStateReason(response) + ")";
  ippDelete(response);
  return reason;
}

}  // namespace

std::vector<QueueOption> queueOptions(const QPrinter& printer) {
  std::vector<QueueOption> options;
  const QPrintEngine* engine = printer.printEngine();
  const QStringList chosen = engine ? engine->property(dialogQueueOptions).toStringList() : QStringList();
  for (qsizetype i = 0; i + 1 < chosen.size(); i += 2)
    options.emplace_back(chosen[i].toStdString(), chosen[i + 1].toStdString());
  options.emplace_back("sides", sides(printer));
  options.emplace_back("media", a4Media);
  options.emplace_back("orientation-requested", printer.pageLayout().orientation() == QPageLayout::Landscape
                                                    ? landscapeRequested
                                                    : portraitRequested);
  options.emplace_back("print-color-mode", printer.colorMode() == QPrinter::Color ? "color" : "monochrome");
  return options;
}

std::optional<std::string> queueDocument(const QString& printer, const QString& file, const QString& title,
                                         const std::vector<QueueOption>& options) {
  const QStringList parts = printer.split(QLatin1Char('/'));
  const std::string queue = parts.constFirst().toStdString();
  const std::string instance = parts.size() > 1 ? parts[1].toStdString() : std::string();
  CupsOptions all;
  if (cups_dest_t* dest =
          cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), instance.empty() ? nullptr : instance.c_str())) {
    for (int i = 0; i < dest->num_options; ++i) all.add(dest->options[i].name, dest->options[i].value);
    cupsFreeDests(1, dest);
  }
  for (const auto& [name, value] : options) all.add(name.c_str(), value.c_str());
  // A printer that a PPD describes prints in the colour model the PPD defaults to, grey for some,
  // whatever colour mode the job asks for: the choice that matches the job's mode is named as well.
  if (const char* mode = cupsGetOption("print-color-mode", all.count(), all.options()))
    if (const auto model = colourModel(queue, std::string_view(mode) == "color"))
      all.add("ColorModel", model->c_str());
  const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.c_str(), QFile::encodeName(file).constData(),
                                title.toUtf8().constData(), all.count(), all.options());
  if (id == 0) return lastError();
  return abandonedJob(id);
}

}  // namespace orvane
