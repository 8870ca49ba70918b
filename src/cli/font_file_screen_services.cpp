// orvane-cli measures from the font files and reads no pictures: a command that meets a font it cannot
// measure as Qt does, a laid-out text, a picture or a printer is handed over to orvane-cli-qt.
#include "cli/program.h"
#include "cli/screen_services.h"
#include "fonts/font_file_metrics.h"

namespace orvane::cli {

namespace {

class PicturesReadByQt : public PictureService {
 public:
  std::optional<Image> readBitmap(const std::string& /*path*/) override { throw handOver(); }
  std::optional<Image> readIcon(const std::string& /*path*/) override { throw handOver(); }
  std::unique_ptr<Canvas> canvasOn(Image& /*image*/) override { throw handOver(); }
  std::optional<QrCode> encodeQrCode(std::string_view /*bytes*/) override { throw handOver(); }

 private:
  static NeedsQt handOver() { return {"pictures are read and drawn by Qt"}; }
};

class PrintersOfQt : public PrinterService {
 public:
  std::optional<PrinterResolution> currentResolution() override { throw handOver(); }
  int installedPrinterCount() override { throw handOver(); }
  std::optional<PrinterMeasurements> currentMeasurements() override { throw handOver(); }
  std::unique_ptr<PrintJob> startJob(const JobSettings& /*settings*/) override { throw handOver(); }
  PrinterFont printerFont(const std::string& /*name*/) override { throw handOver(); }

 private:
  static NeedsQt handOver() { return {"printers are Qt's"}; }
};

}  // namespace

int withScreenServices(const std::function<int(const ScreenServices&)>& command) {
  FontFileMetrics metrics(fileBesideThisProgram("orvane-cli-fonts.so"));
  PicturesReadByQt pictures;
  PrintersOfQt printers;
  return command({metrics, pictures, printers});
}

}  // namespace orvane::cli
