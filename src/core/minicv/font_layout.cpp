#include "minicv/font_layout.h"

#include <algorithm>
#include <functional>
#include <string>

#include "minicv/element_table.h"
#include "text/rounding.h"

namespace orvane::minicv {

namespace {

bool isField(const Control& control) { return control.kind == ControlKind::Edit; }
bool isLabel(const Control& control) { return control.kind == ControlKind::Label; }

std::string styleFlags(const FontStyle& style) {
  return std::string{style.bold ? '1' : '0', style.italic ? '1' : '0', style.underline ? '1' : '0'};
}

// Lays out one frame's tag-0 controls; `personalDetails` is `GroupBox1`, whose columns are recorded.
void relayoutFrame(CvSheet& sheet, const char* frameName, TextMetrics& metrics) {
  const bool personalDetails = std::string_view(frameName) == "GroupBox1";
  const ControlId frameId = sheet.tree.find(frameName);
  sheet.tree.at(frameId).font = sheet.state.fonts.form;
  const std::vector<ControlId> children = sheet.tree.children(frameId);
  FontColumns& columns = sheet.state.columns;

  int c = 0;
  int r = 0;
  for (ControlId id : children) {
    Control& control = sheet.tree.at(id);
    if (!control.visible) continue;
    if (control.tag == 0 && isField(control)) c = std::max(c, control.left);
    if (control.tag == 0 && isLabel(control)) {
      control.font = sheet.state.fonts.form;
      r = std::max(r, control.left + metrics.measure(control.text, control.font).width);
    }
    if (control.tag > 0 && isField(control) && !columns.taggedFieldRecorded) {
      columns.taggedField = control.left;
      columns.taggedFieldRecorded = true;
    }
    if (control.tag > 0 && isLabel(control) && !columns.taggedLabelRecorded) {
      columns.taggedLabel = control.left;
      columns.taggedLabelRecorded = true;
    }
  }
  if (personalDetails) {
    columns.personalDetailsField = c;
    if (!columns.defaultFieldRecorded) {
      columns.defaultField = c;
      columns.defaultFieldRecorded = true;
    }
    sheet.state.labelColumnRight = r;
  }

  const int clear = roundToInt(1.05 * r);
  int column = clear;
  if (c >= r) {
    if (personalDetails)
      columns.personalDetailsField = clear;
    else if (r < columns.personalDetailsField)
      column = columns.personalDetailsField;
  }
  for (ControlId id : children) {
    Control& control = sheet.tree.at(id);
    if (control.visible && control.tag == 0 && isField(control)) control.left = column;
  }
}

// The age row: the age field clear of the labels, then the nationality label and field after it.
void respaceAgeRow(CvSheet& sheet) {
  const std::vector<ControlId> children = sheet.tree.children(sheet.tree.find("GroupBox1"));
  auto first = [&](auto predicate) -> Control* {
    for (ControlId id : children)
      if (predicate(sheet.tree.at(id))) return &sheet.tree.at(id);
    return nullptr;
  };
  const int r1 = sheet.state.labelColumnRight;
  Control* age = first([](const Control& control) { return control.tag < 0; });
  Control* nationalityLabel =
      first([](const Control& control) { return control.tag > 0 && isLabel(control); });
  Control* nationalityField =
      first([](const Control& control) { return control.tag > 0 && isField(control); });
  if (!age || !nationalityLabel || !nationalityField) return;
  age->left = roundToInt(1.05 * r1);
  const int a = roundToInt(1.025 * (age->width + r1));
  nationalityLabel->left = roundToInt(1.025 * a);
  const int b = roundToInt(1.025 * (nationalityLabel->left + nationalityLabel->width));
  nationalityField->left = roundToInt(1.005 * b);
}

// Every label that stands in a frame of the sheet.
void forEachFrameLabel(CvSheet& sheet, ControlId parent, const std::function<void(Control&)>& action) {
  for (ControlId id : sheet.tree.children(parent)) {
    Control& control = sheet.tree.at(id);
    if (isLabel(control) && sheet.tree.at(parent).kind == ControlKind::GroupBox) action(control);
    if (control.isContainer()) forEachFrameLabel(sheet, id, action);
  }
}

}  // namespace

void applyFormFont(CvSheet& sheet, const FontSpec& font, TextMetrics& metrics) {
  CvFonts& fonts = sheet.state.fonts;
  fonts.form = font;
  fonts.formStyleFlags = styleFlags(font.style);
  for (const char* frame : {"GroupBox1", "GroupBox2"}) {
    for (ControlId id : sheet.tree.children(sheet.tree.find(frame))) {
      Control& control = sheet.tree.at(id);
      control.font = isField(control) ? fonts.zone : fonts.form;
    }
  }
  relayoutForFormFont(sheet, metrics);
  sheet.state.menu.defaultFonts = true;
}

void relayoutForFormFont(CvSheet& sheet, TextMetrics& metrics) {
  relayoutFrame(sheet, "GroupBox2", metrics);
  relayoutFrame(sheet, "GroupBox1", metrics);
  fitLabelsToCaptions(sheet.tree, metrics);
  respaceAgeRow(sheet);
  const FontSpec& form = sheet.state.fonts.form;
  sheet["Label20"].text = "FONT : " + form.name + "; " + std::to_string(form.size);
}

void fitLabelsToCaptions(ControlTree& tree, TextMetrics& metrics) {
  for (ControlId id = 0; id < static_cast<ControlId>(tree.size()); ++id) {
    Control& control = tree.at(id);
    if (isLabel(control) && !control.text.empty())
      control.width = metrics.measure(control.text, control.font).width;
  }
}

void fitSideColumn(CvSheet& sheet, TextMetrics& metrics) {
  constexpr int boxWidth = 145;
  constexpr int boxesWidth = 161;
  constexpr int columnWidth = 169;
  Control& boxes = sheet["GroupBox31"];
  int right = 0;
  for (const ElementInfo& element : elementTable()) {
    Control& box = sheet[element.checkBox];
    box.width = std::max(boxWidth, checkBoxCaptionStart + metrics.measure(box.text, box.font).width);
    right = std::max(right, box.left + box.width);
  }
  // The margins the built column keeps right of its boxes, right of the boxes' frame and right of the
  // column, in the window.
  boxes.width = std::max(boxesWidth, right + 11);
  Control& column = sheet["GroupBox3"];
  column.width = std::max(columnWidth, boxes.left + boxes.width + 4);
  // The lists of the print settings come 4 pixels after their labels at the least.
  constexpr int listLeft = 112;
  for (const auto& [labelName, listName] :
       {std::pair{"Label9", "ComboBox2"}, std::pair{"Label15", "ComboBox3"},
        std::pair{"Label16", "ComboBox4"}}) {
    const Control& label = sheet[labelName];
    Control& list = sheet[listName];
    list.left = std::max(listLeft, label.left + label.width + 4);
    column.width = std::max(column.width, list.left + list.width + 8);
  }
  sheet["GroupBox9"].width = column.width;
  Control& window = sheet.window();
  const int needed = column.left + column.width + 14;
  if (window.width < needed) {
    window.width = needed;
    sheet.centreOnScreen(sheet.state.screenWidth, sheet.state.screenHeight);
  }
}

void restoreDefaultFonts(CvSheet& sheet) {
  const FontColumns& columns = sheet.state.columns;
  forEachFrameLabel(sheet, sheet.tree.find("Panel1"),
                    [&](Control& label) { label.font = sheet.state.fonts.standard; });
  for (ControlId id : sheet.tree.children(sheet.tree.find("GroupBox1"))) {
    Control& control = sheet.tree.at(id);
    if (isField(control)) control.left = control.tag > 0 ? columns.taggedField : columns.defaultField;
    if (isLabel(control) && control.tag > 0) control.left = columns.taggedLabel;
  }
  for (ControlId id : sheet.tree.children(sheet.tree.find("GroupBox2"))) {
    Control& control = sheet.tree.at(id);
    if (isField(control)) control.left = columns.defaultField;
  }
  sheet.state.menu.defaultFonts = false;
}

}  // namespace orvane::minicv
