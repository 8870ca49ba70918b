#include "fonts/font_file_metrics.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "fonts/font_files.h"

namespace orvane {

namespace {

// The screen the command-line tool's Qt measures on: the offscreen one at its own resolution, unless the
// environment names another platform or resolution.
bool measuresOnPlainOffscreenScreen() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  return (!platform || !*platform || std::string_view(platform) == "offscreen") &&
         !std::getenv("QT_FONT_DPI");
}

bool hasControlCharacter(const std::string& text) {
  return std::ranges::any_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

}  // namespace

struct FontFileMetrics::Module {
  // The libraries the module loads cannot all be unloaded safely: it stays until the program ends.
  explicit Module(const std::string& path)
      : handle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE)) {
    if (!handle) return;
    close = reinterpret_cast<decltype(close)>(dlsym(handle, "orvane_font_files_close"));
    measure = reinterpret_cast<decltype(measure)>(dlsym(handle, "orvane_font_files_measure"));
    const auto open =
        reinterpret_cast<decltype(&orvane_font_files_open)>(dlsym(handle, "orvane_font_files_open"));
    if (open && close && measure) files = open();
  }
  ~Module() {
    if (files) close(files);
    if (handle) dlclose(handle);
  }
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  void* handle;
  decltype(&orvane_font_files_close) close = nullptr;
  decltype(&orvane_font_files_measure) measure = nullptr;
  OrvaneFontFiles* files = nullptr;
};

FontFileMetrics::FontFileMetrics(const std::string& modulePath)
    : module_(std::make_unique<Module>(modulePath)),
      onPlainOffscreenScreen_(measuresOnPlainOffscreenScreen()) {}

FontFileMetrics::~FontFileMetrics() = default;

std::optional<FontMeasures> FontFileMetrics::tryMeasure(const std::string& text, const FontSpec& font) {
  if (!module_->files || !onPlainOffscreenScreen_ || hasControlCharacter(text)) return std::nullopt;
  OrvaneFontMeasures measures{};
  if (!module_->measure(module_->files, text.data(), text.size(), font.name.c_str(), font.size,
                        font.style.bold, font.style.italic, &measures))
    return std::nullopt;
  return FontMeasures{measures.width, measures.height, measures.ascent, measures.leading};
}

FontMeasures FontFileMetrics::measure(const std::string& text, const FontSpec& font) {
  if (const auto measures = tryMeasure(text, font)) return *measures;
  throw NeedsQt{"the font " + font.name + " is measured by Qt"};
}

std::vector<DisplayLine> FontFileMetrics::displayLines(const RichText& /*text*/, const TextBox& /*box*/) {
  throw NeedsQt{"text lines are laid out by Qt"};
}

}  // namespace orvane
