#include "minicv/element_switching.h"

#include "catalogue/catalogue.h"
#include "minicv/contact_rows.h"
#include "minicv/element_table.h"
#include "minicv/zone_layout.h"

namespace orvane::minicv {

namespace {

// A row top, or the standard one while the rows have not been computed yet.
int rowTop(int top, int fallback) { return top > 0 ? top : fallback; }

bool on(const CvSheet& sheet, int element) {
  return sheet.state.elemstat[static_cast<std::size_t>(element)] != 0;
}

void show(CvSheet& sheet, std::initializer_list<const char*> names, bool visible) {
  for (const char* name : names) sheet[name].visible = visible;
}

void place(Control& control, int left, int top, int width, int height) {
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
  control.visible = true;
}

int r2(const CvSheet& sheet) { return rowTop(sheet.state.rows.rowTops[0], 54); }
int r3(const CvSheet& sheet) { return rowTop(sheet.state.rows.rowTops[1], 76); }

void placeMaritalRow(CvSheet& sheet, int top) {
  const StandardGeometry& standard = sheet.state.standard;
  place(sheet["Edit4"], standard.fieldLeft, top, 155, standard.fieldHeight);
  place(sheet["Label4"], 10, top, 87, standard.labelHeight);
}

// Nationality shares the age row: beside the age while it shows, in the left column otherwise.
void placeNationalityColumn(CvSheet& sheet) {
  const StandardGeometry& standard = sheet.state.standard;
  const bool besideAge = on(sheet, ageElement);
  sheet["Label17"].left = besideAge ? standard.nationalityLabelLeft : 10;
  sheet["Edit17"].left = besideAge ? standard.nationalityFieldLeft : standard.fieldLeft;
}

void switchAge(CvSheet& sheet, bool isOn) {
  StandardGeometry& standard = sheet.state.standard;
  standard.fieldHeight = sheet["Edit3"].height;
  standard.fieldLeft = sheet["Edit3"].left;
  standard.labelHeight = sheet["Label3"].height;
  if (isOn) {
    place(sheet["Edit3"], standard.fieldLeft, r2(sheet), 30, standard.fieldHeight);
    place(sheet["Label3"], 10, r2(sheet), 31, standard.labelHeight);
    if (on(sheet, nationalityElement)) placeNationalityColumn(sheet);
    if (on(sheet, maritalElement)) placeMaritalRow(sheet, r3(sheet));
    return;
  }
  show(sheet, {"Edit3", "Label3"}, false);
  // The nationality takes the freed left column whether or not the marital status follows it, so
  // that the row looks the same as when the nationality is switched on after the age went off.
  if (on(sheet, nationalityElement)) placeNationalityColumn(sheet);
  if (on(sheet, maritalElement))
    placeMaritalRow(sheet, on(sheet, nationalityElement) ? r3(sheet) : r2(sheet));
}

void switchMarital(CvSheet& sheet, bool isOn) {
  if (!isOn) return show(sheet, {"Edit4", "Label4"}, false);
  const bool rowAbove = on(sheet, ageElement) || on(sheet, nationalityElement);
  placeMaritalRow(sheet, rowAbove ? r3(sheet) : r2(sheet));
}

void switchNationality(CvSheet& sheet, bool isOn) {
  if (isOn) {
    placeNationalityColumn(sheet);
    for (const char* name : {"Label17", "Edit17"}) {
      sheet[name].top = r2(sheet);
      sheet[name].visible = true;
    }
    if (on(sheet, maritalElement)) placeMaritalRow(sheet, r3(sheet));
    return;
  }
  show(sheet, {"Label17", "Edit17"}, false);
  if (on(sheet, maritalElement)) placeMaritalRow(sheet, on(sheet, ageElement) ? r3(sheet) : r2(sheet));
}

void switchTelephone(CvSheet& sheet, bool mobile, bool isOn) {
  const StandardGeometry& standard = sheet.state.standard;
  Control& field = sheet[mobile ? "Edit6" : "Edit5"];
  Control& label = sheet[mobile ? "Label6" : "Label5"];
  if (isOn) {
    const int top =
        mobile ? rowTop(sheet.state.rows.rowTops[1], 75) : rowTop(sheet.state.rows.rowTops[0], 55);
    place(field, standard.fieldLeft, top, 200, standard.fieldHeight);
    place(label, 10, top, mobile ? 98 : 76, standard.labelHeight);
    label.text = catalogue::text(sheet.state.language, mobile ? 6 : 19);
    show(sheet, {"Edit10", "Label10"}, false);
  } else {
    field.visible = false;
    label.visible = false;
    // The web site takes the freed row.
    place(sheet["Edit10"], standard.fieldLeft, field.top, 300, standard.fieldHeight);
    Control& webLabel = sheet["Label10"];
    place(webLabel, 10, label.top, 80, standard.labelHeight);
    webLabel.text = catalogue::text(sheet.state.language, 18);
    sheet.state.elemstat[webSiteElement] = 1;
    sheet["CheckBox8"].checked = true;
  }
  const bool bothOn = on(sheet, fixedPhoneElement) && on(sheet, mobilePhoneElement);
  // Without a free telephone row there is nowhere to put the web site.
  sheet["CheckBox8"].enabled = !bothOn;
  if (bothOn && sheet.state.cvLoaded && sheet.state.elemstat[webSiteElement] == 1)
    sheet.state.elemstat[webSiteElement] = 2;
}

void finishContactRows(CvSheet& sheet, bool contactOption) {
  runContactRowRule(sheet);
  placeContactRows(sheet);
  fitContactFrame(sheet, contactOption);
  if (!contactOption || on(sheet, webSiteElement)) return;
  if (sheet.state.elemstat[contactOptionElement] == 2) {
    // The grey state turns the web-site field into a second address line.
    Control& line = sheet["Edit10"];
    line.top = 55;
    line.visible = true;
  } else {
    show(sheet, {"Edit10", "Label10"}, false);
  }
}

void switchMobility(CvSheet& sheet, int element, bool isOn) {
  const bool vehicle = element == vehicleElement;
  Control& licence = sheet["GroupBox10"];
  if (vehicle) {
    sheet["radiogroup2"].visible = isOn;
    if (isOn && licence.visible) licence.left = 190;
    if (!isOn) licence.left = 10;
  } else {
    licence.visible = isOn;
    if (isOn) licence.left = 190;
  }
  const bool other = on(sheet, vehicle ? licenceElement : vehicleElement);
  sheet["GroupBox5"].top = isOn || other ? 50 : 10;
}

void applyRule(CvSheet& sheet, int element, bool isOn) {
  switch (element) {
    case photoElement:
      if (isOn)
        place(sheet["zImage1"], 330, 14, 110, 130);
      else
        sheet["zImage1"].visible = false;
      return;
    case civilityElement: {
      if (isOn)
        place(sheet["radiogroup1"], 15, 10, 280, 28);
      else
        sheet["radiogroup1"].visible = false;
      Control& details = sheet["GroupBox1"];
      details.left = 15;
      details.top = isOn ? 45 : 10;
      details.width = 300;
      details.height = 100;
      return;
    }
    case ageElement:
      return switchAge(sheet, isOn);
    case maritalElement:
      return switchMarital(sheet, isOn);
    case nationalityElement:
      return switchNationality(sheet, isOn);
    case fixedPhoneElement:
    case mobilePhoneElement:
      switchTelephone(sheet, element == mobilePhoneElement, isOn);
      return finishContactRows(sheet, false);
    case emailElement:
      show(sheet, {"Label7", "Edit7"}, isOn);
      return finishContactRows(sheet, false);
    case webSiteElement:
      show(sheet, {"Label10", "Edit10"}, isOn);
      return finishContactRows(sheet, false);
    case contactOptionElement:
      return finishContactRows(sheet, true);
    case vehicleElement:
    case licenceElement:
      return switchMobility(sheet, element, isOn);
    default:
      return switchZone(sheet, element - zone1Element + 1, isOn);
  }
}

}  // namespace

void switchElement(CvSheet& sheet, int element, int value) {
  sheet.state.elemstat[static_cast<std::size_t>(element)] = value;
  Control& box = sheet[elementTable()[static_cast<std::size_t>(element)].checkBox];
  box.checked = value == 1;
  box.greyed = value == 2;
  applyRule(sheet, element, value != 0);
  if (sheet.afterElementSwitch) sheet.afterElementSwitch(element);
}

}  // namespace orvane::minicv
