#include "app/mini_cv_alone.h"

#include <QEventLoop>

#include "app/orvane_application.h"
#include "app/start_icon.h"
#include "minicv/cv_file_load.h"
#include "qt/qt_settings_store.h"
#include "qt/qt_text.h"

namespace orvane {

MiniCvAlone::MiniCvAlone(Prompter& prompter, PrinterService& printers, SettingsStore& settingsStore)
    : prompter_(prompter),
      printers_(printers),
      settings_(settingsStore, prompter, settingsRootDirectory()),
      association_(startIcon().toImage()),
      // The system's dialogs set up the system's printers only; over other printers they choose nothing.
      qtPrintDialogs_(dynamic_cast<QtPrinterService*>(&printers), nullptr) {
  companions_.workingCopyFolder = toStdString(workingCopyFolder_.path());
}

MiniCvAlone::~MiniCvAlone() { companions_.deleteWorkingCopies(); }

void MiniCvAlone::open(const std::string& path) {
  directories_.load();
  editor_ = std::make_unique<TForm7>(sheet_, CvEditorServices{prompter_, files_, colours_, query_, pictures_,
                                                              directories_, association_, metrics_});
  // Made before the sheet is filled in: the page's attributes follow the sheet's design values.
  htmlMenu_ = std::make_unique<CvHtmlMenu>(
      *editor_, CvHtmlMenuServices{prompter_, files_, queryDialog_, *pageShell_, directories_, metrics_});
  files_.setParent(editor_.get());
  qtPrintDialogs_.setParent(editor_.get());
  fileMenu_ = std::make_unique<CvFileMenu>(
      *editor_, minicv::CvFileServices{files_, directories_, companions_, prompter_, metrics_, pictures_},
      session_);
  printMenu_ = std::make_unique<CvPrintMenu>(
      *editor_, CvPrintMenuServices{shell_, printers_, *printDialogs_, prompter_, colours_, pictures_});
  printMenu_->loadCopiesThrough(session_, {companions_, prompter_, metrics_, pictures_});
  // The printer report speaks the editor's language.
  QObject::connect(editor_.get(), &TForm7::languageChanged, editor_.get(),
                   [this](Language language) { setInterfaceLanguage(shell_.state(), language); });
  sheet_.open(false);
  const Language before = sheet_.state.language;
  minicv::loadCvFile(sheet_, session_, path, minicv::CvReportMode::Ask,
                     {companions_, prompter_, metrics_, pictures_});
  if (sheet_.state.language != before) editor_->followSheetLanguage();
  editor_->syncFromModel();
  printMenu_->updatePrintItems();
  editor_->show();
}

void MiniCvAlone::run() {
  if (!editor_) return;
  QEventLoop modalRun;
  QObject::connect(editor_.get(), &TForm7::editorLeft, &modalRun, &QEventLoop::quit);
  QObject::connect(editor_.get(), &TForm7::quitRequested, &modalRun, &QEventLoop::quit);
  modalRun.exec();
  editor_->hide();
}

}  // namespace orvane
