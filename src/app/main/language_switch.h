#pragma once
// The "language" submenu of the main window: relabels the window from its caption table and rebuilds
// the item lists of the parameter controls in the chosen language. The card is left as it is.

#include <QObject>
#include <functional>
#include <vector>

#include "app/caption_targets.h"
#include "catalogue/language.h"

namespace orvane {

class CardEditorShell;
struct PopupMenus;

class LanguageSwitch : public QObject {
  Q_OBJECT
 public:
  /// A group of parameter controls that refills its item lists in a language.
  using ListGroup = std::function<void(Language)>;

  /// Relabels `window` and `menus`; `listGroups` are refilled, in their order, after each relabelling.
  LanguageSwitch(CardEditorShell& shell, QWidget& window, const PopupMenus& menus,
                 std::vector<ListGroup> listGroups);

  // Handlers.
  void francais1Click() { switchTo(Language::French); }
  void anglais1Click() { switchTo(Language::English); }
  void allemand1Click() { switchTo(Language::German); }

  /// Every caption, hint and menu entry of the table in `language`, then the item lists.
  void applyLanguage(Language language);

  /// The controls and menu items the table names.
  const CaptionTargets& targets() const { return targets_; }

 signals:
  /// The user chose `language`; what keeps a language of its own follows it.
  void languageChanged(Language language);

 private:
  void switchTo(Language language);
  void buildControlLists(Language language);

  CardEditorShell& shell_;
  QWidget& window_;
  CaptionTargets targets_;
  std::vector<ListGroup> listGroups_;
};

}  // namespace orvane
