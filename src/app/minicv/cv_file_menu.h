#pragma once
// The mini-CV editor's file items: "sauvegarder CV" and the "simple", "bi-version", "tri-version" and
// "répertoire de travail" items of "charger CV". The rules are the core's; this forwards the items and
// shows the outcome.

#include "minicv/cv_file_session.h"

namespace orvane {

class TForm7;

class CvFileMenu {
 public:
  /// Connects the items of `editor`'s menus; `session` lives as long as the program.
  CvFileMenu(TForm7& editor, const minicv::CvFileServices& services, minicv::CvFileSession& session);

  /// "sauvegarder CV".
  void sauvegarder1Click();
  /// "simple" (1), "bi-version" (2), "tri-version" (3); the number of files loaded.
  int loadClick(int count);
  /// "répertoire de travail": the directory chooser sets the parameters directory.
  void rpertoiredetravail1Click();

 private:
  TForm7& editor_;
  minicv::CvFileServices services_;
  minicv::CvFileSession& session_;
};

}  // namespace orvane
