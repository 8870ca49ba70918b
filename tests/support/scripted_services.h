#pragma once
// Test doubles of the services: they record what the program shows and answer from a script.

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "services/file_association_service.h"
#include "services/non_interactive_prompter.h"
#include "services/print_dialogs.h"
#include "services/printer_service.h"
#include "services/settings_store.h"
#include "services/text_metrics.h"
#include "support/recording_canvas.h"

namespace orvane {

class ScriptedPrompter : public NonInteractivePrompter {
 public:
  /// Answers queued by the test, used in order; when the queue is empty every box answers as a user
  /// who wants the operation done (OK or Yes).
  std::deque<Answer> answers;

  Answer show(MessageKind kind, const std::string& text, Buttons buttons, int helpContext,
              const std::string& title) override;
};

/// What a scripted print job was given: its settings, a page break between pages, and whether it was
/// finished (handed to the printer) or aborted.
struct ScriptedJobRecord {
  PageOrientation orientation = PageOrientation::Portrait;
  std::string title;
  bool colour = true;
  SizeMm paper;
  int pages = 1;
  bool finished = false;
  bool aborted = false;
};

class ScriptedPrinterService : public PrinterService {
 public:
  std::optional<PrinterResolution> resolution;
  int printerCount = 0;
  std::optional<PrinterMeasurements> measurements;
  /// The jobs started, in order; every page of every job is drawn on `pageCanvas`.
  std::deque<ScriptedJobRecord> jobs;
  std::shared_ptr<RecordingCanvas> pageCanvas = std::make_shared<RecordingCanvas>();
  bool refuseJobs = false;
  /// When set, the printer takes each document and then abandons it for this reason.
  std::optional<std::string> abandonJobs;
  /// The faces the printer does not render as themselves; with `fontsUnknown`, none can be asked.
  std::set<std::string> substitutedFonts;
  bool fontsUnknown = false;
  std::vector<std::string> fontsAsked;
  std::string printerName;  // of the current printer; empty stands for a file printer

  /// `count` printers, the current one an A4 printer at `dpi` in both directions (none when `count`
  /// is 0).
  static ScriptedPrinterService withPrinters(int count, int dpi = 600);

  std::optional<PrinterResolution> currentResolution() override { return resolution; }
  int installedPrinterCount() override { return printerCount; }
  std::optional<PrinterMeasurements> currentMeasurements() override { return measurements; }
  std::unique_ptr<PrintJob> startJob(const JobSettings& settings) override;
  PrinterFont printerFont(const std::string& name) override;
  std::string currentPrinterName() override { return printerName; }
};

/// The two printer dialogs, answered from a script: the copies of the print dialog (nothing cancels
/// it) and the answer of the printer setup; each call is counted.
class ScriptedPrintDialogs : public PrintDialogs {
 public:
  std::optional<int> copies = 1;
  bool setupConfirmed = true;
  int printDialogs = 0;
  int setupDialogs = 0;

  std::optional<int> printDialog() override;
  bool printerSetupDialog() override;
};

/// Font measures for tests: every font has the same measures, set by the test.
class FixedTextMetrics : public TextMetrics {
 public:
  int characterWidth = 7;
  int height = 16;
  int ascent = 13;
  int externalLeading = 0;

  FontMeasures measure(const std::string& text, const FontSpec& font) override;
};

/// Settings held in memory; told to, it refuses every write and keeps what it had.
class ScriptedSettingsStore : public SettingsStore {
 public:
  std::map<std::string, std::string> values;
  bool refuseWrites = false;
  int writeAttempts = 0;

  std::optional<std::string> read(const std::string& name) override;
  bool write(const std::string& name, const std::string& text) override;
};

/// Records the file types registered; told to, it refuses them.
class ScriptedFileAssociation : public FileAssociationService {
 public:
  std::vector<FileTypeRegistration> registered;
  bool refuse = false;

  bool registerFileType(const FileTypeRegistration& type) override;
};

}  // namespace orvane
