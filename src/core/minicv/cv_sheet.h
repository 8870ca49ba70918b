#pragma once
// The mini-CV editor's state: the sheet's control tree as the editor builds it, and everything the
// editor keeps beside the controls (element states, standard geometry, row tables, zone geometry,
// fonts, percentages, flags).
//
// Design: the editor window builds its widgets from `tree` and mirrors it; every rule that lays the
// sheet out (element switching, rows, zones, fonts, alignment, percentages) is a function over this
// object, so that the window, the printer, the HTML converter and orvane-cli share one layout. A rule
// changes the tree first; the window then copies the geometry of the controls it shows.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "catalogue/language.h"
#include "form/control_tree.h"
#include "graphics/geometry.h"
#include "minicv/cv_file_lines.h"

namespace orvane {
class TextMetrics;
}

namespace orvane::minicv {

inline constexpr int elementCount = 16;
/// The help guide's entry for the editor window, which F1 opens.
inline constexpr int miniCvHelpContext = 10;

/// Element states: 0 off, 1 on; "option cadre 2" also knows 2, its grey state.
using ElementStates = std::array<int, elementCount>;

/// The geometry a field or label switched back on gets.
struct StandardGeometry {
  int fieldHeight = 19;            // h: the age field's height, captured at every switch of the age element
  int fieldLeft = 110;             // the age field's left, captured with h
  int labelHeight = 13;            // the age label's height, captured with h
  int nationalityLabelLeft = 150;  // captured when the sheet is built
  int nationalityFieldLeft = 205;
};

/// Row tops of the two frames and the two contact-row tables (fixed telephone, mobile, e-mail, web
/// site); a table entry of 0 is a row that is not placed.
struct RowTables {
  std::array<int, 3> rowTops{0, 0, 0};  // R2, R3, R4; 0 until the first contact-row rule run
  std::array<int, 4> normal{54, 76, 95, 0};
  std::array<int, 4> compact{54, 76, 95, 0};
};

/// The columns the form-font re-layout records and "défaut" goes back to.
struct FontColumns {
  int defaultField = 110;
  bool defaultFieldRecorded = false;
  int personalDetailsField = 110;
  int taggedField = 205;
  int taggedLabel = 150;
  bool taggedFieldRecorded = false;
  bool taggedLabelRecorded = false;
};

/// The size of every font of the sheet as the editor builds it.
inline constexpr std::int16_t startFontSize = 9;

struct CvFonts {
  FontSpec form{"Arial", startFontSize, {}, 0};
  FontSpec zone{"Arial", startFontSize, {}, 0xFF0000};
  FontSpec selection{"Arial", startFontSize, {}, 0xFF0000};
  FontSpec standard{"Arial", startFontSize, {}, 0};  // the default font "défaut" restores
  std::string formStyleFlags = "000";                // bold, italic, underline as '0' or '1'
  std::string zoneStyleFlags = "000";
};

/// Whether the pop-up menu items that the layout rules switch are enabled.
struct CvMenuState {
  bool loadCv = true;
  bool saveCv = true;
  bool quitAll = false;
  bool defaultFonts = false;  // "défaut": enabled by "attributs", disabled after use
  bool margins = false;       // "marges" has no action
};

/// What a save writes for the sheet: the values of the parameter file's lines and the zones' texts.
struct CvFileContent {
  std::array<std::string, cvLineCount> values;
  std::array<RichText, 4> zones;
  bool operator==(const CvFileContent&) const = default;
};

struct CvEditorState {
  Language language = Language::French;
  ElementStates elemstat{};
  std::string fileElemstat;  // the 16 digits of the last file loaded or saved, empty before either
  std::optional<CvFileContent> savedContent;  // what that file holds; changes are tracked against it
  StandardGeometry standard;
  RowTables rows;
  FontColumns columns;
  int labelColumnRight = 0;  // r1: the widest right edge of the personal-details labels
  std::array<int, 4> zoneTop{0, 0, 0, 0};
  std::array<int, 4> zoneHeight{75, 50, 50, 0};
  CvFonts fonts;
  std::string widthPercentage = "100";
  std::string heightPercentage = "100";
  int cumulativeWidthPercentage = 100;
  int orientation = 0;  // 0 horizontal, 1 vertical
  int openingHeight = 0;
  int screenWidth = 1024;
  int screenHeight = 768;
  int screenResolution = 96;  // pixels per inch of the screen the sheet is shown on
  bool built = false;
  bool opened = false;  // from the first opening on, every zone change runs the zone-height rule
  bool cvLoaded = false;
  bool verbose = false;
  bool hideSignature = false;
  bool hideFrames = false;
  CvMenuState menu;
  std::array<std::string, 3> loadedFiles;
  std::string photoFile;
};

class CvSheet {
 public:
  /// The sheet as the editor builds it when its window is created, captioned in `language`.
  explicit CvSheet(Language language = Language::French);

  ControlTree tree;
  CvEditorState state;
  /// Called with the element's index after every element switch: change tracking hooks in here.
  std::function<void(int element)> afterElementSwitch;
  /// The measures of the screen the sheet is shown on: the zones lay their lines out with them, and
  /// the zone-height rule sizes each zone from those lines. None where no screen shows the sheet: a
  /// zone line is then one paragraph, 15 pixels high.
  TextMetrics* screen = nullptr;

  Control& operator[](std::string_view name) { return tree[name]; }
  const Control& operator[](std::string_view name) const { return tree[name]; }
  Control& window() { return tree.at(0); }
  const Control& window() const { return tree.at(0); }

  /// Saving allowed: "sauvegarder CV" enabled, `Panel6` red, "tout quitter" disabled; or the reverse.
  void setSavingAllowed(bool allowed);
  /// Gives every element box its position, caption and checked state from `states` (a state above 1
  /// shows unchecked).
  void rebuildElementBoxes(const ElementStates& states);
  /// The standard widths every opening gives the fields.
  void applyStandardWidths();
  /// Re-captions the sheet's controls and element boxes in `language` (the menus are the window's).
  void caption(Language language);
  /// The editor is opened, from the file's element states or from `elemstat`: boxes rebuilt, standard
  /// widths, frame hints, opening height, h captured, zone frames fitted to the window.
  void open(bool fromLoadedFile);
  /// Centres the window vertically on the screen.
  void recentreVertically();
  /// Records the screen's size and centres the window on it.
  void centreOnScreen(int screenWidth, int screenHeight);
  /// Where the window shows in `area`, the free part of the screen: the sheet's size and place, held
  /// inside the area; a sheet larger than the area scrolls in the window, whose scroll bars, each
  /// `scrollBar` thick, take their room beside it.
  Rect windowOnScreen(const Rect& area, int scrollBar) const;
};

/// The states a file's 16 digits give, or nothing when they are not 16 digits of 0 to 2.
std::optional<ElementStates> parseElementStates(std::string_view digits);
/// The 16 digits of `states`.
std::string formatElementStates(const ElementStates& states);

}  // namespace orvane::minicv
