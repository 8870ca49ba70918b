#pragma once
// The main window's "aide" panel: the help window and the About box, and F1 for the help document.

namespace orvane {

class Prompter;
class TForm2;

/// Connects "&Assistance" (`massistance_click`) and "A &propos" (`mpropos_click`) of `window`, and
/// makes F1 in it open the help document.
void attachHelpCommands(TForm2& window, Prompter& prompter);

}  // namespace orvane
