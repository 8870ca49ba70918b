#include "support/scripted_picture_service.h"

namespace orvane {

std::unique_ptr<Canvas> ScriptedPictureService::canvasOn(Image& /*image*/) {
  auto canvas = std::make_unique<RecordingCanvas>(pictureCalls);
  canvas->failing = failing;
  return canvas;
}

std::optional<Image> ScriptedPictureService::read(const std::string& path) {
  reads.push_back(path);
  const auto file = files.find(path);
  if (file == files.end()) return std::nullopt;
  return file->second;
}

}  // namespace orvane
