#pragma once
// A scripted colour and font dialog: it answers from what the test set and records each request.

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "services/colour_font_dialogs.h"

namespace orvane {

class ScriptedDialogs : public ColourFontDialogs {
 public:
  /// Answers used in order; an empty queue answers cancel.
  std::deque<std::optional<Colour>> colours;
  std::deque<std::optional<FontSpec>> fonts;
  /// Faces the font dialog knows.
  std::set<std::string> installedFonts{"Arial", "Times New Roman"};

  std::vector<Colour> colourPresets;
  std::vector<FontDialogRequest> fontRequests;

  std::optional<Colour> chooseColour(Colour current) override;
  bool fontAvailable(const std::string& name) override { return installedFonts.contains(name); }
  std::optional<FontSpec> chooseFont(const FontDialogRequest& request) override;
};

}  // namespace orvane
