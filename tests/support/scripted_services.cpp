#include "support/scripted_services.h"

#include "text/utf8.h"

namespace orvane {

Answer ScriptedPrompter::show(MessageKind kind, const std::string& text, Buttons buttons, int helpContext,
                              const std::string& title) {
  const Answer goAhead = NonInteractivePrompter::show(kind, text, buttons, helpContext, title);
  if (answers.empty()) return goAhead;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

ScriptedPrinterService ScriptedPrinterService::withPrinters(int count, int dpi) {
  ScriptedPrinterService service;
  service.printerCount = count;
  if (count > 0) {
    service.resolution = PrinterResolution{dpi, dpi};
    service.measurements = PrinterMeasurements::a4(dpi);
  }
  return service;
}

namespace {

class ScriptedJob : public PrintJob {
 public:
  ScriptedJob(ScriptedPrinterService& service, ScriptedJobRecord& record)
      : service_(service), record_(record) {}
  Canvas& canvas() override { return *service_.pageCanvas; }
  PrinterMeasurements measurements() override {
    PrinterMeasurements page = service_.measurements.value_or(PrinterMeasurements{});
    if (record_.orientation == PageOrientation::Landscape) {
      std::swap(page.pageWidth, page.pageHeight);
      std::swap(page.paperWidth, page.paperHeight);
      std::swap(page.printableWidthMm, page.printableHeightMm);
    }
    return page;
  }
  bool newPage() override {
    ++record_.pages;
    return true;
  }
  std::optional<std::string> finish() override {
    record_.finished = true;
    return service_.abandonJobs;
  }
  void abort() override { record_.aborted = true; }

 private:
  ScriptedPrinterService& service_;
  ScriptedJobRecord& record_;
};

}  // namespace

std::unique_ptr<PrintJob> ScriptedPrinterService::startJob(const JobSettings& settings) {
  if (refuseJobs || !measurements) return nullptr;
  jobs.push_back({settings.orientation, settings.title, settings.colour, settings.paper});
  return std::make_unique<ScriptedJob>(*this, jobs.back());
}

PrinterFont ScriptedPrinterService::printerFont(const std::string& name) {
  fontsAsked.push_back(name);
  if (fontsUnknown) return PrinterFont::CannotEnumerate;
  return substitutedFonts.contains(name) ? PrinterFont::Substituted : PrinterFont::Outline;
}

std::optional<int> ScriptedPrintDialogs::printDialog() {
  ++printDialogs;
  return copies;
}

bool ScriptedPrintDialogs::printerSetupDialog() {
  ++setupDialogs;
  return setupConfirmed;
}

FontMeasures FixedTextMetrics::measure(const std::string& text, const FontSpec& /*font*/) {
  return {utf8Length(text) * characterWidth, height, ascent, externalLeading};
}

std::optional<std::string> ScriptedSettingsStore::read(const std::string& name) {
  const auto found = values.find(name);
  if (found == values.end()) return std::nullopt;
  return found->second;
}

bool ScriptedSettingsStore::write(const std::string& name, const std::string& text) {
  ++writeAttempts;
  if (refuseWrites) return false;
  values[name] = text;
  return true;
}

bool ScriptedFileAssociation::registerFileType(const FileTypeRegistration& type) {
  if (refuse) return false;
  registered.push_back(type);
  return true;
}

}  // namespace orvane
