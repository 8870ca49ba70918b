#pragma once
// The font options window: seven check boxes that add or remove an option of the font dialog at once.
// It is built at each opening and lives as long as that modal run.

#include <QDialog>
#include <array>

#include "catalogue/language.h"
#include "font_options.h"

class QCheckBox;
class QPushButton;

namespace orvane {

class TForm11 : public QDialog {
  Q_OBJECT
 public:
  TForm11(FontOptions& options, Language language, QWidget* parent);

  // Handlers.
  void form11load();
  void Button1Click();
  /// CheckBox1Click to CheckBox7Click: box `index` (0 to 6) adds or removes its option.
  void checkBoxClick(int index);

 private:
  FontOptions& options_;
  std::array<QCheckBox*, fontOptionBoxes.size()> boxes_{};
  QPushButton* okButton = nullptr;  // Button1
};

}  // namespace orvane
