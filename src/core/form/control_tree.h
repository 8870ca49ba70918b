#pragma once
// The mini-CV sheet is a tree of named controls, held here without any window.
//
// Design: every rule that moves, shows, hides, captions or measures a control of the sheet (element
// switching, row tables, zone stacking, re-layout after a font change, alignment shifts, width and
// height percentages, change tracking, the language change, the text-zone check) is core code acting
// on this tree, with `TextMetrics` for text widths. The editor window (`TForm7`) builds its widgets
// from the tree and mirrors every change: the model changes first, then the view follows. The page
// renderer and the form-to-HTML converter read the same tree, without a window. Any new piece of a
// control's state belongs in `Control`, never in a widget.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "colour.h"
#include "font.h"
#include "richtext/rich_text.h"

namespace orvane::minicv {

enum class ControlKind {
  Window,      // the root: the editor window or any form the converter is given
  Panel,       // a plain container (the sheet, the civility panel)
  GroupBox,    // a captioned frame
  RadioGroup,  // a frame of radio items (items, itemIndex, columns)
  Label,
  Edit,      // a one-line field
  Memo,      // plain multi-line text
  RichEdit,  // a rich-text zone
  CheckBox,
  RadioButton,
  ComboBox,
  ListBox,
  Button,
  Image,
};

enum class CaptionAlignment { Left, Centre, Right };

using ControlId = int;
constexpr ControlId noControl = -1;

struct Control {
  ControlKind kind = ControlKind::Panel;
  std::string name{};
  ControlId parent = noControl;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  bool enabled = true;
  std::string text{};  // caption or text, UTF-8
  std::string hint{};
  FontSpec font{"Arial", 9, {}, 0};
  Colour colour = 0xFFFFFF;
  int tag = 0;
  bool tabStop = true;
  bool captionLeft = false;  // radio buttons and check boxes: caption to the left of the box
  bool singleBorder = true;  // fields and rich-text zones
  bool transparent = false;  // labels: no background of their own
  CaptionAlignment alignment = CaptionAlignment::Left;  // labels

  // The kind's own state.
  bool checked = false;              // check box, radio button
  bool greyed = false;               // a three-state check box in its grey state
  RichText richText{};               // rich-text zone (its paragraphs are its lines)
  std::vector<std::string> lines{};  // memo
  std::vector<std::string> items{};  // combo box, list box, radio group
  int itemIndex = -1;                // combo box, list box, radio group
  int columns = 1;                   // radio group
  bool multiSelect = false;          // list box
  int maxLength = 0;                 // edit: 0 means no limit
  bool password = false;             // edit
  bool bevelInner = false;           // panel
  bool bevelOuter = true;            // panel
  int bevelWidth = 1;                // panel
  bool stretch = false;              // image
  bool centre = false;               // image
  std::string picturePath{};         // image: the file shown, empty for none
  std::string focusControl{};        // label: the name of the control it captions

  bool isContainer() const;
};

/// Controls in creation order; a control's children are the controls whose parent it is, in that
/// order. Ids stay valid for the tree's life: controls are never removed.
class ControlTree {
 public:
  ControlId add(Control control);
  std::size_t size() const { return controls_.size(); }
  Control& at(ControlId id) { return controls_.at(static_cast<std::size_t>(id)); }
  const Control& at(ControlId id) const { return controls_.at(static_cast<std::size_t>(id)); }
  /// The control of that name, compared without regard to ASCII case; noControl when none.
  ControlId find(std::string_view name) const;
  Control& operator[](std::string_view name);  // throws std::out_of_range for an unknown name
  const Control& operator[](std::string_view name) const;
  std::vector<ControlId> children(ControlId parent) const;
  /// The children of every control at once, indexed by the parent's id.
  std::vector<std::vector<ControlId>> childLists() const;
  /// Visible here and in every ancestor.
  bool showing(ControlId id) const;

 private:
  std::vector<Control> controls_;
};

}  // namespace orvane::minicv
