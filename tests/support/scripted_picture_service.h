#pragma once
// Test double of the picture service: files are pictures put in a table, canvases on pictures record
// their calls in one shared list.

#include <map>
#include <vector>

#include "render/picture_service.h"
#include "support/recording_canvas.h"

namespace orvane {

class ScriptedPictureService : public PictureService {
 public:
  /// The readable files, bitmaps and icons alike; any other path cannot be read.
  std::map<std::string, Image> files;
  /// Every path read, in order.
  std::vector<std::string> reads;
  /// The calls made on canvases on pictures.
  std::vector<CanvasCall> pictureCalls;
  /// The kinds of calls that fail on canvases on pictures.
  std::set<CanvasCallKind> failing;
  /// Every text encoded as a QR code, in order.
  std::vector<std::string> qrTexts;
  /// The code every text is encoded as; nothing makes the text too long for one.
  std::optional<QrCode> qrCode = QrCode{1, {1}};

  std::optional<Image> readBitmap(const std::string& path) override { return read(path); }
  std::optional<Image> readIcon(const std::string& path) override { return read(path); }
  std::unique_ptr<Canvas> canvasOn(Image& image) override;
  std::optional<QrCode> encodeQrCode(std::string_view bytes) override {
    qrTexts.emplace_back(bytes);
    return qrCode;
  }

 private:
  std::optional<Image> read(const std::string& path);
};

}  // namespace orvane
