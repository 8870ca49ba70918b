#include "minicv/cv_file_lines.h"

#include <stdexcept>

namespace orvane::minicv {

namespace {

// The labels as files have always carried them: lines 21 to 28 have two blanks before the colon,
// lines 15 to 18 and 29 one blank after it.
constexpr std::array<std::string_view, cvLineCount> labels = {
    "0 - champs actifs :",
    "1 - civilité :",
    "2 - prénom :",
    "3 - nom :",
    "4 - âge :",
    "5 - nationalité :",
    "6 - situation familiale :",
    "7 - téléphone fixe :",
    "8 - téléphone portable :",
    "9 - adresse e-mail :",
    "10 - adresse 1 :",
    "11 - adresse 2 :",
    "12 - site internet :",
    "13 - véhicule :",
    "14 - permis de conduire :",
    "15 - Zone de texte 1 : ",
    "16 - Zone de texte 2 : ",
    "17 - Zone de texte 3 : ",
    "18 - Zone de texte 4 : ",
    "19 - % de largeur :",
    "20 - % de hauteur :",
    "21 - nom police formulaire  :",
    "22 - taille police formulaire  :",
    "23 - couleur police formulaire  :",
    "24 - style police formulaire  :",
    "25 - nom police zones texte  :",
    "26 - taille police zones texte  :",
    "27 - couleur police zones texte  :",
    "28 - style police zones texte  :",
    "29 - photo identité : ",
    "30 - couleur de fond :",
    "31 - titre cadre 1 :",
    "32 - titre cadre 2 :",
    "33 - titre cadre 3 :",
    "34 - titre cadre 4 :",
    "35 - langue :",
};

constexpr bool eachLabelHasOneColon() {
  for (std::string_view label : labels) {
    int colons = 0;
    for (char c : label) colons += c == ':' ? 1 : 0;
    if (colons != 1) return false;
  }
  return true;
}
// The reader splits at the first colon, so a label with a second one would shift its value.
static_assert(eachLabelHasOneColon());

constexpr std::array<std::string_view, 3> header = {
    "** Fichier paramêtre pour Orvane : mini-cv",
    "**Version : ORVANE 1.95",
    "**",
};

// A label that ends with a blank wrote that blank before the value: it belongs to the label.
std::string valueAfterLabel(int line, std::string afterColon) {
  if (labels[static_cast<std::size_t>(line)].ends_with(' ') && afterColon.starts_with(' '))
    afterColon.erase(0, 1);
  return afterColon;
}

}  // namespace

std::string_view cvLineLabel(int line) {
  if (line < 0 || line >= cvLineCount) throw std::out_of_range("mini-CV file line out of range");
  return labels[static_cast<std::size_t>(line)];
}

const std::array<std::string_view, 3>& cvFileHeader() { return header; }

CvFileLines parseCvFileLines(const std::vector<std::string>& fileLines) {
  CvFileLines result;
  std::size_t first = 0;
  while (first < fileLines.size() && fileLines[first].find("**") != std::string::npos) ++first;
  for (int line = 0; line < cvLineCount && first + static_cast<std::size_t>(line) < fileLines.size();
       ++line) {
    const std::string& text = fileLines[first + static_cast<std::size_t>(line)];
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
      result.linesWithoutColon.push_back(line);
    else
      result.values[static_cast<std::size_t>(line)] = valueAfterLabel(line, text.substr(colon + 1));
  }
  return result;
}

std::vector<std::string> cvFileLines(const std::array<std::string, cvLineCount>& values) {
  std::vector<std::string> lines(header.begin(), header.end());
  for (int line = 0; line < cvLineCount; ++line)
    lines.push_back(std::string(labels[static_cast<std::size_t>(line)]) +
                    values[static_cast<std::size_t>(line)]);
  return lines;
}

}  // namespace orvane::minicv
