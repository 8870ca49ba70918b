#include "render/print_shop_page.h"

#include <algorithm>
#include <cctype>

#include "cardfile/card_file_loader.h"
#include "text/rounding.h"

namespace orvane {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double pointsPerInch = 72;
// Crop marks start this far outside the bleed, so that no mark shows on a card cut a little wide.
constexpr double markOffsetMm = 1;
constexpr double markLengthMm = 5;
// A hairline as print shops draw their marks.
constexpr double markThicknessPoints = 0.25;

int dotsFromMm(double mm, int dpi) { return roundToInt(mm * dpi / millimetresPerInch); }

Rect grown(const Rect& rect, int by) {
  return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

// Two marks at each corner of the trim, along its edges, beyond the bleed.
std::vector<Rect> cropMarksAround(const Rect& trim, const Rect& bleed, int offset, int length,
                                  int thickness) {
  const int half = thickness / 2;
  std::vector<Rect> marks;
  for (const int y : {trim.top, trim.bottom}) {
    marks.push_back({bleed.left - offset - length, y - half, bleed.left - offset, y - half + thickness});
    marks.push_back({bleed.right + offset, y - half, bleed.right + offset + length, y - half + thickness});
  }
  for (const int x : {trim.left, trim.right}) {
    marks.push_back({x - half, bleed.top - offset - length, x - half + thickness, bleed.top - offset});
    marks.push_back({x - half, bleed.bottom + offset, x - half + thickness, bleed.bottom + offset + length});
  }
  return marks;
}

}  // namespace

std::optional<double> parseBleed(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  double value = 0;
  double scale = 1;
  bool digits = false;
  bool decimals = false;
  for (const char c : text) {
    if ((c == '.' || c == ',') && !decimals) {
      decimals = true;
    } else if (std::isdigit(static_cast<unsigned char>(c))) {
      digits = true;
      if (decimals) scale /= 10;
      value = decimals ? value + (c - '0') * scale : value * 10 + (c - '0');
    } else {
      return std::nullopt;
    }
    if (value > maxBleedMm) return std::nullopt;
  }
  if (!digits) return std::nullopt;
  return value;
}

std::optional<CardInches> recordedCardSize(const std::string& path, const CardModel& card,
                                           int screenResolution) {
  CardFileLoadOptions options;
  options.screenResolution = screenResolution;
  const CardFileReading reading = readCardFile(path, options);
  const int resolution = reading.number(lineResolution).value_or(0);
  const int width = reading.number(lineCardWidth).value_or(0);
  const int height = reading.number(lineCardHeight).value_or(0);
  if (resolution <= 0 || width <= 0 || height <= 0) return std::nullopt;
  if (reading.length(lineCardWidth) != card.cardWidth || reading.length(lineCardHeight) != card.cardHeight)
    return std::nullopt;
  return CardInches{static_cast<double>(width) / resolution, static_cast<double>(height) / resolution};
}

PrintShopPage printShopPage(const CardModel& card, const PrintShopSettings& settings) {
  const int dpi = settings.dpi;
  const int bleed = dotsFromMm(settings.bleedMm, dpi);
  const int offset = dotsFromMm(markOffsetMm, dpi);
  const int length = dotsFromMm(markLengthMm, dpi);
  const int margin = bleed + (settings.cropMarks ? offset + length : 0);
  double ratioX = static_cast<double>(dpi) / settings.screenResolution;
  double ratioY = ratioX;
  // The card drawn over the size its file records, the few dots its rescaled pixels miss included.
  if (const auto& size = settings.recordedSize) {
    ratioX = roundToInt(size->width * dpi) / static_cast<double>(card.cardWidth);
    ratioY = roundToInt(size->height * dpi) / static_cast<double>(card.cardHeight);
  }

  PrintShopPage page;
  page.dpi = dpi;
  page.card = CardPlacement::onSheet(card, {margin, margin}, ratioX, ratioY);
  page.bleed = grown(page.card.rect, bleed);
  page.media = grown(page.card.rect, margin);
  if (settings.cropMarks) {
    const int thickness = std::max(1, roundToInt(markThicknessPoints * dpi / pointsPerInch));
    page.cropMarks = cropMarksAround(page.card.rect, page.bleed, offset, length, thickness);
  }
  return page;
}

double pointsFromDots(int dots, int dpi) { return dots * pointsPerInch / dpi; }

}  // namespace orvane
