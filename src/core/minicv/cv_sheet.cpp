#include "minicv/cv_sheet.h"

#include <algorithm>
#include <utility>

#include "catalogue/catalogue.h"
#include "minicv/element_table.h"
#include "minicv/sheet_adjustments.h"
#include "minicv/sheet_controls.h"
#include "minicv/zone_layout.h"
#include "text/rounding.h"

namespace orvane::minicv {

namespace {

constexpr Colour savingAllowedColour = 0x0000FF;
constexpr Colour savingDoneColour = 0x008000;

// Controls whose caption follows the language, with their message; 0 for an empty caption.
constexpr std::pair<std::string_view, int> captions[] = {
    {"Button1", 34},      {"Button2", 35},      {"Label1", 2},        {"Label2", 1},
    {"Label3", 3},        {"Label4", 4},        {"Label5", 19},       {"Label6", 6},
    {"Label7", 7},        {"Label8", 5},        {"Label9", 13},       {"Label10", 0},
    {"Label11", 17},      {"Label12", 16},      {"Label13", 15},      {"Label14", 14},
    {"Label15", 28},      {"Label16", 29},      {"Label17", 30},      {"GroupBox3", 31},
    {"RadioButton1", 10}, {"RadioButton2", 11}, {"RadioButton3", 12}, {"RadioButton4", 32},
    {"RadioButton5", 33}, {"radiogroup2", 8},   {"GroupBox10", 9},    {"GroupBox1", 0},
    {"GroupBox2", 0},     {"GroupBox4", 0},     {"GroupBox5", 0},     {"GroupBox6", 0},
    {"GroupBox7", 0},     {"GroupBox8", 0},
};

constexpr std::pair<std::string_view, int> frameHints[] = {
    {"GroupBox1", 20}, {"GroupBox2", 21}, {"GroupBox31", 22}, {"GroupBox4", 23}, {"GroupBox5", 24},
    {"GroupBox6", 25}, {"GroupBox7", 26}, {"GroupBox8", 27},  {"GroupBox9", 22},
};

}  // namespace

CvSheet::CvSheet(Language language) {
  state.language = language;
  addSheetControls(tree);
  for (std::size_t i = 0; i < elementTable().size(); ++i) state.elemstat[i] = elementTable()[i].defaultState;
  Control& form = window();
  form.hint = "zone clicable";
  form.left = roundToInt((state.screenWidth - form.width) / 2.0);
  recentreVertically();
  tree["Panel2"].text = "HTML";
  tree["Panel3"].text = "Tests";
  tree["Label20"].text = "FONT :";
  tree["CheckBox9"].hint = "ajouter un champ d'adresse ou récupérer de la place pour les zones suivantes";
  caption(language);
  for (int zone = 1; zone <= 4; ++zone)
    tree["REdit" + std::to_string(zone)].hint = tree["Label" + std::to_string(10 + zone)].text;

  for (const char* name : {"Label10", "Edit10"}) tree[name].visible = false;
  // The web site stays off while both telephones are on; "option cadre 2" waits for room to recover.
  for (const char* name : {"CheckBox8", "CheckBox9"}) tree[name].enabled = false;
  for (const char* name : {"ComboBox3", "ComboBox4"}) {
    Control& list = tree[name];
    for (int percent = smallestPercentage; percent <= largestPercentage; ++percent)
      list.items.push_back(std::to_string(percent));
    list.itemIndex = 5;
    list.text = "100";
  }
  tree["ComboBox2"].enabled = false;
  setSavingAllowed(true);
}

void CvSheet::setSavingAllowed(bool allowed) {
  state.menu.saveCv = allowed;
  state.menu.quitAll = !allowed;
  tree["Panel6"].colour = allowed ? savingAllowedColour : savingDoneColour;
}

void CvSheet::rebuildElementBoxes(const ElementStates& states) {
  for (std::size_t i = 0; i < elementTable().size(); ++i) {
    Control& box = tree[elementTable()[i].checkBox];
    box.left = 5;
    box.top = 20 + 20 * static_cast<int>(i);
    box.width = 145;
    box.height = 15;
    box.tabStop = false;
    box.text = catalogue::text(state.language, elementTable()[i].captionId);
    box.checked = states[i] == 1;
    box.greyed = false;
  }
}

void CvSheet::applyStandardWidths() {
  for (const char* name : {"Edit1", "Edit2", "Edit4"}) tree[name].width = 155;
  for (const char* name : {"Edit5", "Edit6"}) tree[name].width = 200;
  tree["Edit7"].width = 220;
  for (const char* name : {"Edit8", "Edit9", "Edit10"}) tree[name].width = 300;
}

void CvSheet::caption(Language language) {
  state.language = language;
  for (const auto& [name, id] : captions)
    tree[name].text = id == 0 ? std::string() : catalogue::text(language, id);
  rebuildElementBoxes(state.elemstat);
  Control& orientation = tree["ComboBox1"];
  orientation.items = {catalogue::text(language, 75), catalogue::text(language, 76)};
  orientation.itemIndex = -1;
  orientation.text = catalogue::text(language, 74);
}

void CvSheet::open(bool fromLoadedFile) {
  ElementStates states = state.elemstat;
  if (fromLoadedFile) {
    if (const auto fileStates = parseElementStates(state.fileElemstat)) states = *fileStates;
  }
  rebuildElementBoxes(states);
  applyStandardWidths();
  for (const auto& [name, id] : frameHints) tree[name].hint = catalogue::text(state.language, id);
  state.built = true;
  state.openingHeight = window().height;
  const Control& age = tree["Edit3"];
  state.standard.fieldHeight = age.height;
  state.standard.fieldLeft = age.left;
  state.standard.labelHeight = tree["Label3"].height;
  fitZoneFrames(*this);
  state.opened = true;
  // A CV loaded before the first opening (the main window's "Charger") set its zones' texts while the
  // height rule did not run yet: they get their heights now.
  if (state.cvLoaded) fitZonesToTexts(*this);
}

void CvSheet::recentreVertically() {
  window().top = roundToInt((state.screenHeight - window().height) / 2.0);
}

void CvSheet::centreOnScreen(int screenWidth, int screenHeight) {
  state.screenWidth = screenWidth;
  state.screenHeight = screenHeight;
  window().left = roundToInt((state.screenWidth - window().width) / 2.0);
  recentreVertically();
}

Rect CvSheet::windowOnScreen(const Rect& area, int scrollBar) const {
  const Control& form = window();
  const int areaWidth = area.right - area.left;
  const int areaHeight = area.bottom - area.top;
  const int wanted = form.width + (form.height > areaHeight ? scrollBar : 0);
  const int width = std::min(wanted, areaWidth);
  const int height = std::min(form.height + (wanted > areaWidth ? scrollBar : 0), areaHeight);
  return Rect::fromSize(std::clamp(form.left, area.left, area.right - width),
                        std::clamp(form.top, area.top, area.bottom - height), width, height);
}

std::optional<ElementStates> parseElementStates(std::string_view digits) {
  if (digits.size() != elementCount) return std::nullopt;
  ElementStates states{};
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (digits[i] < '0' || digits[i] > '2') return std::nullopt;
    states[i] = digits[i] - '0';
  }
  return states;
}

std::string formatElementStates(const ElementStates& states) {
  std::string digits;
  for (int value : states) digits += static_cast<char>('0' + value);
  return digits;
}

}  // namespace orvane::minicv
