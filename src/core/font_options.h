#pragma once
// The options that tune the font dialog, chosen in the font options window and kept for the run.

#include <array>
#include <string_view>

namespace orvane {

enum class FontOption {
  TrueTypeOnly,     // list TrueType fonts only
  WysiwygOnly,      // list only fonts both the screen and the printer have
  AnsiOnly,         // list only fonts of the Windows character set
  NoOemFonts,       // leave out OEM fonts
  NoVectorFonts,    // leave out vector fonts
  ForceFontExists,  // accept only existing fonts
  LimitSize,        // offer only the sizes of `limitedSizes`
  Effects,          // colour, underline and strike-out choices
};

/// A set of font options; empty at start.
class FontOptions {
 public:
  bool has(FontOption option) const { return (bits_ & bit(option)) != 0; }
  void set(FontOption option, bool on) { bits_ = on ? bits_ | bit(option) : bits_ & ~bit(option); }
  bool operator==(const FontOptions&) const = default;

 private:
  static unsigned bit(FontOption option) { return 1U << static_cast<unsigned>(option); }
  unsigned bits_ = 0;
};

/// One check box of the font options window: its caption, its hint and the option it stands for.
struct FontOptionBox {
  std::string_view caption;
  std::string_view hint;
  FontOption option;
};

/// The seven check boxes of the font options window, CheckBox1 to CheckBox7.
inline constexpr std::array<FontOptionBox, 7> fontOptionBoxes{{
    {"True Type", "true type only", FontOption::TrueTypeOnly},
    {"Wysiwyg", "wysiwyg only", FontOption::WysiwygOnly},
    {"Ansi", "Ansi only", FontOption::AnsiOnly},
    {"OEM", "no OEM fonts", FontOption::NoOemFonts},
    {"Vectoriel", "no vectoriel fonts", FontOption::NoVectorFonts},
    {"Force Exists", "only available fonts can be given the dialog box", FontOption::ForceFontExists},
    {"Limit Size", "limited to predefined sizes ", FontOption::LimitSize},
}};

/// The caption id of the font options window.
inline constexpr int fontOptionsCaption = 1164;

}  // namespace orvane
