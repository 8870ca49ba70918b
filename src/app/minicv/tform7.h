#pragma once
// The mini-CV editor window. It owns the widgets of the sheet and the pop-up menus, and forwards every
// event to the rule of the same name in the core; after each rule the widgets mirror the sheet.

#include <QWidget>

#include "app/minicv/editor_popup_menus.h"
#include "app/minicv/sheet_widgets.h"
#include "minicv/cv_sheet.h"
#include "minicv/sheet_adjustments.h"
#include "render/picture_service.h"
#include "services/colour_font_dialogs.h"
#include "services/file_association_service.h"
#include "services/file_dialogs.h"
#include "services/input_query.h"
#include "services/prompter.h"
#include "services/text_metrics.h"
#include "settings/working_directories.h"

namespace orvane {

struct CvEditorServices {
  Prompter& prompter;
  FileDialogs& fileDialogs;
  ColourFontDialogs& colourDialogs;
  InputQuery& query;
  PictureService& pictures;
  WorkingDirectories& directories;
  FileAssociationService& association;
  TextMetrics& metrics;  // of the screen: the zones' lines and the labels' captions
};

class TForm7 : public QWidget {
  Q_OBJECT
 public:
  TForm7(minicv::CvSheet& sheet, const CvEditorServices& services);

  /// Every widget, the window's size and place, and the menu items' states follow the sheet.
  void syncFromModel();
  /// The editor is opened: from the loaded file's element states or from `elemstat`.
  void open(bool fromLoadedFile);

  SheetWidgets& widgets() { return *widgets_; }
  const EditorPopupMenus& menus() const { return menus_; }
  minicv::CvSheet& sheet() { return sheet_; }

  // Handlers.
  void onformclick();
  void elementClicked(int element);
  void zoneEdited(int zone);
  void chargerphoto1Click();
  void titresdescadres1Click();
  void couleur1Click();
  void signature1Click();
  void cadres1Click();
  void modeverbeux1Click();
  void changeLanguage(Language language);
  /// The sheet was captioned in another language by a loaded file: the menus and the program follow.
  void followSheetLanguage();
  void synchronicit1Click();
  void Button2Click();
  void associationdesfichiers1Click();
  void Button1Click();
  void alignmentClick(minicv::AlignmentFrame frame);
  void percentageChosen(minicv::ControlId list);

 signals:
  /// The editor was left ("fin" or its close box): the main window is to be shown.
  void editorLeft();
  /// "tout quitter": the program is to end.
  void quitRequested();
  /// The interface language was switched from this window.
  void languageChanged(Language language);
  /// The user picked the sheet's background colour.
  void backgroundChosen(Colour colour);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void connectMenus();
  /// The window takes the sheet's size and place, held on the screen's free area.
  void placeOnScreen();
  void controlClicked(minicv::ControlId id);
  void showPicture(const minicv::Control& image, QLabel& label);

  minicv::CvSheet& sheet_;
  CvEditorServices services_;
  EditorPopupMenus menus_;
  SheetWidgets* widgets_ = nullptr;
};

}  // namespace orvane
