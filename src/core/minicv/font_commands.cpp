#include "minicv/font_commands.h"

#include <array>

#include "minicv/font_layout.h"

namespace orvane::minicv {

namespace {

constexpr std::array<const char*, 4> zones = {"REdit1", "REdit2", "REdit3", "REdit4"};

FontDialogRequest trueTypeRequest(const FontSpec& preset, std::optional<SizeRange> sizes) {
  FontDialogRequest request;
  request.preset = preset;
  request.options.set(FontOption::TrueTypeOnly, true);
  request.options.set(FontOption::Effects, true);
  request.options.set(FontOption::LimitSize, sizes.has_value());
  request.sizes = sizes;
  return request;
}

std::string styleFlags(const FontStyle& style) {
  return std::string{style.bold ? '1' : '0', style.italic ? '1' : '0', style.underline ? '1' : '0'};
}

}  // namespace

void attributs1Click(CvSheet& sheet, ColourFontDialogs& dialogs, TextMetrics& metrics) {
  const auto font = dialogs.chooseFont(trueTypeRequest(sheet.state.fonts.form, formFontSizes));
  if (font) applyFormFont(sheet, *font, metrics);
}

void style1Click(CvSheet& sheet, ColourFontDialogs& dialogs) {
  const auto font = dialogs.chooseFont(trueTypeRequest(sheet.state.fonts.zone, zoneFontSizes));
  if (!font) return;
  sheet.state.fonts.zone = *font;
  sheet.state.fonts.zoneStyleFlags = styleFlags(font->style);
  for (const char* frame : {"GroupBox1", "GroupBox2"})
    for (ControlId id : sheet.tree.children(sheet.tree.find(frame)))
      if (sheet.tree.at(id).kind == ControlKind::Edit) sheet.tree.at(id).font = *font;
}

bool styleslection1Click(CvSheet& sheet, ZoneSelections& selections, ColourFontDialogs& dialogs) {
  FontSpec start = sheet.state.fonts.selection;
  for (std::size_t zone = 0; zone < zones.size(); ++zone) {
    const ZoneSelection& selection = selections[zone];
    if (selection.length > 0)
      start = sheet[zones[zone]].richText.selectionFormat(selection.start, selection.length);
  }
  const auto font = dialogs.chooseFont(trueTypeRequest(start, std::nullopt));
  if (!font) return false;
  sheet.state.fonts.selection = *font;
  for (std::size_t zone = 0; zone < zones.size(); ++zone) {
    ZoneSelection& selection = selections[zone];
    if (selection.length > 0)
      sheet[zones[zone]].richText.applyFormat(selection.start, selection.length, *font);
    selection = {};
  }
  return true;
}

}  // namespace orvane::minicv
