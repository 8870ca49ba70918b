#pragma once
// The five command panels of the main window; each opens the pop-up menu its tag selects.

#include <QFrame>
#include <QString>
#include <array>

class QLabel;
class QWidget;

namespace orvane {

/// A panel that opens a pop-up menu: its tag selects the menu.
class CommandPanel : public QFrame {
  Q_OBJECT
 public:
  CommandPanel(const QString& name, const QString& caption, const QString& hint, int tag, QWidget* parent);
  int tag() const { return tag_; }
  QString caption() const;
  void setCaption(const QString& caption);
  void setHighlighted(bool on);
  bool highlighted() const { return highlighted_; }

 signals:
  void clicked(CommandPanel* panel);
  void mouseMoved(CommandPanel* panel);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int tag_;
  bool highlighted_ = false;
  QLabel* captionLabel_ = nullptr;
};

/// The main window's panels, by what they hold.
struct CommandPanels {
  CommandPanel* file = nullptr;      // "fichier", Panel1
  CommandPanel* elements = nullptr;  // "éléments", Panel2
  CommandPanel* control = nullptr;   // "contrôle", Panel4
  CommandPanel* miniCv = nullptr;    // "Mini-CV", Panel5
  CommandPanel* help = nullptr;      // "aide", Panel3

  std::array<CommandPanel*, 5> all() const { return {file, elements, control, miniCv, help}; }
};

}  // namespace orvane
