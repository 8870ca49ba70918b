#include "app/minicv/cv_html_menu.h"

#include <QAction>
#include <QLocale>

#include "app/main/working_directory_commands.h"
#include "app/minicv/tform7.h"

namespace orvane {

CvHtmlMenu::CvHtmlMenu(TForm7& editor, const CvHtmlMenuServices& services)
    : editor_(editor),
      services_(services),
      export_(editor.sheet(), services.metrics, services.prompter),
      chooser_([this](const std::string& start) { return chooseDirectoryWithTForm9(&editor_, start); }) {
  const std::pair<const char*, void (CvHtmlMenu::*)()> handlers[] = {
      {"browse1", &CvHtmlMenu::browse1Click},
      {"export1", &CvHtmlMenu::export1Click},
      {"exportpathname1", &CvHtmlMenu::exportpathname1Click},
      {"facteuragrandissement1", &CvHtmlMenu::facteuragrandissement1Click},
      {"browser1", &CvHtmlMenu::browser1Click},
  };
  for (const auto& [name, handler] : handlers)
    QObject::connect(editor.menus().action(name), &QAction::triggered, &editor,
                     [this, handler] { (this->*handler)(); });
  QObject::connect(&editor, &TForm7::backgroundChosen, &editor,
                   [this](Colour colour) { export_.backgroundChosen(colour); });
  QObject::connect(&editor, &TForm7::editorLeft, &editor, [this] { export_.release(); });
}

template <typename Command>
void CvHtmlMenu::hidden(Command command) {
  const bool shown = editor_.isVisible();
  editor_.hide();
  command();
  if (shown) editor_.show();
}

void CvHtmlMenu::browse1Click() {
  hidden([this] {
    export_.explorer({services_.prompter, services_.dialogs, services_.shell, services_.directories});
  });
}

void CvHtmlMenu::export1Click() {
  hidden([this] {
    export_.exporter({services_.prompter, services_.dialogs, services_.shell, services_.directories});
  });
}

void CvHtmlMenu::exportpathname1Click() {
  WorkingDirectories& directories = services_.directories;
  minicv::CvHtmlExport::exportpathname(chooser_(directories.directory(SettingKind::ExportDirectory)),
                                       directories);
}

void CvHtmlMenu::facteuragrandissement1Click() {
  const QString point = QLocale::system().decimalPoint();
  const char separator =
      point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
  export_.facteuragrandissement(services_.query, editor_.sheet().state.language, separator);
}

void CvHtmlMenu::browser1Click() { export_.browser(services_.query); }

}  // namespace orvane
