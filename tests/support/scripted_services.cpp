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
