#pragma once
// The pop-up menus of the main window's command panels, built once; each item is a typed member so
// that the handlers, the command states and the later relabelling reach it without a name lookup.

class QAction;
class QMenu;
class QWidget;

namespace orvane {

/// "Texte_&1" and "Texte_&2": the text of one frame.
struct FrameTextMenu {
  QMenu* menu = nullptr;
  QAction* load = nullptr;  // "charger"
  QAction* save = nullptr;  // "sauvegarder"
};

/// "fichier" (tag 1).
struct FileMenu {
  QMenu* menu = nullptr;
  QAction* load = nullptr;              // "&Charger"
  QAction* save = nullptr;              // "&Sauvegarder"
  QAction* workingDirectory = nullptr;  // "répertoire de travail"
  QAction* clipboardCopy = nullptr;     // "Copie du &Presse papier"
  QAction* printerSetup = nullptr;      // "&Imprimante"
  QAction* printBlackWhite = nullptr;   // "Impression &noir et blanc"
  QAction* printColour = nullptr;       // "Impression &couleurs"
  QAction* exportPdf = nullptr;         // "Exporter en PDF"
  QAction* exportPrintShop = nullptr;   // "Exporter pour l'imprimeur"
  QAction* cardMerge = nullptr;         // "Publipostage"
  QAction* quit = nullptr;              // "&Quitter"
};

/// "éléments" (tag 2).
struct ElementsMenu {
  QMenu* menu = nullptr;
  QAction* cardAccess = nullptr;  // "accès carte"
  FrameTextMenu frame1Text;
  FrameTextMenu frame2Text;
  QAction* icon = nullptr;           // "&Icone"
  QAction* pattern = nullptr;        // "&Motif"
  QAction* contact = nullptr;        // "contact"
  QAction* exportContact = nullptr;  // "Exporter le contact"
};

/// "contrôle" (tag 4).
struct ControlMenu {
  QMenu* menu = nullptr;
  QAction* audit = nullptr;      // "audit "
  QAction* testPrint = nullptr;  // "test impression"
  QMenu* options = nullptr;
  QAction* fonts = nullptr;  // "polices"
  QMenu* bitmapCheck = nullptr;
  QAction* checkOneFile = nullptr;     // "fichier unique"
  QAction* checkFileGroup = nullptr;   // "groupe de fichiers"
  QAction* automaticBackup = nullptr;  // "sauvegarde auto"
  QAction* silentMode = nullptr;       // "mode silencieux"
  QMenu* language = nullptr;
  QAction* french = nullptr;   // "français"
  QAction* english = nullptr;  // "anglais"
  QAction* german = nullptr;   // "allemand"
};

/// "Mini-CV" (tag 5).
struct MiniCvMenu {
  QMenu* menu = nullptr;
  QAction* edit = nullptr;   // "Editer"
  QAction* print = nullptr;  // "Imprimer"
  QAction* save = nullptr;   // "Sauvegarder"
  QAction* load = nullptr;   // "Charger"
};

/// "aide" (tag 3).
struct HelpMenu {
  QMenu* menu = nullptr;
  QAction* assistance = nullptr;       // "&Assistance"
  QAction* about = nullptr;            // "A &propos"
  QAction* fileAssociation = nullptr;  // "Association des fichiers "
};

struct PopupMenus {
  FileMenu file;
  ElementsMenu elements;
  ControlMenu control;
  MiniCvMenu miniCv;
  HelpMenu help;

  /// The menu a command panel's tag selects.
  QMenu* byTag(int tag) const;
};

/// Builds the five menus under `parent`, in French; menus and items keep their object names.
PopupMenus buildPopupMenus(QWidget* parent);

}  // namespace orvane
