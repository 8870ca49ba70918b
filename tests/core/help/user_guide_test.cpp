#include "help/user_guide.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {

namespace {

std::vector<std::string> rows = guideRows();

// The index of the first row from `from` on that equals `text`, or -1.
int rowOf(const std::string& text, int from = 0) {
  const auto found = std::find(rows.begin() + from, rows.end(), text);
  return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

bool anyRowHolds(const std::string& text) {
  return std::any_of(rows.begin(), rows.end(),
                     [&](const std::string& row) { return row.find(text) != std::string::npos; });
}

}  // namespace

TEST(UserGuide, ShowsEveryFixedLineWholeAndInOrder) {
  const std::vector<std::string> fixedLines{
      "AIDE DU PROGRAMME D'EDITION DE CARTES DE VISITE ET DE MINI-CV : ORVANE 1.95",
      "CONFIGURATION MINIMALE :",
      "Système d'exploitation : Windows 2000",
      "Processeur : Pentium ",
      "Mémoire : 64 Mo",
      "Ecran et carte graphique supportant résolution minimale de 800x600",
      "Imprimante : noir et blanc ou couleur",
      "UTILISATION :",
      "Utiliser un traitement de texte tel que notepad pour créer le contenu et le formatage",
      "Le bouton \"appliquer\" a pour effet de mettre à jour l'affichage avec les éléments chargés. L'icone "
      "par défaut est éliminée.",
      "POSITION DES ELEMENTS :",
      "CADRE 1 = cadre en haut de la carte : le texte y est centré",
      "CADRE 2 = cadre en bas de la carte : le texte y est justifié à droite",
      "ICONE  = image de format *.bmp ou *.ico à gauche du cadre 1",
      "MOTIF  = image de format *.bmp de fond de la carte ; motif et couleur de fond sont exclusifs l'un de "
      "l'autre.",
      "PARMIS LES NOUVEAUTES DES VERSIONS 1.6, 1.7, 1.8, 1.9 :",
      "PROBLEMES COURANTS :",
      "MINI-CV : ",
      "MESSAGES REPERTORIES",
      "Message 10 :",
      "Absence d'imprimante installée : ",
      "Résolution : installation d'une imprimante",
      "Message 100 :",
      "Erreur de dimensionnement",
      "Résolution : un élément de la carte déborde sur un autre ou sur les limites de la carte",
      "Le message d'avertissement indique l'élément concerné : revoir sa position et ses dimensions",
      "Message 200 :",
      "Fichier déjà présent sur le disque",
      "Résolution : en choisissant de modifier le fichier il sera remplacé par le nouveau.",
      "En choisissant de ne pas modifier le fichier : un nouveau fichier sera créé avec une extension "
      "indicée : ov2,ov3,..ov10",
      "Si il y a un problème de suppression de l'ancien fichier, ou de reprise de son nom, le nouveau "
      "fichier aura",
      "une extension indicée",
      "Message 210 :",
      "Extension non standard",
      "Les extensions standard sont \"ov1\" pour les fichiers paramêtres de la carte et \"ov4\" pour ceux du "
      "mini-cv",
      "Message 300 :",
      "Taille de police insuffisante",
      "Il s'agit d'un conseil de présentation : en principe l'en-tête du cadre1 ne doit pas avoir un texte "
      "plus petit que le cadre 2",
      "Message 310 :",
      "Le cadre 1 déborde sur l'icone.",
      "Résolution : diminuez la longueur du cadre 1 ou déplacez à gauche l'icone.",
      "Message 400 : ",
      "Erreur survenue lors de la prise en compte de nouveaux paramêtres graphiques",
      "Résolution : essayez de nouveaux paramêtres ou de nouveaux éléments graphiques",
      "Message 500 :",
      "Avertissement sur la possibilité qu'une police de texte ait un aspect écran/papier différent  ",
  };
  int from = 0;
  for (const std::string& line : fixedLines) {
    const int at = rowOf(line, from);
    ASSERT_GE(at, 0) << "missing or out of order: " << line;
    from = at + 1;
  }
}

TEST(UserGuide, PlacesTheConfigurationAfterTheTitleAndCutsRowsAtLineBreaks) {
  EXPECT_EQ(rowOf("CONFIGURATION MINIMALE :"), 2);
  EXPECT_EQ(rows[1], "");
  EXPECT_EQ(rows[8], "");
  EXPECT_EQ(rows[9], "UTILISATION :");
  // The line of one CR LF pair before the list of messages shows as two empty rows, and no row holds a
  // line break.
  const int list = rowOf("MESSAGES REPERTORIES");
  EXPECT_EQ(rows[list - 1], "");
  EXPECT_EQ(rows[list - 2], "");
  EXPECT_FALSE(anyRowHolds("\r"));
  EXPECT_FALSE(anyRowHolds("\n"));
}

TEST(UserGuide, NamesTheParameterFilesAndTheirIndexedExtensions) {
  for (const char* name : {"\".ov1\"", "\".ov4\"", "\"ov2\"", "\"ov10\""})
    EXPECT_TRUE(anyRowHolds(name)) << name;
}

TEST(HelpDocument, OpensEachContextAtItsEntry) {
  for (int number : {10, 100, 200, 210, 300, 310, 400, 500}) {
    const int row = helpEntryRow(number);
    ASSERT_GT(row, 0);
    EXPECT_EQ(rows[row].rfind("Message " + std::to_string(number) + " :", 0), 0U) << rows[row];
  }
  EXPECT_EQ(rows[helpEntryRow(helpContextMessageList)], "MESSAGES REPERTORIES");
  EXPECT_EQ(helpEntryRow(0), 0);
  EXPECT_EQ(helpEntryRow(7), 0);
}

TEST(HelpDocument, OpensANumberedMessageAtTheEntryOfItsNumber) {
  EXPECT_EQ(helpEntryRow(helpContextMessageList,
                         "Conseil 1 : diminuez la longueur du cadre 1 d'au moins :12 "
                         "- Avertissement 310"),
            helpEntryRow(310));
  EXPECT_EQ(helpEntryRow(helpContextMessageList, "Opération non supportée par le système - Erreur 400"),
            helpEntryRow(400));
  // A number the guide does not explain, or none at all, opens the list.
  EXPECT_EQ(helpEntryRow(helpContextMessageList, "Conseil 2 - Avertissement 999"), helpEntryRow(9));
  EXPECT_EQ(helpEntryRow(helpContextMessageList, "Ce fichier existe déjà"), helpEntryRow(9));
  EXPECT_EQ(helpEntryRow(helpContextMessageList, "99999999999999999999"), helpEntryRow(9));
}

}  // namespace orvane
