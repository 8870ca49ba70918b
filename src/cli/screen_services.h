#pragma once
// The font measures, picture readers and printers of the commands that lay out a card, a sheet or a
// form. orvane-cli-qt gives Qt's own; orvane-cli measures from the font files as Qt does and hands the
// command over to orvane-cli-qt where only Qt can do the work: a picture or a printer to use.

#include <functional>

#include "render/picture_service.h"
#include "services/printer_service.h"
#include "services/text_metrics.h"

namespace orvane::cli {

struct ScreenServices {
  TextMetrics& metrics;
  PictureService& pictures;
  PrinterService& printers;
};

/// Runs `command` with this program's screen services and returns what it returns.
int withScreenServices(const std::function<int(const ScreenServices&)>& command);

}  // namespace orvane::cli
