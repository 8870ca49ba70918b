#include "app/minicv/cv_file_menu.h"

#include <QAction>

#include "app/main/working_directory_commands.h"
#include "app/minicv/tform7.h"
#include "minicv/change_tracking.h"
#include "minicv/cv_file_save.h"
#include "minicv/cv_load_commands.h"

namespace orvane {

CvFileMenu::CvFileMenu(TForm7& editor, const minicv::CvFileServices& services, minicv::CvFileSession& session)
    : editor_(editor), services_(services), session_(session) {
  const EditorPopupMenus& menus = editor.menus();
  QObject::connect(menus.action("sauvegarder1"), &QAction::triggered, &editor,
                   [this] { sauvegarder1Click(); });
  const std::pair<const char*, int> loads[] = {{"mono1", 1}, {"double1", 2}, {"triple1", 3}};
  for (const auto& [name, count] : loads)
    QObject::connect(menus.action(name), &QAction::triggered, &editor, [this, count] { loadClick(count); });
  QObject::connect(menus.action("rpertoiredetravail1"), &QAction::triggered, &editor,
                   [this] { rpertoiredetravail1Click(); });
}

void CvFileMenu::rpertoiredetravail1Click() {
  WorkingDirectories& directories = services_.directories;
  directories.applyChooserOutcome(
      chooseDirectoryWithTForm9(&editor_, directories.directory(SettingKind::ParametersDirectory)));
}

void CvFileMenu::sauvegarder1Click() {
  if (!minicv::sauvegarder1Click(editor_.sheet(), session_, services_).saved) return;
  minicv::markSaved(editor_.sheet());
  editor_.syncFromModel();
}

int CvFileMenu::loadClick(int count) {
  minicv::CvSheet& sheet = editor_.sheet();
  const Language before = sheet.state.language;
  const int loaded = minicv::loadCvCommand(sheet, session_, count, services_);
  // A file in another language has re-captioned the sheet; its menus and the program follow.
  if (sheet.state.language != before) editor_.followSheetLanguage();
  editor_.syncFromModel();
  return loaded;
}

}  // namespace orvane
