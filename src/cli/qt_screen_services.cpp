// orvane-cli-qt measures and reads pictures with Qt, inside a GUI application.
#include "cli/gui_session.h"
#include "cli/screen_services.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_printer_service.h"
#include "qt/qt_text_metrics.h"

namespace orvane::cli {

int withScreenServices(const std::function<int(const ScreenServices&)>& command) {
  return withGuiApplication([&] {
    QtTextMetrics metrics;
    QtPictureService pictures;
    QtPrinterService printers;
    return command({metrics, pictures, printers});
  });
}

}  // namespace orvane::cli
