#include "minicv/zone_layout.h"

#include <algorithm>
#include <cmath>

#include "catalogue/catalogue.h"
#include "render/cv_page.h"
#include "text/rounding.h"

namespace orvane::minicv {

namespace {

constexpr int titleIds[zoneCount] = {17, 16, 15, 14};
// The column headings a zone switched on starts with; zone 4 has none.
constexpr int headingIds[zoneCount] = {38, 39, 40, 0};
constexpr int zoneFrameWidth = 425;

// The height zone `zone` needs on the sheet's screen; without a screen each paragraph is one line.
int neededHeight(const CvSheet& sheet, const Control& zone) {
  if (!sheet.screen) return zoneLineHeight * static_cast<int>(zone.richText.paragraphs().size());
  return zoneHeightFor(cvZoneLines(zone, *sheet.screen, sheet.state.screenResolution));
}

// An empty zone starts with its column headings; a zone that holds the user's lines keeps them whole,
// however often it is switched off and on.
void startWithHeadings(Control& zone, const std::string& headings) {
  if (!zone.richText.isEmpty()) return;
  Paragraph first;
  if (!headings.empty()) first.runs.push_back(TextRun{headings, zone.font});
  zone.richText.paragraphs() = {std::move(first)};
}

}  // namespace

ZoneNames zoneNames(int zone) {
  return {zone == 1 ? std::string() : "GroupBox" + std::to_string(4 + zone),
          "Label" + std::to_string(10 + zone), "REdit" + std::to_string(zone)};
}

// 15 pixels a line leave no room for the top inset and cut a line taller than 15 (a 9-point line is
// 14 to 16 high): the zone then reaches down to its last line's bottom instead.
int zoneHeightFor(const std::vector<DisplayLine>& lines) {
  double bottom = 0;
  for (const DisplayLine& line : lines) bottom = std::max(bottom, line.top + line.height);
  return std::max(zoneLineHeight * static_cast<int>(lines.size()), static_cast<int>(std::ceil(bottom)));
}

void switchZone(CvSheet& sheet, int zone, bool on) {
  const ZoneNames names = zoneNames(zone);
  const std::size_t index = static_cast<std::size_t>(zone - 1);
  Control& title = sheet[names.title];
  Control& text = sheet[names.text];
  if (on) {
    if (zone == 1) {
      Control& zones = sheet["GroupBox5"];
      zones.left = 0;
      zones.top = 50;
      zones.width = zoneFrameWidth;
    } else {
      Control& frame = sheet[names.frame];
      frame.left = 0;
      frame.width = zoneFrameWidth;
      frame.visible = true;
    }
    title.left = 10;
    title.top = 10;
    title.height = 20;
    title.text = catalogue::text(sheet.state.language, titleIds[index]);
    title.visible = true;
    text.hint = title.text;
    text.left = 10;
    text.top = 30;
    text.width = 410;
    text.height = zone == 1 ? 40 : 20;
    text.font = sheet.state.fonts.form;
    text.visible = true;
    int& height = sheet.state.zoneHeight[index];
    if (height == 0 && zone <= 3) height = zone == 1 ? 75 : 50;
    if (zone == 2 || zone == 3) sheet[names.frame].height = height + 5;
  } else {
    title.visible = false;
    text.visible = false;
    if (zone != 1) sheet[names.frame].visible = false;
    if (zone <= 3) sheet.state.zoneTop[index] = sheet.state.zoneHeight[index] = 0;
  }
  if (zone <= 3 || on) restackZones(sheet);
  if (on) {
    const int heading = headingIds[index];
    startWithHeadings(text, heading == 0 ? std::string() : catalogue::text(sheet.state.language, heading));
    zoneTextChanged(sheet, zone);
  }
}

void setZoneText(CvSheet& sheet, int zone, const RichText& text) {
  sheet[zoneNames(zone).text].richText = text;
  zoneTextChanged(sheet, zone);
}

void zoneTextChanged(CvSheet& sheet, int zone) {
  if (!sheet.state.opened) return;
  const ZoneNames names = zoneNames(zone);
  Control& text = sheet[names.text];
  text.height = neededHeight(sheet, text);
  if (zone != 1) sheet[names.frame].height = text.height + 35;

  const Control& firstZone = sheet["REdit1"];
  if (firstZone.visible) sheet.state.zoneHeight[0] = firstZone.height + 35;
  for (int other = 2; other <= zoneCount; ++other) {
    const Control& frame = sheet[zoneNames(other).frame];
    if (frame.visible) sheet.state.zoneHeight[static_cast<std::size_t>(other - 1)] = frame.height;
  }
  restackZones(sheet);

  Control& zones = sheet["GroupBox5"];
  int visibleHeights = firstZone.visible ? firstZone.height : 0;
  for (int other = 2; other <= zoneCount; ++other) {
    const Control& frame = sheet[zoneNames(other).frame];
    if (frame.visible) visibleHeights += frame.height;
  }
  zones.height = visibleHeights + 55;
  Control& mobility = sheet["GroupBox4"];
  mobility.height = zones.height + zones.top + 10;

  const Control& settings = sheet["GroupBox9"];
  Control& window = sheet.window();
  window.height = std::max(mobility.top + zones.height + zones.top + 30, settings.top + settings.height + 10);
  sheet["Panel1"].height = window.height - 1;
  sheet.recentreVertically();
}

void restackZones(CvSheet& sheet) {
  auto& tops = sheet.state.zoneTop;
  const auto& heights = sheet.state.zoneHeight;
  tops[0] = 0;
  for (std::size_t k = 1; k < tops.size(); ++k) tops[k] = tops[k - 1] + heights[k - 1] + 5;
  for (int zone = 2; zone <= zoneCount; ++zone)
    sheet[zoneNames(zone).frame].top = tops[static_cast<std::size_t>(zone - 1)];
}

void fitZoneFrames(CvSheet& sheet) {
  Control& mobility = sheet["GroupBox4"];
  Control& zones = sheet["GroupBox5"];
  Control& lastZone = sheet["GroupBox8"];
  mobility.height = sheet.window().height - mobility.top - 25;
  zones.height = mobility.height - zones.top - 5;
  lastZone.height = zones.height - lastZone.top - 5;
}

void fitZonesToTexts(CvSheet& sheet) {
  for (int zone = 1; zone <= zoneCount; ++zone)
    if (sheet[zoneNames(zone).text].visible) zoneTextChanged(sheet, zone);
}

}  // namespace orvane::minicv
