#include "cardfile/card_file_lines.h"

#include <array>
#include <cstdio>

#include "text/field_text.h"

namespace orvane {

namespace {

using enum CardLineKind;

constexpr std::array<CardLineFormat, cardLineCount> formats{{
    {1, "texte 1 : ", Path},
    {2, "texte 2 : ", Path},
    {3, "orientation :", Orientation},
    {4, "motif carte :", Path},
    {5, "image carte :", Path},
    {6, "nom police en-tête cadre 1 :", FontName},
    {7, "nom police en-tête cadre 2 :", FontName},
    {8, "nom police corps cadre 1 :", FontName},
    {9, "nom police corps cadre 2 :", FontName},
    {10, "réservé :", Reserved},
    {11, "réservé :", Reserved},
    {12, "réservé :", Reserved},
    {13, "réservé :", Reserved},
    {14, "réservé :", Reserved},
    {15, "largeur carte :", Length},
    {16, "hauteur carte :", Length},
    {17, "top origine carte :", Length},
    {18, "couleur carte :$", BackgroundColour},
    {19, "largeur texte 1 :", Length},
    {20, "hauteur texte 1 :", Length},
    {21, "top origine texte 1 :", Length},
    {22, "largeur texte 2 :", Length},
    {23, "hauteur texte 2 :", Length},
    {24, "top origine texte 2 :", Length},
    {25, "alignement texte 1 :", Alignment},
    {26, "alignement texte 2 :", Alignment},
    {27, "left origine cadre 2 :", Length},
    {28, "left origine cadre 1 :", Length},
    {29, "réservé :", Reserved},
    {30, "couleur cadre 1 :$", BackgroundColour},
    {31, "couleur cadre 2 :$", BackgroundColour},
    {32, "largeur image :", Length},
    {33, "hauteur image :", Length},
    {34, "position verticale image :", Length},
    {35, "position horizontale image :", Length},
    {36, "valeur d'écartement :", Length},
    {37, "taille police en-tête cadre 1 :", FontSize},
    {38, "style police en-tête cadre 1 :", StyleCode},
    {39, "couleur police en-tête cadre 1 :", FontColour},
    {40, "taille police en-tête cadre 2 :", FontSize},
    {41, "style police en-tête cadre 2 :", StyleCode},
    {42, "couleur police en-tête cadre 2 :", FontColour},
    {43, "taille police corps cadre 1 :", FontSize},
    {44, "style police corps cadre 1 :", StyleCode},
    {45, "couleur police corps cadre 1 :", FontColour},
    {46, "taille police corps cadre 2 :", FontSize},
    {47, "style police corps cadre 2 :", StyleCode},
    {48, "couleur police corps cadre 2 :", FontColour},
    {49, "résolution système :", Resolution},
    {50, "transparence :", Transparency},
    {51, "réservé :", Reserved},
}};

constexpr bool numberedInOrder() {
  for (int i = 0; i < cardLineCount; ++i)
    if (formats[i].number != i + 1) return false;
  return true;
}
static_assert(numberedInOrder(), "the table lists lines 1 to 51 in order");

}  // namespace

const CardLineFormat& cardLineFormat(int number) { return formats.at(number - 1); }

bool holdsNumber(CardLineKind kind) {
  return kind != Path && kind != Orientation && kind != FontName && kind != Reserved;
}

std::string_view readText(CardLineKind kind, std::string_view value) {
  return kind == Path ? trimLeadingBlanks(value) : value;
}

std::string numberText(CardLineKind kind, std::int64_t value) {
  if (kind == FontColour) return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
  if (kind != BackgroundColour) return std::to_string(value);
  // Black, and a colour that needs more than six digits, are the "$" alone.
  if (value <= 0 || value > 0xFFFFFF) return {};
  char digits[9];
  std::snprintf(digits, sizeof digits, "00%06X", static_cast<unsigned>(value));
  return digits;
}

std::string cardLineText(int number, std::string_view value) {
  const std::string_view label = cardLineFormat(number).label;
  std::string line = std::to_string(number);
  line.reserve(line.size() + 3 + label.size() + value.size());
  line.append(" - ").append(label).append(value);
  return line;
}

}  // namespace orvane
