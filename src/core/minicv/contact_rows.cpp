#include "minicv/contact_rows.h"

#include <algorithm>

#include "minicv/element_table.h"

namespace orvane::minicv {

namespace {

// Fixed telephone, mobile and e-mail rows, in the order of the row tables.
constexpr const char* rowFields[3] = {"Edit5", "Edit6", "Edit7"};
constexpr const char* rowLabels[3] = {"Label5", "Label6", "Label7"};

bool contactOptionOn(const CvSheet& sheet) { return sheet.state.elemstat[contactOptionElement] != 0; }
bool webSiteChecked(const CvSheet& sheet) { return sheet.state.elemstat[webSiteElement] == 1; }

const std::array<int, 4>& tableInForce(const CvSheet& sheet) {
  return contactOptionOn(sheet) ? sheet.state.rows.compact : sheet.state.rows.normal;
}

// The compact table: the rows that show, packed from R2 down; a shown web-site field takes R2 and
// pushes the others one row down.
std::array<int, 4> compactTable(bool fixed, bool mobile, bool email, bool webShown, bool webChecked,
                                const std::array<int, 3>& r) {
  const auto [r2, r3, r4] = r;
  const int first = webShown ? r3 : r2;
  const int second = webShown ? r4 : r3;
  const int web = webChecked ? r2 : 0;
  if (!fixed && !mobile && !email) return {0, 0, 0, webChecked || webShown ? r2 : 0};
  if (fixed && mobile && email) return {r2, r3, r4, 0};
  if (fixed && mobile) return {first, second, 0, web};
  if (fixed && email) return {first, 0, second, web};
  if (mobile && email) return {0, first, second, web};
  if (fixed) return {first, 0, 0, web};
  if (email) return {0, 0, first, web};
  // The mobile row alone keeps the web site just above the second row.
  return {0, first, 0, webChecked ? 55 : 0};
}

void placeRow(CvSheet& sheet, const char* field, const char* label, int top) {
  if (top <= 0) return;
  sheet[field].top = top;
  sheet[label].top = top;
}

}  // namespace

std::array<int, 3> rowTopsFor(int h) { return {h < 20 ? 2 * h + 16 : 2 * h + 14, 3 * h + 19, 4 * h + 20}; }

void runContactRowRule(CvSheet& sheet) {
  RowTables& rows = sheet.state.rows;
  rows.rowTops = rowTopsFor(sheet.state.standard.fieldHeight);
  std::copy(rows.rowTops.begin(), rows.rowTops.end(), rows.normal.begin());
  rows.compact = compactTable(sheet["Edit5"].visible, sheet["Edit6"].visible, sheet["Edit7"].visible,
                              sheet["Edit10"].visible, webSiteChecked(sheet), rows.rowTops);
  int off = 0;
  for (int element : {fixedPhoneElement, mobilePhoneElement, emailElement, webSiteElement})
    if (sheet.state.elemstat[element] == 0) ++off;
  sheet["CheckBox9"].enabled = off >= 2;
}

void placeContactRows(CvSheet& sheet) {
  const RowTables& rows = sheet.state.rows;
  const bool compact = contactOptionOn(sheet);
  for (std::size_t i = 0; i < 3; ++i) {
    if (!sheet[rowFields[i]].visible) continue;
    // The fixed telephone always packs up; the rows below it keep their places unless asked to.
    const int top = compact || i == 0 ? rows.compact[i] : rows.normal[i];
    placeRow(sheet, rowFields[i], rowLabels[i], top);
  }
  if (webSiteChecked(sheet)) {
    placeRow(sheet, "Edit10", "Label10", rows.compact[3]);
  } else {
    sheet["Edit10"].visible = false;
    sheet["Label10"].visible = false;
  }
}

void fitContactFrame(CvSheet& sheet, bool always) {
  const auto& table = tableInForce(sheet);
  const int m = std::max(35, *std::max_element(table.begin(), table.end()));
  Control& contact = sheet["GroupBox2"];
  if (!always && contact.height >= m + 20) return;
  contact.height = m + 25;
  sheet["GroupBox4"].top = contact.height + 165;
}

}  // namespace orvane::minicv
