#pragma once
// The mini-CV editor's pop-up menus as data: every item with its name, where it sits and the catalogue
// message of its caption. The window builds its menus from this table and the language change
// re-captions them from it, so an item's caption is written down once.

#include <span>
#include <string>
#include <string_view>

#include "catalogue/language.h"

namespace orvane::minicv {

/// The three pop-up menus: the one the window's background opens, and those of the "HTML" and
/// "Tests" panels.
enum class EditorMenu { Main, Html, Tests };

struct EditorMenuItem {
  std::string_view name;
  EditorMenu menu;
  std::string_view parent;  // the submenu item it sits in; empty at the top of its menu
  int message;              // the catalogue id of its caption; 0 for a caption that never changes
  std::string_view fixedCaption;
  bool submenu = false;
};

/// Every item of the three menus, each after the submenu it belongs to, in the order shown.
std::span<const EditorMenuItem> editorMenuItems();

/// The item called `name`; nullptr for a name no item bears.
const EditorMenuItem* findEditorMenuItem(std::string_view name);

/// The caption of `item` in `language`.
std::string editorMenuCaption(const EditorMenuItem& item, Language language);

/// "mode verbeux" followed by "-" while verbose mode is on, "+" once it has been switched off.
std::string verboseModeCaption(bool verbose, Language language);

}  // namespace orvane::minicv
