#include "minicv/sheet_controls.h"

#include <string>

namespace orvane::minicv {

namespace {

constexpr Colour windowColour = 0xFFCDC0;
constexpr Colour frameColour = 0x80C0FF;
constexpr Colour sideColour = 0xFFC0C0;
constexpr Colour elementColumnColour = 0xF0C0C0;
constexpr int labelHeight = 13;
constexpr int fieldHeight = 19;

struct Builder {
  ControlTree& tree;

  ControlId add(ControlKind kind, std::string name, ControlId parent, int left, int top, int width,
                int height) {
    Control control;
    control.kind = kind;
    control.name = std::move(name);
    control.parent = parent;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    if (parent != noControl) control.colour = tree.at(parent).colour;
    return tree.add(std::move(control));
  }
  ControlId label(std::string name, ControlId parent, int left, int top, int width) {
    return add(ControlKind::Label, std::move(name), parent, left, top, width, labelHeight);
  }
  ControlId field(std::string name, ControlId parent, int left, int top, int width) {
    const ControlId id = add(ControlKind::Edit, std::move(name), parent, left, top, width, fieldHeight);
    tree.at(id).colour = 0xFFFFFF;
    return id;
  }
  ControlId frame(std::string name, ControlId parent, int left, int top, int width, int height) {
    return add(ControlKind::GroupBox, std::move(name), parent, left, top, width, height);
  }
  ControlId zone(std::string name, ControlId parent, int left, int top, int width, int height) {
    const ControlId id = add(ControlKind::RichEdit, std::move(name), parent, left, top, width, height);
    tree.at(id).colour = 0xFFFFFF;
    return id;
  }
  // Radio buttons and licence boxes carry their caption to the left of the box.
  ControlId box(ControlKind kind, std::string name, ControlId parent, int left, int top, int width) {
    const ControlId id = add(kind, std::move(name), parent, left, top, width, 17);
    tree.at(id).captionLeft = true;
    return id;
  }
};

void addPersonalDetails(Builder& b, ControlId sheet) {
  const ControlId civility = b.add(ControlKind::Panel, "radiogroup1", sheet, 15, 8, 281, 33);
  b.tree.at(civility).colour = frameColour;
  b.box(ControlKind::RadioButton, "RadioButton1", civility, 16, 8, 57);
  b.box(ControlKind::RadioButton, "RadioButton2", civility, 112, 8, 57);
  b.box(ControlKind::RadioButton, "RadioButton3", civility, 216, 8, 57);

  const ControlId details = b.frame("GroupBox1", sheet, 15, 45, 280, 100);
  b.tree.at(details).colour = frameColour;
  b.tree.at(details).tag = 300;
  b.label("Label1", details, 10, 15, 37);
  b.field("Edit1", details, 110, 10, 155);
  b.label("Label2", details, 10, 35, 25);
  b.field("Edit2", details, 110, 32, 155);
  b.label("Label3", details, 10, 55, 31);
  b.tree.at(b.field("Edit3", details, 110, 54, 30)).tag = -150;
  b.tree.at(b.label("Label17", details, 150, 55, 52)).tag = 150;
  b.tree.at(b.field("Edit17", details, 205, 54, 60)).tag = 205;
  b.label("Label4", details, 10, 77, 87);
  b.field("Edit4", details, 110, 76, 155);

  const ControlId photo = b.add(ControlKind::Image, "zImage1", sheet, 330, 14, 110, 130);
  b.tree.at(photo).stretch = true;
}

void addContactDetails(Builder& b, ControlId sheet) {
  const ControlId contact = b.frame("GroupBox2", sheet, 15, 150, 425, 121);
  b.tree.at(contact).colour = frameColour;
  b.label("Label8", contact, 10, 15, 41);
  b.field("Edit8", contact, 110, 10, 300);
  b.field("Edit9", contact, 110, 32, 300);
  b.label("Label5", contact, 10, 55, 76);
  b.field("Edit5", contact, 110, 53, 193);
  b.label("Label6", contact, 10, 75, 98);
  b.field("Edit6", contact, 110, 75, 193);
  b.label("Label7", contact, 10, 95, 33);
  b.field("Edit7", contact, 110, 95, 220);
  b.label("Label10", contact, 10, 56, 80);
  b.field("Edit10", contact, 110, 56, 17);
}

void addZones(Builder& b, ControlId sheet) {
  const ControlId mobility = b.frame("GroupBox4", sheet, 15, 280, 425, 281);
  b.tree.at(mobility).colour = frameColour;
  const ControlId vehicle = b.add(ControlKind::GroupBox, "radiogroup2", mobility, 8, 10, 177, 35);
  b.box(ControlKind::RadioButton, "RadioButton4", vehicle, 16, 15, 57);
  b.box(ControlKind::RadioButton, "RadioButton5", vehicle, 112, 15, 57);
  const ControlId licence = b.frame("GroupBox10", mobility, 200, 10, 210, 35);
  const char* categories[] = {"A", "B", "C", "D", "E"};
  for (int i = 0; i < 5; ++i) {
    const ControlId id =
        b.box(ControlKind::CheckBox, "CheckBox" + std::to_string(17 + i), licence, 10 + 40 * i, 15, 30);
    b.tree.at(id).text = categories[i];
  }

  const ControlId zones = b.frame("GroupBox5", mobility, 8, 48, 393, 225);
  b.label("Label11", zones, 8, 5, 97);
  b.zone("REdit1", zones, 8, 16, 361, 17);
  const ControlId zone2 = b.frame("GroupBox6", zones, 8, 32, 361, 73);
  b.label("Label12", zone2, 8, 14, 180);
  b.zone("REdit2", zone2, 0, 32, 361, 25);
  const ControlId zone3 = b.frame("GroupBox7", zones, 8, 114, 361, 57);
  b.label("Label13", zone3, 8, 14, 140);
  b.zone("REdit3", zone3, 0, 32, 361, 17);
  const ControlId zone4 = b.frame("GroupBox8", zones, 8, 176, 361, 41);
  b.label("Label14", zone4, 8, 2, 150);
  b.zone("REdit4", zone4, 0, 16, 361, 17);
}

void addElementColumn(Builder& b, ControlId window) {
  const ControlId column = b.frame("GroupBox3", window, 464, 24, 169, 417);
  b.tree.at(column).colour = sideColour;
  const ControlId boxes = b.frame("GroupBox31", column, 4, 16, 161, 369);
  b.tree.at(boxes).colour = elementColumnColour;
  for (int i = 0; i < 16; ++i) {
    const ControlId id =
        b.add(ControlKind::CheckBox, "CheckBox" + std::to_string(i + 1), boxes, 5, 20 + 20 * i, 145, 15);
    b.tree.at(id).tabStop = false;
  }
  b.label("Label20", column, 8, 395, 150);
}

void addPrintSettings(Builder& b, ControlId window) {
  const ControlId settings = b.frame("GroupBox9", window, 464, 448, 169, 145);
  b.tree.at(settings).colour = sideColour;
  b.add(ControlKind::ComboBox, "ComboBox1", settings, 8, 16, 153, 21);
  b.label("Label9", settings, 8, 45, 100);
  b.add(ControlKind::ComboBox, "ComboBox2", settings, 112, 41, 49, 21);
  b.label("Label15", settings, 8, 69, 60);
  b.add(ControlKind::ComboBox, "ComboBox3", settings, 112, 65, 49, 21);
  b.label("Label16", settings, 8, 93, 60);
  b.add(ControlKind::ComboBox, "ComboBox4", settings, 112, 89, 49, 21);
  const ControlId buttons = b.add(ControlKind::Panel, "Panel6", settings, 8, 114, 153, 27);
  b.add(ControlKind::Button, "Button1", buttons, 3, 3, 33, 21);
  b.add(ControlKind::Panel, "Panel2", buttons, 39, 3, 36, 21);
  b.add(ControlKind::Panel, "Panel3", buttons, 78, 3, 36, 21);
  b.add(ControlKind::Button, "Button2", buttons, 117, 3, 33, 21);
}

}  // namespace

void addSheetControls(ControlTree& tree) {
  Builder b{tree};
  const ControlId window = b.add(ControlKind::Window, "Form7", noControl, 0, 0, 647, 598);
  tree.at(window).colour = windowColour;
  tree.at(window).text = "Orvane : mini-cv";
  const ControlId sheet = b.add(ControlKind::Panel, "Panel1", window, 8, 0, 449, 585);
  addPersonalDetails(b, sheet);
  addContactDetails(b, sheet);
  addZones(b, sheet);
  addElementColumn(b, window);
  addPrintSettings(b, window);
}

}  // namespace orvane::minicv
