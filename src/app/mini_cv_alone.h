#pragma once
// The program started on a mini-CV file: the mini-CV editor alone, without the card editor, holding
// that file; the program ends when the editor is left.

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/minicv/cv_file_menu.h"
#include "app/minicv/tform7.h"
#include "minicv/cv_sheet.h"
#include "qt/qt_colour_font_dialogs.h"
#include "qt/qt_file_association.h"
#include "qt/qt_file_dialogs.h"
#include "qt/qt_input_query.h"
#include "qt/qt_picture_service.h"
#include "qt/qt_text_metrics.h"
#include "richtext/companion_files.h"
#include "settings/settings.h"
#include "settings/working_directories.h"

namespace orvane {

class MiniCvAlone {
 public:
  MiniCvAlone(Prompter& prompter, SettingsStore& settingsStore);
  ~MiniCvAlone();
  MiniCvAlone(const MiniCvAlone&) = delete;
  MiniCvAlone& operator=(const MiniCvAlone&) = delete;

  /// Builds the editor, loads `path` asking about each problem, and shows the editor.
  void open(const std::string& path);
  /// Returns when the editor is left ("fin", "tout quitter" or its close box).
  void run();

  TForm7& editor() { return *editor_; }
  minicv::CvFileSession& fileSession() { return session_; }

 private:
  Prompter& prompter_;
  Settings settings_;
  WorkingDirectories directories_{settings_};
  // The zone texts' working copies go to a folder of this run, not into the user's current folder.
  QTemporaryDir workingCopyFolder_;
  CompanionFiles companions_{prompter_, Language::French};
  QtPictureService pictures_;
  QtFileAssociation association_;
  QtTextMetrics metrics_;
  QtFileDialogs files_;
  QtColourFontDialogs colours_{nullptr};
  QtInputQuery query_{nullptr};
  minicv::CvSheet sheet_;
  minicv::CvFileSession session_;
  std::unique_ptr<TForm7> editor_;
  std::unique_ptr<CvFileMenu> fileMenu_;
};

}  // namespace orvane
