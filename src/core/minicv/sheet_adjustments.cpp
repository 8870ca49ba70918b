#include "minicv/sheet_adjustments.h"

#include "catalogue/catalogue.h"
#include "text/field_text.h"
#include "text/rounding.h"

namespace orvane::minicv {

namespace {

// Names longer than this do not fit the converter's element names.
constexpr std::size_t longestControlName = 24;

void shiftPersonalDetails(CvSheet& sheet, int d) {
  const int column = sheet["Edit1"].left + d;
  const int moved = column - sheet["Edit2"].left;
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) sheet[name].left = column;
  for (const char* name : {"Edit17", "Label17"}) sheet[name].left += moved;
}

void shiftContactDetails(CvSheet& sheet, int d) {
  const int column = sheet["Edit8"].left + d;
  for (const char* name : {"Edit8", "Edit5", "Edit6", "Edit7", "Edit9", "Edit10"}) sheet[name].left = column;
}

bool startsWithLabel(std::string_view name) {
  if (name.size() < 5) return false;
  std::string start(name.substr(0, 5));
  for (char& c : start)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return start == "label";
}

struct Scaler {
  CvSheet& sheet;
  Prompter& prompter;
  double factor;

  int scaled(int value) const { return roundToInt(value * factor); }
  void scaleLeft(Control& control) const {
    if (control.left > 20) control.left = scaled(control.left);
  }

  void scale(ControlId id) {
    Control& control = sheet.tree.at(id);
    if (control.name.size() > longestControlName)
      prompter.show(MessageKind::Plain, catalogue::text(sheet.state.language, 113) + control.name);
    // The element column and the print settings keep their sizes: only their place follows the sheet.
    if (control.name == "GroupBox31" || control.name == "GroupBox9") {
      control.left = scaled(control.left);
      return;
    }
    const std::vector<ControlId> children = sheet.tree.children(id);
    if (control.kind == ControlKind::Window) {
      control.width = scaled(control.width);
    } else {
      if (!startsWithLabel(control.name)) control.width = scaled(control.width);
      scaleLeft(control);
    }
    for (ControlId child : children) scale(child);
  }
};

// A value typed into a list instead of chosen: recorded, it would scale the sheet out of all measure,
// and the next load of the file saved with it again.
bool isListedPercentage(int percent) { return percent >= smallestPercentage && percent <= largestPercentage; }

}  // namespace

int shiftCaptionId(AlignmentFrame frame) {
  switch (frame) {
    case AlignmentFrame::PersonalDetails:
      return 180;
    case AlignmentFrame::ContactDetails:
      return 177;
    case AlignmentFrame::Both:
      return 181;
  }
  return 181;
}

bool shiftAlignment(CvSheet& sheet, AlignmentFrame frame, std::string_view answer) {
  const std::optional<int> d = tryParseInteger(answer);
  if (!d || *d == 0) return false;
  if (frame != AlignmentFrame::ContactDetails) shiftPersonalDetails(sheet, *d);
  if (frame != AlignmentFrame::PersonalDetails) shiftContactDetails(sheet, *d);
  return true;
}

void chooseWidthPercentage(CvSheet& sheet, int percent, Prompter& prompter) {
  if (!isListedPercentage(percent)) return;
  CvEditorState& state = sheet.state;
  state.widthPercentage = std::to_string(percent);
  sheet["ComboBox3"].text = state.widthPercentage;
  state.cumulativeWidthPercentage += percent - 100;
  prompter.show(MessageKind::Plain, catalogue::text(state.language, 128));
  if (state.cumulativeWidthPercentage <= 74 || state.cumulativeWidthPercentage > 150) return;
  Scaler{sheet, prompter, percent / 100.0}.scale(0);
}

void chooseHeightPercentage(CvSheet& sheet, int percent, Prompter& prompter) {
  if (!isListedPercentage(percent)) return;
  CvEditorState& state = sheet.state;
  state.heightPercentage = std::to_string(percent);
  sheet["ComboBox4"].text = state.heightPercentage;
  prompter.show(MessageKind::Plain, catalogue::text(state.language, 127));
  const double wanted = sheet.window().height * percent / 100.0;
  if (state.openingHeight * 1.3 < wanted || state.openingHeight * 0.75 > wanted) return;
  sheet.window().height = roundToInt(wanted);
  sheet.recentreVertically();
}

}  // namespace orvane::minicv
