#include "minicv/element_table.h"

#include <array>
#include <string>

namespace orvane::minicv {

namespace {

// "radiogroup3" names no control, and "image1" is not the photo's name: both elements therefore own
// nothing that prints conditionally, which is how their files and pages have always behaved.
constexpr std::array<ElementInfo, 16> table{{
    {"CheckBox1", 46, "image1", 0},
    {"CheckBox2", 20, "radiogroup1", 1},
    {"CheckBox3", 3, "edit3,label3", 1},
    {"CheckBox4", 4, "edit4,label4", 1},
    {"CheckBox5", 47, "edit5,label5", 1},
    {"CheckBox6", 48, "edit6,label6", 1},
    {"CheckBox7", 7, "edit7,label7", 1},
    {"CheckBox8", 18, "edit10,label10", 0},
    {"CheckBox9", 49, "n/a", 0},
    {"CheckBox10", 8, "radiogroup2", 1},
    {"CheckBox11", 9, "radiogroup3", 1},
    {"CheckBox12", 17, "redit1,label11", 1},
    {"CheckBox13", 16, "redit2,label12", 1},
    {"CheckBox14", 15, "redit3,label13", 1},
    {"CheckBox15", 45, "redit4,label14", 1},
    {"CheckBox16", 30, "edit17,label17", 1},
}};

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

}  // namespace

std::span<const ElementInfo> elementTable() { return table; }

bool listsControl(std::string_view list, std::string_view name) {
  const std::string lower = lowerAscii(name);
  if (lower == list) return true;
  const std::size_t comma = list.find(',');
  if (comma == std::string_view::npos) return false;
  return lower == list.substr(0, comma) || lower == list.substr(comma + 1);
}

std::optional<int> elementOfControl(std::string_view name) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (listsControl(table[i].controls, name)) return static_cast<int>(i);
  return std::nullopt;
}

}  // namespace orvane::minicv
